#pragma once

#include <atomic>

namespace zeruda::run {

// The stop request of one run: whoever ends the run (the wait message's closing,
// the owner going away, the run itself at its cap) sets it, and the run looks at it
// between attempts. Each run has its own, so stopping one never stops another.
// Set from one thread and read by another while both run, hence atomic.
class StopFlag {
 public:
  void requestStop() noexcept { stop_.store(true); }
  bool stopRequested() const noexcept { return stop_.load(); }

 private:
  std::atomic<bool> stop_{false};
};

}  // namespace zeruda::run
