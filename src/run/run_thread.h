#pragma once

#include "run/stop_flag.h"

#include <atomic>
#include <functional>
#include <thread>
#include <utility>

namespace zeruda::run {

// One run of a generator on a thread of its own, with its own stop flag and its own
// outcome. The run never outlives its owner: destroying it asks it to stop and waits.
template <typename Outcome>
class RunThread {
 public:
  // The run itself, on the run's thread; it stops when the flag is set.
  using Body = std::function<Outcome(StopFlag&)>;
  // Called once on the run's thread when the run has ended; must not throw.
  using FinishHandler = std::function<void(const Outcome&)>;

  explicit RunThread(Body body, FinishHandler finished = {})
      : body_(std::move(body)), onFinished_(std::move(finished)) {
    thread_ = std::thread([this] {
      outcome_ = body_(stop_);
      finished_.store(true);
      if (onFinished_) onFinished_(outcome_);
    });
  }
  ~RunThread() {
    requestStop();
    wait();
  }
  RunThread(const RunThread&) = delete;
  RunThread& operator=(const RunThread&) = delete;

  void requestStop() { stop_.requestStop(); }
  // Set by the owner or by the run itself (a cap reached).
  bool stopRequested() const { return stop_.stopRequested(); }
  bool finished() const { return finished_.load(); }
  // Waits for the run to end and gives its outcome.
  const Outcome& wait() {
    if (thread_.joinable()) thread_.join();
    return outcome_;
  }

 private:
  Body body_;
  FinishHandler onFinished_;
  StopFlag stop_;
  Outcome outcome_{};
  std::atomic<bool> finished_{false};
  std::thread thread_;  // last: starts after everything it uses exists
};

}  // namespace zeruda::run
