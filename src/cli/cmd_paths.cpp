// zeruda-cli paths: where the program keeps its working files.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command_list.h"
#include "cli/environment.h"
#include "profile/profile.h"
#include "storage/program_state.h"
#include "storage/table_files.h"

namespace zeruda::cli {

int runPaths(std::span<const std::string> args, std::ostream& out, std::ostream&) {
  Args(args, {}).expectPositional(0, "");
  ProgramEnvironment environment;
  // Paths are the file system's own bytes, shown as they are.
  out << storage::programState().workingFolder.string() << '\n';
  for (auto alias : storage::kTableAliases) out << storage::tableFile(alias).string() << '\n';
  out << profile::profilePath().string() << '\n';
  return kExitOk;
}

}  // namespace zeruda::cli
