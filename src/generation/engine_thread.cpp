#include "generation/engine_thread.h"

#include "generation/stop_flag.h"

namespace zeruda::generation {

EngineThread::EngineThread(std::shared_ptr<const SettingsSnapshot> settings, StopFlag& stopFlag,
                           EngineServices services, RowConsumer consume, FinishHandler finished)
    : settings_(std::move(settings)),
      stopFlag_(stopFlag),
      services_(std::move(services)),
      consume_(std::move(consume)),
      onFinished_(std::move(finished)) {
  clearStop(stopFlag_);
  thread_ = std::thread([this] {
    outcome_ = runEngine(*settings_, stopFlag_, services_, consume_);
    finished_.store(true);
    if (onFinished_) onFinished_(outcome_);
  });
}

EngineThread::~EngineThread() {
  requestStop();
  wait();
}

void EngineThread::requestStop() { setStop(stopFlag_); }

const EngineOutcome& EngineThread::wait() {
  if (thread_.joinable()) thread_.join();
  return outcome_;
}

}  // namespace zeruda::generation
