#pragma once

namespace zeruda::cli {

// The program's surroundings for one command, set up as the desktop program sets
// them up when its main window starts and torn down as at its exit: the working
// folder is chosen (data root, else the temporary folder) and the data tables are
// written out; on leaving, the tables are closed and their files deleted, while
// the profile stays. Commands that use tables or the profile hold one of these.
class ProgramEnvironment {
 public:
  ProgramEnvironment();
  ~ProgramEnvironment();
  ProgramEnvironment(const ProgramEnvironment&) = delete;
  ProgramEnvironment& operator=(const ProgramEnvironment&) = delete;
};

}  // namespace zeruda::cli
