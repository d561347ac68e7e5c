#include "generation/engine.h"

#include "engine_support.h"
#include "support/text_support.h"

#include <gtest/gtest.h>
#include <map>
#include <set>

namespace zeruda::generation {
namespace {

using namespace generation::test;
using zeruda::test::gbk;
using zeruda::test::utf8;

std::string bodyOf(const std::optional<CandidateRow>& row) {
  return row ? utf8(row->cell(Column::Body)) : "<rejected>";
}

// Runs the engine on this thread until it stops by itself or `limit` rows stand.
std::vector<CandidateRow> runUntil(EngineSettings s, EngineServices engineServices, int limit,
                                   EngineOutcome* outcome = nullptr) {
  SettingsSnapshot snapshot(std::move(s));
  run::StopFlag stop;
  std::vector<CandidateRow> rows;
  EngineOutcome result = runEngine(snapshot, stop, engineServices, [&](const CandidateRow& row) {
    rows.push_back(row);
    if (static_cast<int>(rows.size()) >= limit) stop.requestStop();
  });
  if (outcome) *outcome = result;
  return rows;
}

TEST(AttemptCandidate, DrawsEveryPositionBeforeTakingAnyCharacter) {
  auto script = std::make_shared<Script>();
  script->numbers = {drawFor("龙"), drawFor("汇")};
  EngineServices engine = services(scripted(script));
  EngineSettings s = settings(2);
  s.fixed[0] = gbk("华");
  // Position 1 is fixed, yet its draw is made and spent: the second draw fills position 2.
  EXPECT_EQ(bodyOf(attemptCandidate(s, 1, engine)), "华汇");
  EXPECT_EQ(script->ranges, (std::vector<std::pair<int, int>>{{1, 498}, {1, 498}}));
}

TEST(AttemptCandidate, AnEvenDrawTakesTheCharacterAfterIt) {
  auto script = std::make_shared<Script>();
  script->numbers = {2, 498};  // read as 3 and 499: characters 2 and 250
  EngineServices engine = services(scripted(script));
  EXPECT_EQ(bodyOf(attemptCandidate(settings(2), 1, engine)), "汇易");
}

TEST(AttemptCandidate, FirstCharacterFixedToHua) {
  EngineServices engine = services(run::SeededDraw(11));
  EngineSettings s = settings(2);
  s.fixed[0] = gbk("华");
  for (int i = 0; i < 300; ++i) {
    auto row = attemptCandidate(s, i + 1, engine);
    ASSERT_TRUE(row);
    const std::string body = utf8(row->cell(Column::Body));
    EXPECT_EQ(body.substr(0, 3), "华");
    // 华 has 6 strokes as written and 14 by the Kangxi count of 華.
    EXPECT_EQ(utf8(row->cell(Column::WrittenStrokes)).substr(0, 2), "6,") << body;
    EXPECT_EQ(utf8(row->cell(Column::KangxiStrokes)).substr(0, 3), "14,") << body;
  }
}

TEST(AttemptCandidate, SplitsTheBodyIntoHalvesForTheStrokeCells) {
  // 大 3, 天 4, 中 4, 金 8 strokes, written and Kangxi alike.
  struct Case {
    const char* name;
    int bodyLength;
    std::initializer_list<std::string_view> characters;
    const char* body;
    const char* strokes;
  };
  const Case cases[] = {
      {"two characters split one and one", 2, {"大", "天"}, "大天", "3,4"},
      {"three characters split one and two", 3, {"大", "天", "中"}, "大天中", "3,4-4"},
      {"four characters split two and two", 4, {"大", "天", "中", "金"}, "大天中金", "3-4,4-8"},
  };
  for (const auto& c : cases) {
    EngineServices engine = services(scriptedBodies(c.characters));
    auto row = attemptCandidate(settings(c.bodyLength), 1, engine);
    ASSERT_TRUE(row) << c.name;
    EXPECT_EQ(bodyOf(row), c.body) << c.name;
    EXPECT_EQ(row->cell(Column::WrittenStrokes), c.strokes) << c.name;
    EXPECT_EQ(row->cell(Column::KangxiStrokes), c.strokes) << c.name;
  }
}

TEST(AttemptCandidate, StrokeCellsCountPoolCharactersWithTheirRadicalsInFull) {
  // 建 8 as written, 9 with 廴 counted 3; 鼎 12 as written, 13 as its own radical.
  EngineServices engine = services(scriptedBodies({"建", "鼎"}));
  auto row = attemptCandidate(settings(2), 1, engine);
  ASSERT_TRUE(row);
  EXPECT_EQ(utf8(row->cell(Column::WrittenStrokes)), "8,12");
  EXPECT_EQ(utf8(row->cell(Column::KangxiStrokes)), "9,13");
}

TEST(AttemptCandidate, FillsTheSevenCells) {
  // 华通 on a base of 3: 3 + 1 (土金土) + 1 + 0 + 1 + 0 + 1 = 7 points, four stars.
  EngineServices engine = services(scriptedBodies({"华", "通"}), 3);
  auto row = attemptCandidate(settings(2), 17, engine);
  ASSERT_TRUE(row);
  EXPECT_EQ(utf8(row->cell(Column::Sequence)), "17");
  EXPECT_EQ(utf8(row->cell(Column::FullName)), "成都华通科技有限公司");
  EXPECT_EQ(utf8(row->cell(Column::Body)), "华通");
  EXPECT_EQ(utf8(row->cell(Column::WrittenStrokes)), "6,10");
  EXPECT_EQ(utf8(row->cell(Column::KangxiStrokes)), "14,14");
  EXPECT_EQ(utf8(row->cell(Column::Elements)), "水-火");
  EXPECT_EQ(utf8(row->cell(Column::Stars)), "☆☆☆☆");
}

TEST(AttemptCandidate, WithoutPrefixAndSuffixTheFullNameIsTheBody) {
  EngineServices engine = services(run::SeededDraw(3));
  EngineSettings s = settings(3);
  s.prefix.clear();
  s.suffix.clear();
  for (int i = 0; i < 50; ++i) {
    auto row = attemptCandidate(s, 1, engine);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->cell(Column::FullName), row->cell(Column::Body));
  }
}

TEST(AttemptCandidate, ABodyMissingARequiredElementIsRejected) {
  EngineSettings s = settings(2);
  require(s, calendar::Element::Metal);
  EngineServices wood = services(scriptedBodies({"木", "木"}));
  EXPECT_EQ(bodyOf(attemptCandidate(s, 1, wood)), "<rejected>");
  EngineServices metal = services(scriptedBodies({"金", "木"}));
  EXPECT_EQ(bodyOf(attemptCandidate(s, 1, metal)), "金木");
}

TEST(AttemptCandidate, EveryRowHoldsAllRequiredElements) {
  EngineSettings s = settings(3);
  require(s, calendar::Element::Metal);
  require(s, calendar::Element::Water);
  const auto rows = runUntil(s, services(run::SeededDraw(5)), 200);
  ASSERT_EQ(rows.size(), 200u);
  for (const auto& row : rows) {
    const std::string elements = utf8(row.cell(Column::Elements));
    EXPECT_NE(elements.find("金"), std::string::npos) << elements;
    EXPECT_NE(elements.find("水"), std::string::npos) << elements;
  }
}

TEST(AttemptCandidate, TheStarFilterKeepsOnlyRowsOfTheLevel) {
  // 华通 has four stars on a base of 3 and five on a base of 5.
  struct Case {
    const char* name;
    std::optional<int> minimumStars;
    double base;
    const char* outcome;
  };
  const Case cases[] = {
      {"no minimum keeps every star count", std::nullopt, 3, "华通"},
      {"four stars pass a minimum of four", 4, 3, "华通"},
      {"four stars fail a minimum of five", 5, 3, "<rejected>"},
      {"five stars pass a minimum of five", 5, 5, "华通"},
  };
  for (const auto& c : cases) {
    EngineSettings s = settings(2);
    s.minimumStars = c.minimumStars;
    EngineServices engine = services(scriptedBodies({"华", "通"}), c.base);
    EXPECT_EQ(bodyOf(attemptCandidate(s, 1, engine)), c.outcome) << c.name;
  }
}

TEST(AttemptCandidate, ATextInAFixedBoxTakesItsPositionWhole) {
  EngineSettings s = settings(2);
  s.fixed[1] = gbk("通达");
  EngineServices engine = services(scriptedBodies({"华", "龙"}));
  auto row = attemptCandidate(s, 1, engine);
  ASSERT_TRUE(row);
  EXPECT_EQ(bodyOf(row), "华通达");
  EXPECT_EQ(row->cell(Column::WrittenStrokes), "6,10-6");
}

TEST(RunEngine, OnlyRowsOfFiveStarsWithAutoPickAtFive) {
  EngineSettings s = settings(2);
  s.minimumStars = 5;
  EngineOutcome outcome;
  const auto rows = runUntil(s, services(run::SeededDraw(9), 3), 40, &outcome);
  ASSERT_EQ(rows.size(), 40u);
  for (const auto& row : rows) EXPECT_EQ(utf8(row.cell(Column::Stars)), "☆☆☆☆☆");
  EXPECT_GT(outcome.attempts, 40);
}

TEST(RunEngine, WithoutFiltersRowsOfSeveralStarCountsAppear) {
  const auto rows = runUntil(settings(2), services(run::SeededDraw(9), 3), 300);
  std::set<std::string> stars;
  for (const auto& row : rows) stars.insert(row.cell(Column::Stars));
  EXPECT_GE(stars.size(), 3u);
}

TEST(RunEngine, RejectedAttemptsSpendNoSequenceNumber) {
  EngineSettings s = settings(2);
  require(s, calendar::Element::Fire);
  require(s, calendar::Element::Earth);
  EngineOutcome outcome;
  const auto rows = runUntil(s, services(run::SeededDraw(21)), 100, &outcome);
  ASSERT_EQ(rows.size(), 100u);
  EXPECT_GT(outcome.attempts, 100);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    EXPECT_EQ(rows[i].cell(Column::Sequence), std::to_string(i + 1));
  }
}

TEST(RunEngine, RefusesWhenEveryPositionIsFixed) {
  struct Case {
    const char* name;
    int bodyLength;
    std::array<const char*, 4> fixed;
  };
  const Case cases[] = {
      {"two characters, boxes 3 and 4 filled", 2, {"", "", "华", "通"}},
      {"four characters, all four boxes filled", 4, {"华", "通", "达", "龙"}},
      {"three characters, boxes 1, 2 and 4 filled", 3, {"华", "通", "", "达"}},
  };
  for (const auto& c : cases) {
    EngineSettings s = settings(c.bodyLength);
    for (std::size_t i = 0; i < 4; ++i) s.fixed[i] = gbk(c.fixed[i]);
    EngineOutcome outcome;
    const auto rows = runUntil(s, services(run::SeededDraw(1)), 10, &outcome);
    EXPECT_TRUE(rows.empty()) << c.name;
    EXPECT_EQ(outcome.attempts, 0) << c.name;
    ASSERT_TRUE(outcome.refusal) << c.name;
    EXPECT_EQ(utf8(outcome.refusal->message),
              "名字中间字个数与限定字个数一样了，软件将不生成名字，请减少限定字后，重新开始");
    EXPECT_EQ(utf8(outcome.refusal->caption), "特别提示");
    EXPECT_EQ(outcome.refusal->icon, MessageIcon::Information);
  }
}

TEST(RunEngine, AFixedBoxBeyondTheBodyLengthHasNoEffect) {
  EngineSettings s = settings(3);
  s.fixed[3] = gbk("张");  // not in the pool
  EngineOutcome outcome;
  const auto rows = runUntil(s, services(run::SeededDraw(4)), 200, &outcome);
  EXPECT_FALSE(outcome.refusal);
  ASSERT_EQ(rows.size(), 200u);
  for (const auto& row : rows) {
    EXPECT_EQ(row.cell(Column::Body).size(), 6u);
    EXPECT_EQ(utf8(row.cell(Column::Body)).find("张"), std::string::npos);
  }
}

TEST(RunEngine, ABodyLengthOutsideTwoToFourGeneratesNothing) {
  for (int n : {0, 1, 5}) {
    EngineSettings s = settings(n);
    s.fixed[0] = gbk("华");  // keeps L away from N for 0 and 5
    s.fixed[1] = gbk("通");
    EngineOutcome outcome;
    EXPECT_TRUE(runUntil(s, services(run::SeededDraw(1)), 10, &outcome).empty()) << n;
    EXPECT_EQ(outcome.attempts, 0) << n;
  }
}

TEST(RunEngine, LeftRunningStopsAfterRow2001WhenEveryAttemptIsAccepted) {
  EngineOutcome outcome;
  const auto rows = runUntil(settings(2), services(run::SeededDraw(2)), 100000, &outcome);
  // The attempt that finds 2000 rows standing sets the flag and still adds its row.
  ASSERT_EQ(rows.size(), 2001u);
  EXPECT_EQ(rows.back().cell(Column::Sequence), "2001");
  EXPECT_EQ(outcome.attempts, 2001);
  EXPECT_TRUE(outcome.capped);
}

TEST(RunEngine, LeftRunningStopsAt2000WhenTheLastAttemptIsRejected) {
  EngineSettings s = settings(2);
  require(s, calendar::Element::Metal);
  auto script = std::make_shared<Script>();
  // 2000 bodies of 金金, then 木木 for the attempt at the cap.
  script->numbers.assign(4000, drawFor("金"));
  script->numbers.insert(script->numbers.end(), {drawFor("木"), drawFor("木")});
  EngineOutcome outcome;
  const auto rows = runUntil(s, services(scripted(script)), 100000, &outcome);
  EXPECT_EQ(rows.size(), 2000u);
  EXPECT_EQ(outcome.attempts, 2001);
}

TEST(RunEngine, TheSameBodyMayComeTwice) {
  const auto rows = runUntil(settings(2), services(scriptedBodies({"华", "通"})), 2);
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].cell(Column::Body), rows[1].cell(Column::Body));
  EXPECT_EQ(rows[0].cell(Column::Sequence), "1");
  EXPECT_EQ(rows[1].cell(Column::Sequence), "2");
}

TEST(RunEngine, TheSameSeedGivesTheSameRows) {
  const auto first = runUntil(settings(3), services(run::SeededDraw(7)), 500);
  const auto again = runUntil(settings(3), services(run::SeededDraw(7)), 500);
  const auto other = runUntil(settings(3), services(run::SeededDraw(8)), 500);
  EXPECT_EQ(first, again);
  EXPECT_NE(first, other);
}

TEST(RunEngine, GivesUpAfter200000AttemptsInARowWithoutARow) {
  // Three bodies of 金 then 木 bodies only, while 金 is required: the misses are
  // counted from the last row, not from the start.
  EngineSettings s = settings(2);
  require(s, calendar::Element::Metal);
  auto script = std::make_shared<Script>();
  script->numbers.assign(6, drawFor("金"));
  script->numbers.resize(6 + 2 * kFruitlessAttemptLimit + 10, drawFor("木"));
  EngineOutcome outcome;
  const auto rows = runUntil(s, services(scripted(script)), 100, &outcome);
  EXPECT_EQ(rows.size(), 3u);
  EXPECT_EQ(outcome.attempts, 3 + kFruitlessAttemptLimit);
  EXPECT_FALSE(outcome.capped);
  ASSERT_TRUE(outcome.gaveUp);
  EXPECT_EQ(utf8(outcome.gaveUp->message),
            "连续200000次都没有找到符合条件的名字，已停止。请放宽五行或星级条件。");
  EXPECT_EQ(utf8(outcome.gaveUp->caption), "特别提示");
}

}  // namespace
}  // namespace zeruda::generation
