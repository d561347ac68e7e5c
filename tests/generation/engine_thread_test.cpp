#include "generation/engine_thread.h"

#include "engine_support.h"
#include "support/text_support.h"

#include <gtest/gtest.h>
#include <chrono>
#include <condition_variable>
#include <mutex>

namespace zeruda::generation {
namespace {

using namespace generation::test;
using namespace std::chrono_literals;
using zeruda::test::gbk;
using zeruda::test::utf8;

// Rows as the window's list receives them from the engine's thread.
class RowList {
 public:
  void add(const CandidateRow& row) {
    std::lock_guard lock(mutex_);
    rows_.push_back(row);
    changed_.notify_all();
  }
  bool waitFor(std::size_t count) {
    std::unique_lock lock(mutex_);
    return changed_.wait_for(lock, 30s, [&] { return rows_.size() >= count; });
  }
  std::vector<CandidateRow> rows() const {
    std::lock_guard lock(mutex_);
    return rows_;
  }

 private:
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<CandidateRow> rows_;
};

std::shared_ptr<SettingsSnapshot> snapshotOf(EngineSettings s) {
  return std::make_shared<SettingsSnapshot>(std::move(s));
}

TEST(EngineThread, RunsUntilStoppedFromAnotherThread) {
  EngineSettings s = settings(2);
  s.fixed[0] = gbk("华");
  std::atomic<int> stop{kStop};  // left set by an earlier run: starting clears it
  RowList list;
  EngineThread engine(snapshotOf(s), stop, services(SeededDraw(7)),
                      [&](const CandidateRow& row) { list.add(row); });
  ASSERT_TRUE(list.waitFor(50));
  engine.requestStop();
  const EngineOutcome& outcome = engine.wait();
  const auto rows = list.rows();
  EXPECT_EQ(outcome.rows, static_cast<int>(rows.size()));
  EXPECT_GE(rows.size(), 50u);
  EXPECT_LE(rows.size(), 2001u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].cell(Column::Sequence), std::to_string(i + 1));
    EXPECT_EQ(utf8(rows[i].cell(Column::Body)).substr(0, 3), "华");
  }
  EXPECT_TRUE(engine.finished());
}

TEST(EngineThread, ASeededRunOnItsThreadRepeatsItsRows) {
  auto run = [](std::uint32_t seed) {
    std::atomic<int> stop{kRun};
    RowList list;
    EngineThread engine(snapshotOf(settings(4)), stop, services(SeededDraw(seed)),
                        [&](const CandidateRow& row) { list.add(row); });
    EXPECT_TRUE(list.waitFor(100));
    engine.requestStop();
    engine.wait();
    auto rows = list.rows();
    rows.resize(100);
    return rows;
  };
  EXPECT_EQ(run(31), run(31));
}

TEST(EngineThread, AnImpossibleRequestRunsWithoutRowsUntilStopped) {
  // 金 is of the element 金; with 木 and 水 both required the one free position
  // cannot bring both.
  EngineSettings s = settings(2);
  s.fixed[0] = gbk("金");
  require(s, ElementBox::Wood);
  require(s, ElementBox::Water);
  std::atomic<int> stop{kRun};
  RowList list;
  EngineThread engine(snapshotOf(s), stop, services(SeededDraw(3)),
                      [&](const CandidateRow& row) { list.add(row); });
  std::this_thread::sleep_for(50ms);
  EXPECT_FALSE(engine.finished());
  engine.requestStop();
  const EngineOutcome& outcome = engine.wait();
  EXPECT_EQ(outcome.rows, 0);
  EXPECT_GT(outcome.attempts, 0);
  EXPECT_FALSE(outcome.refusal);
}

TEST(EngineThread, ReachesTheCapAndSetsTheSharedFlag) {
  std::atomic<int> stop{kRun};
  RowList list;
  EngineThread engine(snapshotOf(settings(2)), stop, services(SeededDraw(12)),
                      [&](const CandidateRow& row) { list.add(row); });
  const EngineOutcome& outcome = engine.wait();
  EXPECT_EQ(outcome.rows, 2001);
  EXPECT_EQ(stop.load(), kStop);
}

TEST(EngineThread, ReportsARefusalWhenItFinishes) {
  EngineSettings s = settings(2);
  s.fixed[2] = gbk("华");
  s.fixed[3] = gbk("通");
  std::atomic<int> stop{kRun};
  std::optional<UserMessage> shown;
  EngineThread engine(
      snapshotOf(s), stop, services(SeededDraw(1)),
      [](const CandidateRow&) { ADD_FAILURE() << "no row expected"; },
      [&](const EngineOutcome& outcome) { shown = outcome.refusal; });
  engine.wait();
  ASSERT_TRUE(shown);
  EXPECT_EQ(utf8(shown->caption), "特别提示");
}

TEST(EngineThread, StopsWhenItsOwnerGoesAway) {
  std::atomic<int> stop{kRun};
  RowList list;
  {
    EngineSettings s = settings(2);
    s.autoPick = true;
    s.starLevelIndex = 4;
    EngineThread engine(snapshotOf(s), stop, services(SeededDraw(5)),
                        [&](const CandidateRow& row) { list.add(row); });
    ASSERT_TRUE(list.waitFor(1));
  }
  EXPECT_EQ(stop.load(), kStop);
  const std::size_t after = list.rows().size();
  std::this_thread::sleep_for(10ms);
  EXPECT_EQ(list.rows().size(), after);
}

}  // namespace
}  // namespace zeruda::generation
