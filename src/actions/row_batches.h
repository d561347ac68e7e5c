#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <span>
#include <vector>

namespace zeruda::actions {

// Receives a run's rows in batches, in order, on the run's thread. Must not throw.
template <typename Row>
using BatchSink = std::function<void(std::span<const Row>)>;

// The most rows a batch holds unless a front end asks for fewer: a window that takes
// each row into its list as it comes asks for one.
inline constexpr std::size_t kMostBatchRows = 200;

// Hands a run's rows on in batches: often enough that a list grows while the run goes
// on, seldom enough that handing them over costs little beside the run.
template <typename Row>
class RowBatches {
 public:
  // `mostRows` 1 hands each row on as it is made.
  RowBatches(const BatchSink<Row>& sink, std::size_t mostRows) : sink_(sink), mostRows_(mostRows) {}

  // After each row the run makes. The clock is read only now and then: in the
  // browser each reading is a call out of the module.
  void add(const Row& row) {
    waiting_.push_back(row);
    const std::size_t count = waiting_.size();
    if (count >= mostRows_ || (count % kRowsBetweenClocks == 0 && overdue())) flush();
  }
  // Once the run has ended, and whenever the rows must not wait.
  void flush() {
    if (!waiting_.empty()) sink_(std::span<const Row>(waiting_));
    waiting_.clear();
    last_ = Clock::now();
  }

 private:
  using Clock = std::chrono::steady_clock;
  static constexpr std::size_t kRowsBetweenClocks = 20;
  static constexpr auto kLongest = std::chrono::milliseconds(50);

  bool overdue() const { return Clock::now() - last_ >= kLongest; }

  const BatchSink<Row>& sink_;
  std::size_t mostRows_;
  std::vector<Row> waiting_;
  Clock::time_point last_ = Clock::now();
};

}  // namespace zeruda::actions
