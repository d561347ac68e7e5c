#include "personal/worker_thread.h"

#include "shell/program_state.h"

namespace zeruda::personal {

WorkerThread::WorkerThread(WorkerSettings settings, std::atomic<int>& stopFlag,
                           WorkerServices services, NameConsumer consume, FinishHandler finished)
    : settings_(std::move(settings)),
      stopFlag_(stopFlag),
      services_(std::move(services)),
      consume_(std::move(consume)),
      onFinished_(std::move(finished)) {
  stopFlag_.store(static_cast<int>(shell::StopState::kRun));
  thread_ = std::thread([this] {
    outcome_ = runNamingWorker(settings_, stopFlag_, services_, consume_);
    if (onFinished_) onFinished_(outcome_);
  });
}

WorkerThread::~WorkerThread() {
  requestStop();
  wait();
}

void WorkerThread::requestStop() { stopFlag_.store(static_cast<int>(shell::StopState::kStop)); }

const WorkerOutcome& WorkerThread::wait() {
  if (thread_.joinable()) thread_.join();
  return outcome_;
}

}  // namespace zeruda::personal
