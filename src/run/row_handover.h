#pragma once

#include <mutex>
#include <utility>
#include <vector>

namespace zeruda::run {

// Rows made on a run's thread, on their way to the thread that shows them. They
// come in bursts: only the first row of a burst asks for the receiver to come and
// collect, and the rows after it join that collection while it is pending, so a
// fast run never floods the receiver with one wake-up per row. How the receiver is
// woken is the front end's business.
template <typename Row>
class RowHandover {
 public:
  // From any thread. True when the receiver must be woken: nothing was waiting.
  [[nodiscard]] bool post(Row row) {
    const std::lock_guard lock(mutex_);
    if (closed_) return false;
    pending_.push_back(std::move(row));
    return pending_.size() == 1;
  }

  // Everything posted since the last collection, oldest first.
  std::vector<Row> collect() {
    std::vector<Row> rows;
    const std::lock_guard lock(mutex_);
    rows.swap(pending_);
    return rows;
  }

  // Rows still waiting are dropped and later ones refused: the receiver has moved
  // on to another run.
  void close() {
    const std::lock_guard lock(mutex_);
    closed_ = true;
    pending_.clear();
  }

 private:
  std::mutex mutex_;
  std::vector<Row> pending_;
  bool closed_ = false;
};

}  // namespace zeruda::run
