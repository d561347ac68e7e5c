#pragma once

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace zeruda::gui {

// Items made on a worker's thread, handed to the user-interface thread. A burst of
// items becomes one delivery: the first item of a burst asks the event loop for a
// delivery and the items after it join that delivery while it is pending, so a
// fast worker never floods the loop with one event per item.
template <typename Item>
class BurstInbox : public std::enable_shared_from_this<BurstInbox<Item>> {
 public:
  using Deliver = std::function<void(std::vector<Item>)>;

  // `deliver` runs on the thread of `receiver`, and not at all once it is gone.
  BurstInbox(QObject* receiver, Deliver deliver)
      : receiver_(receiver), deliver_(std::move(deliver)) {}

  // From any thread.
  void post(Item item) {
    bool firstOfBurst = false;
    {
      std::lock_guard lock(mutex_);
      if (closed_) return;
      firstOfBurst = pending_.empty();
      pending_.push_back(std::move(item));
    }
    if (firstOfBurst && receiver_) {
      QMetaObject::invokeMethod(
          receiver_, [inbox = this->shared_from_this()] { inbox->deliver(); },
          Qt::QueuedConnection);
    }
  }

  // Items still waiting are dropped and later ones refused: the receiver now
  // belongs to another run.
  void close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    pending_.clear();
  }

 private:
  void deliver() {
    std::vector<Item> items;
    {
      std::lock_guard lock(mutex_);
      if (closed_) return;
      items.swap(pending_);
    }
    if (receiver_) deliver_(std::move(items));
  }

  QPointer<QObject> receiver_;
  Deliver deliver_;
  std::mutex mutex_;
  std::vector<Item> pending_;
  bool closed_ = false;
};

}  // namespace zeruda::gui
