#pragma once

#include "generation/engine.h"

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

namespace zeruda::generation {

// Called once on the engine's thread when the run has ended (refused, stopped or
// capped); the window uses it to show a refusal. Must not throw.
using FinishHandler = std::function<void(const EngineOutcome&)>;

// The engine on a worker thread of its own, as the company page runs it.
class EngineThread {
 public:
  // Clears `stopFlag` and starts the run. The flag is the program's shared one: the
  // user-interface thread sets it to stop the run, the engine sets it at the cap.
  EngineThread(std::shared_ptr<const SettingsSnapshot> settings, StopFlag& stopFlag,
               EngineServices services, RowConsumer consume, FinishHandler finished = {});
  // Sets the flag and waits: a run never outlives its owner.
  ~EngineThread();
  EngineThread(const EngineThread&) = delete;
  EngineThread& operator=(const EngineThread&) = delete;

  void requestStop();
  // Waits for the run to end (it ends only when the flag is set, by someone, or
  // when it is refused) and gives its outcome.
  const EngineOutcome& wait();
  bool finished() const { return finished_.load(); }

 private:
  std::shared_ptr<const SettingsSnapshot> settings_;
  StopFlag& stopFlag_;
  EngineServices services_;
  RowConsumer consume_;
  FinishHandler onFinished_;
  EngineOutcome outcome_;
  std::atomic<bool> finished_{false};
  std::thread thread_;  // last: starts after everything it uses exists
};

}  // namespace zeruda::generation
