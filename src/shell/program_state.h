#pragma once

#include <atomic>
#include <filesystem>
#include <string>

namespace zeruda::shell {

// The stop flag shared by the user-interface thread and a generator's worker thread.
enum class StopState : int { kRun = 0, kStop = 1 };

// The little state the whole program shares, kept in one place.
//
// The drive root and working folder are set once, by the drive choice at start-up,
// before any worker thread exists, and only read afterwards, so they need no lock.
// The stop flag is written by one thread and read by another while both run, hence
// atomic.
struct ProgramState {
  std::filesystem::path driveRoot;      // the chosen root (empty until chosen)
  std::filesystem::path workingFolder;  // driveRoot + "zeruda/gs/"
  std::atomic<int> stop{static_cast<int>(StopState::kRun)};
  // What the article viewer shows: a file path or a web address (UI thread only).
  std::string viewerAddress;
};

ProgramState& programState();

inline void requestStop() { programState().stop.store(static_cast<int>(StopState::kStop)); }
inline void clearStop() { programState().stop.store(static_cast<int>(StopState::kRun)); }
inline bool stopRequested() {
  return programState().stop.load() == static_cast<int>(StopState::kStop);
}

}  // namespace zeruda::shell
