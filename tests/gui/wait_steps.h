#pragma once

#include "fake_ui_services.h"

#include <QAbstractItemModel>
#include <QSignalSpy>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>

namespace zeruda::gui::test {

// A run's thread waiting for the user-interface thread, once.
class RunHold {
 public:
  // On the run's thread. A hold never released gives way after a while, so a test
  // that fails cannot hang its run for good.
  void wait() {
    std::unique_lock lock(mutex_);
    released_.wait_for(lock, std::chrono::seconds(20), [this] { return done_; });
  }
  void release() {
    {
      const std::lock_guard lock(mutex_);
      done_ = true;
    }
    released_.notify_all();
  }

 private:
  std::mutex mutex_;
  std::condition_variable released_;
  bool done_ = false;
};

// Whenever `list` reaches `wanted` rows while a wait message is open, closes the
// message as the user would, inside the delivery of the rows that reach the count.
// Given a page's row hook, the page's next run also waits at its `wanted`th row
// until that close: the user's stop then comes before the run could reach its own
// end, however fast the build.
inline void closeWaitMessageAt(FakeUiServices& services, QAbstractItemModel& list, int wanted,
                               std::function<void(int)>* rowHook = nullptr) {
  auto hold = std::make_shared<RunHold>();
  if (rowHook != nullptr) {
    *rowHook = [hold, wanted](int handedOver) {
      if (handedOver == wanted) hold->wait();
    };
  }
  QObject::connect(&list, &QAbstractItemModel::rowsInserted, &list,
                   [&services, &list, wanted, hold] {
                     if (list.rowCount() < wanted || !services.waitMessage) return;
                     services.waitMessage->closeAsUser();
                     hold->release();
                   });
}

// The ends of a page's runs, as its runEnded signal tells them.
class RunEnds {
 public:
  template <typename Page>
  explicit RunEnds(Page* page) : spy_(page, &Page::runEnded) {}

  // Runs the event loop until the next run has ended (perhaps already); false when
  // none ends within `milliseconds`.
  bool next(int milliseconds = 60000) {
    if (spy_.isEmpty() && (milliseconds == 0 || !spy_.wait(milliseconds))) return false;
    spy_.removeFirst();
    return true;
  }

 private:
  QSignalSpy spy_;
};

}  // namespace zeruda::gui::test
