#pragma once

#include "shell/data_table.h"
#include "shell/table_files.h"
#include "shell/working_folder.h"
#include "support/temp_folder.h"

namespace zeruda::test {

// A working folder inside a fresh test folder with the data tables written out, as
// the program has it once its main window has started; cleaned up like at exit.
class ProgramSandbox {
 public:
  ProgramSandbox() {
    shell::chooseDriveRoot(shell::systemRoots());
    shell::writeMissingTableFiles();
  }
  ~ProgramSandbox() { shell::shutdownCleanup(); }
  ProgramSandbox(const ProgramSandbox&) = delete;
  ProgramSandbox& operator=(const ProgramSandbox&) = delete;

  const SandboxedRoots& roots() const { return roots_; }

 private:
  SandboxedRoots roots_;  // constructed first: the drive choice reads its environment
};

}  // namespace zeruda::test
