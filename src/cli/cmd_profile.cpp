// zeruda-cli profile: both sections of the saved profile, every key in its order.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command_list.h"
#include "cli/command_session.h"
#include "cli/terminal.h"
#include "profile/profile.h"
#include "storage/ini_file.h"

namespace zeruda::cli {
namespace {

void printSection(std::ostream& out, const storage::IniDocument& profile,
                  const std::string& section, const std::vector<std::string>& keys) {
  for (const auto& key : keys) {
    out << fromGbk(section) << '\t' << fromGbk(key) << '\t' << fromGbk(profile.get(section, key))
        << '\n';
  }
}

}  // namespace

int runProfile(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args(args, {}).expectPositional(0, "");
  CommandSession session(err);
  storage::IniDocument profile = storage::loadIniFile(session.profile().path());
  printSection(out, profile, profile::legalPersonSection(), profile::legalPersonKeys());
  printSection(out, profile, profile::personalChartSection(), profile::personalChartKeys());
  return kExitOk;
}

}  // namespace zeruda::cli
