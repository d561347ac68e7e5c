#pragma once

#include "personal/worker.h"

#include <functional>
#include <thread>

namespace zeruda::personal {

// Called once on the worker's thread when the run has ended (stopped, capped or
// failed). Must not throw.
using FinishHandler = std::function<void(const WorkerOutcome&)>;

// The naming worker on a thread of its own, as the 取名 page runs it.
class WorkerThread {
 public:
  // Clears `stopFlag` and starts the run. The flag is the program's shared one: the
  // user-interface thread sets it to stop the run, the worker sets it at the cap.
  WorkerThread(WorkerSettings settings, generation::StopFlag& stopFlag, WorkerServices services,
               NameConsumer consume, FinishHandler finished = {});
  // Sets the flag and waits: a run never outlives its owner.
  ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  void requestStop();
  // Waits for the run to end and gives its outcome.
  const WorkerOutcome& wait();

 private:
  WorkerSettings settings_;
  generation::StopFlag& stopFlag_;
  WorkerServices services_;
  NameConsumer consume_;
  FinishHandler onFinished_;
  WorkerOutcome outcome_;
  std::thread thread_;  // last: starts after everything it uses exists
};

}  // namespace zeruda::personal
