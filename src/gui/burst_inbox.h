#pragma once

#include "run/row_handover.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <vector>

namespace zeruda::gui {

// Items made on a worker's thread, handed to the user-interface thread: the wake-up
// a burst of items asks for is one queued call on the receiver's event loop, and
// that call delivers the whole burst.
template <typename Item>
class BurstInbox : public std::enable_shared_from_this<BurstInbox<Item>> {
 public:
  using Deliver = std::function<void(std::vector<Item>)>;

  // `deliver` runs on the thread of `receiver`, and not at all once it is gone.
  BurstInbox(QObject* receiver, Deliver deliver)
      : receiver_(receiver), deliver_(std::move(deliver)) {}

  // From any thread.
  void post(Item item) {
    if (handover_.post(std::move(item)) && receiver_) {
      QMetaObject::invokeMethod(
          receiver_, [inbox = this->shared_from_this()] { inbox->deliver(); },
          Qt::QueuedConnection);
    }
  }

  // Items still waiting are dropped and later ones refused: the receiver now
  // belongs to another run.
  void close() { handover_.close(); }

 private:
  void deliver() {
    std::vector<Item> items = handover_.collect();
    if (!items.empty() && receiver_) deliver_(std::move(items));
  }

  QPointer<QObject> receiver_;
  Deliver deliver_;
  run::RowHandover<Item> handover_;
};

}  // namespace zeruda::gui
