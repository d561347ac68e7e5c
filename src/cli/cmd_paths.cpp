// zeruda-cli paths: where the program keeps its working files.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command_list.h"
#include "cli/command_session.h"
#include "storage/table_files.h"

namespace zeruda::cli {

int runPaths(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args(args, {}).expectPositional(0, "");
  CommandSession session(err);
  // Paths are the file system's own bytes, shown as they are.
  out << session.folder().path().string() << '\n';
  for (auto alias : storage::kTableAliases) {
    out << storage::tableFile(session.folder(), alias).string() << '\n';
  }
  out << session.profile().path().string() << '\n';
  return kExitOk;
}

}  // namespace zeruda::cli
