#pragma once

#include <atomic>

namespace zeruda::generation {

// The flag a generator's worker polls: the user-interface thread sets it to stop a
// run, the engine sets it itself at the row cap. Written by one thread and read by
// another while both run, hence atomic; a plain integer, 0 run and 1 stop.
enum class StopState : int { kRun = 0, kStop = 1 };
using StopFlag = std::atomic<int>;

inline void setStop(StopFlag& flag) { flag.store(static_cast<int>(StopState::kStop)); }
inline void clearStop(StopFlag& flag) { flag.store(static_cast<int>(StopState::kRun)); }
inline bool stopSet(const StopFlag& flag) {
  return flag.load() == static_cast<int>(StopState::kStop);
}

// The program's one flag, shared by both generators (company names and personal
// names): the wait message's closing, the engine's cap and program exit set it.
StopFlag& programStopFlag();

}  // namespace zeruda::generation
