#include "cli/environment.h"

#include "storage/table_files.h"
#include "storage/working_folder.h"

namespace zeruda::cli {

ProgramEnvironment::ProgramEnvironment() {
  storage::chooseDriveRoot(storage::systemRoots());
  storage::writeMissingTableFiles();
}

ProgramEnvironment::~ProgramEnvironment() { storage::shutdownCleanup(); }

}  // namespace zeruda::cli
