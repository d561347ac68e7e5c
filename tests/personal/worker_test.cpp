#include "personal/worker.h"

#include "dictionary/strokes.h"
#include "personal/name_picker.h"
#include "support/text_support.h"

#include <gtest/gtest.h>
#include <algorithm>

namespace zeruda::personal {
namespace {

using test::gbk;
using test::utf8;

using Found = Result<std::optional<std::string>>;

// Keeps the records in memory; fails from record `failAt` on when asked to.
struct MemoryRecorder final : NameRecorder {
  std::vector<NameRecord>* kept;
  int failAt = 0;
  Result<int> record(const NameRecord& name) override {
    if (failAt != 0 && static_cast<int>(kept->size()) + 1 >= failAt) return Error{"disk full"};
    kept->push_back(name);
    return static_cast<int>(kept->size());
  }
  Result<Done> flush() override { return Done{}; }
};

// Draws that pick the given boys' characters in turn: for each, its count, then its
// place in the group of that count.
run::DrawInteger picking(std::vector<const char*> characters) {
  std::vector<int> numbers;
  for (const char* utf8Character : characters) {
    const std::string c = gbk(utf8Character);
    const int strokes = dictionary::kangxiStrokes(c);
    const auto group = nameCharacters(Gender::Male).group(strokes);
    numbers.push_back(strokes);
    numbers.push_back(static_cast<int>(std::find(group.begin(), group.end(), c) - group.begin()));
  }
  return [numbers, next = std::size_t{0}](int, int) mutable {
    return numbers[next++ % numbers.size()];
  };
}

// The stroke road's settings: the scripted draws name stroke counts.
WorkerSettings wang(int givenLength) {
  WorkerSettings s;
  s.road = NamingRoad::Strokes;
  s.surname = gbk("王");
  s.surnameEntries = {{gbk("王"), 4}};
  s.givenLength = givenLength;
  s.baseScore = 3;
  return s;
}

struct RunResult {
  WorkerOutcome outcome;
  std::vector<NameRow> rows;
  std::vector<NameRecord> records;
  bool stopped = false;  // the stop flag as the run left it
};

// A run that stops after `names` names (0: never by itself).
RunResult run(const WorkerSettings& settings, run::DrawInteger draw, int names,
              numerology::ElementLookup lookup = {}, int failAt = 0) {
  RunResult result;
  auto recorder = std::make_unique<MemoryRecorder>();
  recorder->kept = &result.records;
  recorder->failAt = failAt;
  if (!lookup) lookup = [](std::string_view) { return Found(std::nullopt); };
  WorkerServices services{std::move(draw), std::move(lookup), std::move(recorder)};
  run::StopFlag stop;
  result.outcome = runNamingWorker(settings, stop, services, [&](const NameRow& row) {
    result.rows.push_back(row);
    if (static_cast<int>(result.rows.size()) == names) stop.requestStop();
  });
  result.stopped = stop.stopRequested();
  return result;
}

// 王明亮 (4, 8, 9): grids 5 12 17 21 10, talents 土木金 (no luck); the grids' luck
// 1 + 0 + 0.5 + 1 + 0. On a base of 3 that is 5.5, rounded 6: three stars; a sought
// element among the characters adds one: 7, four stars.
TEST(NamingWorker, ScoresTheNameFromItsGridsBaseAndSoughtElements) {
  const numerology::ElementLookup elements = [](std::string_view c) {
    return Found(gbk(c == gbk("亮") ? "火" : "土"));
  };
  const struct {
    const char* sought;
    long long score;
    int stars;
    const char* text;
  } cases[] = {{"", 6, 3, "王明亮[☆☆☆]"},
               {"金", 6, 3, "王明亮[☆☆☆]"},
               {"火", 7, 4, "王明亮[☆☆☆☆]"},
               {"火金土", 8, 5, "王明亮[☆☆☆☆☆]"}};
  for (const auto& c : cases) {
    WorkerSettings s = wang(2);
    s.soughtElements = calendar::ElementSet::inText(gbk(c.sought));
    const RunResult r = run(s, picking({"明", "亮"}), 2, elements);
    ASSERT_EQ(r.rows.size(), 2u);
    const NameRow& row = r.rows[0];
    EXPECT_EQ(utf8(row.given), "明亮");
    EXPECT_EQ(row.grids, (numerology::GridNumbers{5, 12, 17, 21, 10, 5, 2, 7}));
    EXPECT_EQ(row.score, c.score) << c.sought;
    EXPECT_EQ(row.stars, c.stars) << c.sought;
    EXPECT_EQ(utf8(row.text), c.text);
    EXPECT_EQ(r.rows[1].recordNumber, 2);
    ASSERT_EQ(r.records.size(), 2u);
    EXPECT_EQ(utf8(r.records[0].given), "明亮");
    EXPECT_EQ(r.records[0].grids, row.grids);
    EXPECT_EQ(r.records[0].stars, c.stars);
  }
}

// Were the fixed position drawn too, the scripted draws would fall out of step.
TEST(NamingWorker, TheFixedCharacterKeepsItsPlaceAndOnlyTheOthersAreDrawn) {
  WorkerSettings s = wang(3);
  s.fixedPosition = 2;
  s.fixedEntry = {gbk("华"), 14};
  const RunResult r = run(s, picking({"明", "亮"}), 1);
  ASSERT_EQ(r.rows.size(), 1u);
  EXPECT_EQ(utf8(r.rows[0].given), "明华亮");
  // 4; 8, 14, 9: 天格 5, 人格 12, 地格 31, 总格 35, 外格 35 - 12 + 1.
  EXPECT_EQ(r.rows[0].grids, (numerology::GridNumbers{5, 12, 31, 35, 24, 5, 2, 1}));
}

TEST(NamingWorker, RecommendsNamesOfTheWantedLevelOnce) {
  const struct {
    int wanted;
    std::vector<bool> recommended;
  } cases[] = {{3, {true, false, false}}, {4, {false, false, false}}};
  for (const auto& c : cases) {
    WorkerSettings s = wang(2);
    s.wantedLevel = c.wanted;
    const RunResult r = run(s, picking({"明", "亮"}), 3);  // the same three-star name thrice
    ASSERT_EQ(r.rows.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(r.rows[i].recommended, c.recommended[i]) << i;
  }
}

TEST(NamingWorker, EndsByItselfAtTheCapAndSaysSo) {
  const RunResult r = run(wang(2), run::SeededDraw(7), 0);
  EXPECT_EQ(r.outcome.names, kNameCap);
  EXPECT_EQ(r.rows.size(), static_cast<std::size_t>(kNameCap));
  EXPECT_EQ(r.records.size(), static_cast<std::size_t>(kNameCap));
  EXPECT_TRUE(r.outcome.capped);
  EXPECT_TRUE(r.stopped);
}

TEST(NamingWorker, AScratchTableThatFailsEndsTheRunWithAMessage) {
  const RunResult r = run(wang(2), picking({"明", "亮"}), 0, {}, 3);
  EXPECT_EQ(r.rows.size(), 2u);
  ASSERT_TRUE(r.outcome.failure);
  EXPECT_EQ(utf8(r.outcome.failure->message), "姓名记录保存失败：disk full");
  EXPECT_FALSE(r.outcome.capped);
}

}  // namespace
}  // namespace zeruda::personal
