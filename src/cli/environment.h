#pragma once

namespace zeruda::cli {

// The program's surroundings for one command: the working folder is chosen as the
// window chooses it (data root, else the temporary folder), for the profile. The
// tables stay in memory: the folder's table files belong to the window that holds
// the folder, and a command never writes, reads or deletes them. On leaving, the
// tables are closed. Commands that use tables or the profile hold one of these.
class ProgramEnvironment {
 public:
  ProgramEnvironment();
  ~ProgramEnvironment();
  ProgramEnvironment(const ProgramEnvironment&) = delete;
  ProgramEnvironment& operator=(const ProgramEnvironment&) = delete;
};

}  // namespace zeruda::cli
