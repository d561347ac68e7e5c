#include "generation/engine.h"

#include "engine_support.h"
#include "support/text_support.h"

#include <gtest/gtest.h>
#include <chrono>
#include <condition_variable>
#include <future>
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

std::unique_ptr<EngineRun> start(EngineSettings s, std::uint32_t seed, RowList& list,
                                 EngineRun::FinishHandler finished = {}) {
  return startEngine(
      snapshotOf(std::move(s)), services(run::SeededDraw(seed)),
      [&list](const CandidateRow& row) { list.add(row); }, std::move(finished));
}

TEST(EngineThread, RunsUntilStoppedFromAnotherThread) {
  EngineSettings s = settings(2);
  s.fixed[0] = gbk("华");
  RowList list;
  auto engine = start(s, 7, list);
  ASSERT_TRUE(list.waitFor(50));
  engine->requestStop();
  const EngineOutcome& outcome = engine->wait();
  const auto rows = list.rows();
  EXPECT_EQ(outcome.rows, static_cast<int>(rows.size()));
  EXPECT_GE(rows.size(), 50u);
  EXPECT_LE(rows.size(), 2001u);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].cell(Column::Sequence), std::to_string(i + 1));
    EXPECT_EQ(utf8(rows[i].cell(Column::Body)).substr(0, 3), "华");
  }
  EXPECT_TRUE(engine->finished());
}

TEST(EngineThread, ASeededRunOnItsThreadRepeatsItsRows) {
  auto run = [](std::uint32_t seed) {
    RowList list;
    auto engine = start(settings(4), seed, list);
    EXPECT_TRUE(list.waitFor(100));
    engine->requestStop();
    engine->wait();
    auto rows = list.rows();
    rows.resize(100);
    return rows;
  };
  EXPECT_EQ(run(31), run(31));
}

TEST(EngineThread, AnImpossibleRequestGivesUpWithoutRows) {
  // 金 is of the element 金; with 木 and 水 both required the one free position
  // cannot bring both.
  EngineSettings s = settings(2);
  s.fixed[0] = gbk("金");
  require(s, calendar::Element::Wood);
  require(s, calendar::Element::Water);
  RowList list;
  auto engine = start(s, 3, list);
  const EngineOutcome& outcome = engine->wait();
  EXPECT_EQ(outcome.rows, 0);
  EXPECT_EQ(outcome.attempts, kFruitlessAttemptLimit);
  EXPECT_TRUE(outcome.gaveUp);
  EXPECT_FALSE(outcome.refusal);
}

TEST(EngineThread, ReachesTheCapAndSetsItsOwnFlag) {
  RowList list;
  auto engine = start(settings(2), 12, list);
  const EngineOutcome& outcome = engine->wait();
  EXPECT_EQ(outcome.rows, 2001);
  EXPECT_TRUE(outcome.capped);
  EXPECT_TRUE(engine->stopRequested());
}

TEST(EngineThread, ReportsARefusalWhenItFinishes) {
  EngineSettings s = settings(2);
  s.fixed[2] = gbk("华");
  s.fixed[3] = gbk("通");
  RowList list;
  std::optional<Error> shown;
  auto engine = start(s, 1, list, [&](const EngineOutcome& outcome) { shown = outcome.refusal; });
  engine->wait();
  ASSERT_TRUE(shown);
  EXPECT_EQ(utf8(shown->caption), "特别提示");
  EXPECT_TRUE(list.rows().empty());
}

TEST(EngineThread, TwoRunsStopApart) {
  RowList firstRows;
  auto first = start(settings(2), 5, firstRows);
  // The second run holds its first row until the first run has ended, so it can
  // neither finish nor reach its cap meanwhile.
  std::promise<void> arrived, release;
  std::shared_future<void> released = release.get_future().share();
  auto second = startEngine(snapshotOf(settings(3)), services(run::SeededDraw(6)),
                            [&, once = std::make_shared<std::once_flag>()](const CandidateRow&) {
                              std::call_once(*once, [&] {
                                arrived.set_value();
                                released.wait();
                              });
                            });
  arrived.get_future().wait();
  ASSERT_TRUE(firstRows.waitFor(1));
  first->requestStop();
  first->wait();
  EXPECT_FALSE(second->stopRequested());
  EXPECT_FALSE(second->finished());
  release.set_value();
  second->requestStop();
  EXPECT_GE(second->wait().rows, 1);
}

}  // namespace
}  // namespace zeruda::generation
