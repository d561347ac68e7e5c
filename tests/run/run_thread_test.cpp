#include "run/run_thread.h"

#include <gtest/gtest.h>
#include <future>
#include <thread>

namespace zeruda::run {
namespace {

// A run that says when it has started and then works until its flag is set; its
// outcome is how many rounds it made.
struct Worker {
  std::promise<void> started;
  RunThread<int>::Body body() {
    return [this](StopFlag& stop) {
      started.set_value();
      int rounds = 0;
      while (!stop.stopRequested()) ++rounds;
      return rounds;
    };
  }
};

TEST(RunThread, TheOwnerGoingAwayStopsTheRunAndWaitsForIt) {
  std::atomic<bool> ended{false};
  {
    RunThread<int> run([&](StopFlag& stop) {
      while (!stop.stopRequested()) std::this_thread::yield();
      ended = true;
      return 0;
    });
  }
  EXPECT_TRUE(ended);
}

TEST(RunThread, StoppingOneRunLeavesAnotherRunning) {
  Worker first, second;
  RunThread<int> one(first.body());
  RunThread<int> two(second.body());
  first.started.get_future().wait();
  second.started.get_future().wait();
  one.requestStop();
  one.wait();
  EXPECT_TRUE(one.finished());
  EXPECT_FALSE(two.stopRequested());
  EXPECT_FALSE(two.finished());
  two.requestStop();
  two.wait();
  EXPECT_TRUE(two.finished());
}

TEST(RunThread, AnEndedRunTellsItsOutcomeOnItsOwnThread) {
  std::thread::id toldOn;
  int told = 0;
  RunThread<int> run(
      [](StopFlag& stop) {
        stop.requestStop();  // as a run does at its cap
        return 42;
      },
      [&](const int& outcome) {
        told = outcome;
        toldOn = std::this_thread::get_id();
      });
  EXPECT_EQ(run.wait(), 42);
  EXPECT_EQ(told, 42);
  EXPECT_NE(toldOn, std::this_thread::get_id());
  EXPECT_TRUE(run.stopRequested());
}

}  // namespace
}  // namespace zeruda::run
