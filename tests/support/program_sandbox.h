#pragma once

#include "storage/data_table.h"
#include "storage/table_files.h"
#include "storage/working_folder.h"
#include "support/temp_folder.h"

namespace zeruda::test {

// A working folder inside a fresh test folder with the data tables written out, as
// the program has it once its main window has started; cleaned up like at exit.
class ProgramSandbox {
 public:
  ProgramSandbox() {
    storage::chooseDriveRoot(storage::systemRoots());
    storage::ownTableFiles();
  }
  ~ProgramSandbox() { storage::shutdownCleanup(); }
  ProgramSandbox(const ProgramSandbox&) = delete;
  ProgramSandbox& operator=(const ProgramSandbox&) = delete;

  const SandboxedRoots& roots() const { return roots_; }

 private:
  SandboxedRoots roots_;  // constructed first: the drive choice reads its environment
};

}  // namespace zeruda::test
