#include "run/row_handover.h"

#include <gtest/gtest.h>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace zeruda::run {
namespace {

TEST(RowHandover, OnlyTheFirstRowOfABurstWakesTheReceiver) {
  RowHandover<int> handover;
  EXPECT_TRUE(handover.post(1));
  EXPECT_FALSE(handover.post(2));
  EXPECT_FALSE(handover.post(3));
  EXPECT_EQ(handover.collect(), (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(handover.post(4)) << "a collection ends the burst";
}

// A new run empties the list; rows of the old run still on their way must not
// land in it.
TEST(RowHandover, ClosingDropsWhatWaitsAndRefusesWhatComesLater) {
  RowHandover<int> handover;
  ASSERT_TRUE(handover.post(1));
  handover.close();
  EXPECT_FALSE(handover.post(2));
  EXPECT_TRUE(handover.collect().empty());
}

// The receiver as a front end runs it: asleep until woken, one collection per
// wake-up. Several runs' threads post at once; no row may be lost or doubled.
TEST(RowHandover, RowsFromSeveralThreadsArriveOnceEachAndInTheirOrder) {
  constexpr int kThreads = 3, kRows = 3000;
  RowHandover<std::pair<int, int>> handover;  // (thread, row)
  std::mutex mutex;
  std::condition_variable woken;
  int wakeUps = 0;
  bool producersDone = false;
  std::vector<std::pair<int, int>> received;
  std::thread receiver([&] {
    std::unique_lock lock(mutex);
    for (;;) {
      woken.wait(lock, [&] { return wakeUps > 0 || producersDone; });
      if (wakeUps == 0) return;
      --wakeUps;
      lock.unlock();
      for (const auto& row : handover.collect()) received.push_back(row);
      lock.lock();
    }
  });
  std::vector<std::thread> producers;
  for (int t = 0; t < kThreads; ++t) {
    producers.emplace_back([&, t] {
      for (int n = 0; n < kRows; ++n) {
        if (!handover.post({t, n})) continue;
        const std::lock_guard lock(mutex);
        ++wakeUps;
        woken.notify_one();
      }
    });
  }
  for (auto& producer : producers) producer.join();
  {
    const std::lock_guard lock(mutex);
    producersDone = true;
    woken.notify_one();
  }
  receiver.join();

  ASSERT_EQ(received.size(), std::size_t{kThreads * kRows});
  std::vector<int> next(kThreads, 0);
  for (const auto& [thread, row] : received) EXPECT_EQ(row, next[thread]++) << "thread " << thread;
}

}  // namespace
}  // namespace zeruda::run
