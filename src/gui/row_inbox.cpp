#include "gui/row_inbox.h"

#include "gui/result_list_model.h"

namespace zeruda::gui {

void RowInbox::post(const generation::CandidateRow& row) {
  bool firstOfBurst = false;
  {
    std::lock_guard lock(mutex_);
    if (closed_) return;
    firstOfBurst = pending_.empty();
    pending_.push_back(row);
  }
  if (firstOfBurst) {
    QMetaObject::invokeMethod(
        model_, [inbox = shared_from_this()] { inbox->deliver(); }, Qt::QueuedConnection);
  }
}

void RowInbox::close() {
  std::lock_guard lock(mutex_);
  closed_ = true;
  pending_.clear();
}

void RowInbox::deliver() {
  std::vector<generation::CandidateRow> rows;
  {
    std::lock_guard lock(mutex_);
    if (closed_) return;
    rows.swap(pending_);
  }
  if (model_) model_->append(std::move(rows));
}

}  // namespace zeruda::gui
