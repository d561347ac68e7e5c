// zeruda-cli paths: where the program keeps its working files.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command_list.h"
#include "cli/environment.h"
#include "shell/profile.h"
#include "shell/program_state.h"
#include "shell/table_files.h"

namespace zeruda::cli {

int runPaths(std::span<const std::string> args, std::ostream& out, std::ostream&) {
  Args(args, {}).expectPositional(0, "");
  ProgramEnvironment environment;
  // Paths are the file system's own bytes, shown as they are.
  out << shell::programState().workingFolder.string() << '\n';
  for (auto alias : shell::kTableAliases) out << shell::tableFile(alias).string() << '\n';
  out << shell::profilePath().string() << '\n';
  return kExitOk;
}

}  // namespace zeruda::cli
