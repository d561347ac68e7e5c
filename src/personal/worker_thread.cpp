#include "personal/worker_thread.h"

namespace zeruda::personal {

WorkerThread::WorkerThread(WorkerSettings settings, std::atomic<int>& stopFlag,
                           WorkerServices services, NameConsumer consume, FinishHandler finished)
    : settings_(std::move(settings)),
      stopFlag_(stopFlag),
      services_(std::move(services)),
      consume_(std::move(consume)),
      onFinished_(std::move(finished)) {
  generation::clearStop(stopFlag_);
  thread_ = std::thread([this] {
    outcome_ = runNamingWorker(settings_, stopFlag_, services_, consume_);
    if (onFinished_) onFinished_(outcome_);
  });
}

WorkerThread::~WorkerThread() {
  requestStop();
  wait();
}

void WorkerThread::requestStop() { generation::setStop(stopFlag_); }

const WorkerOutcome& WorkerThread::wait() {
  if (thread_.joinable()) thread_.join();
  return outcome_;
}

}  // namespace zeruda::personal
