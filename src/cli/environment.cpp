#include "cli/environment.h"

#include "shell/table_files.h"
#include "shell/working_folder.h"

namespace zeruda::cli {

ProgramEnvironment::ProgramEnvironment() {
  shell::chooseDriveRoot(shell::systemRoots());
  shell::writeMissingTableFiles();
}

ProgramEnvironment::~ProgramEnvironment() { shell::shutdownCleanup(); }

}  // namespace zeruda::cli
