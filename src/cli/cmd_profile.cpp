// zeruda-cli profile: both sections of the saved profile, every key in its order.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command_list.h"
#include "cli/environment.h"
#include "cli/terminal.h"
#include "shell/ini_file.h"
#include "shell/profile.h"

namespace zeruda::cli {
namespace {

void printSection(std::ostream& out, const shell::IniDocument& profile, const std::string& section,
                  const std::vector<std::string>& keys) {
  for (const auto& key : keys) {
    out << fromGbk(section) << '\t' << fromGbk(key) << '\t' << fromGbk(profile.get(section, key))
        << '\n';
  }
}

}  // namespace

int runProfile(std::span<const std::string> args, std::ostream& out, std::ostream&) {
  Args(args, {}).expectPositional(0, "");
  ProgramEnvironment environment;
  shell::IniDocument profile = shell::loadIniFile(shell::profilePath());
  printSection(out, profile, shell::legalPersonSection(), shell::legalPersonKeys());
  printSection(out, profile, shell::personalChartSection(), shell::personalChartKeys());
  return kExitOk;
}

}  // namespace zeruda::cli
