#include "cli/environment.h"

#include "storage/atomic_file.h"
#include "storage/program_state.h"
#include "storage/table_files.h"
#include "storage/working_folder.h"

namespace zeruda::cli {

ProgramEnvironment::ProgramEnvironment() {
  storage::chooseDriveRoot(storage::systemRoots());
  storage::removeStaleTempFiles(storage::programState().workingFolder);
}

ProgramEnvironment::~ProgramEnvironment() { storage::shutdownCleanup(); }

}  // namespace zeruda::cli
