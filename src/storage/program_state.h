#pragma once

#include <filesystem>

namespace zeruda::storage {

// Where the program keeps its working files, chosen once by the drive choice at
// start-up, before any worker thread exists, and only read afterwards, so it needs
// no lock. (The generators' stop flag, the only other state shared across the
// program, lives with them: generation/stop_flag.h.)
struct ProgramState {
  std::filesystem::path driveRoot;      // the chosen root (empty until chosen)
  std::filesystem::path workingFolder;  // driveRoot + "zeruda/gs/"
};

ProgramState& programState();

}  // namespace zeruda::storage
