#include "chart/element_strength.h"

#include "support/text_support.h"

#include <gtest/gtest.h>
#include <cmath>

namespace zeruda::chart {

using namespace calendar;
namespace {

// Totals in Element order 金 木 水 火 土.
ElementTotals totals(float metal, float wood, float water, float fire, float earth) {
  return {metal, wood, water, fire, earth};
}

TEST(ElementStrength, ScoresAChartWithSingleHiddenStems) {
  // 2000-01-01 12:00, 己卯 丙子 戊午 戊午, month 子. Stems (子 row): 己 1.00 土,
  // 丙 1.00 火, 戊 1.00 土, 戊 1.00 土. Hidden stems (子 row): 卯乙 1.200 木,
  // 子癸 1.200 水, 午丁 1.000 火 twice.
  const ElementStrength s = elementStrength({2000, 1, 1, 12, 0, 0});
  EXPECT_NEAR(s.score(Element::Metal), 0.0, 1e-6);
  EXPECT_NEAR(s.score(Element::Wood), 1.2, 1e-6);
  EXPECT_NEAR(s.score(Element::Water), 1.2, 1e-6);
  EXPECT_NEAR(s.score(Element::Fire), 3.0, 1e-6);
  EXPECT_NEAR(s.score(Element::Earth), 3.0, 1e-6);
  // Day master 戊 (土): same kind 土 + 火 = 6, other kind 水 + 金 + 木 = 2.4.
  EXPECT_EQ(test::utf8(s.dayMaster), "土");
  EXPECT_EQ(test::utf8(s.sameKind.text()), "土火");
  EXPECT_EQ(test::utf8(s.otherKind.text()), "木水金");
  EXPECT_NEAR(s.sameScore, 6.0, 1e-6);
  EXPECT_NEAR(s.otherScore, 2.4, 1e-6);
  EXPECT_EQ(s.balanceText, "3.6");
  EXPECT_EQ(test::utf8(s.verdict), "八字过强");
  // Strong: low other-kind elements in the order 木 水 金; only 金 is below 0.5.
  EXPECT_EQ(test::utf8(s.favourable.text()), "金");
  EXPECT_EQ(test::utf8(s.sameDetail), "土 3，火 3， 共计 6 分");
  EXPECT_EQ(test::utf8(s.otherDetail), "木 1.2，水 1.2， 金 0， 共计 2.4 分");
}

TEST(ElementStrength, ScoresAChartWithSeveralHiddenStems) {
  // 2008-08-08 20:00, 戊子 庚申 庚辰 丙戌, month 申. Stems (申 row): 戊 1.00 土,
  // 庚 1.14 金 twice, 丙 1.00 火. Hidden stems (申 row): 子癸 1.200; 申壬 0.360,
  // 申庚 0.798; 辰乙 0.318, 辰癸 0.240, 辰戊 0.500; 戌辛 0.342, 戌丁 0.200, 戌戊 0.500.
  const ElementStrength s = elementStrength({2008, 8, 8, 20, 0, 0});
  EXPECT_NEAR(s.score(Element::Metal), 1.14 + 1.14 + 0.798 + 0.342, 1e-5);
  EXPECT_NEAR(s.score(Element::Wood), 0.318, 1e-6);
  EXPECT_NEAR(s.score(Element::Water), 1.2 + 0.36 + 0.24, 1e-5);
  EXPECT_NEAR(s.score(Element::Fire), 1.0 + 0.2, 1e-6);
  EXPECT_NEAR(s.score(Element::Earth), 1.0 + 0.5 + 0.5, 1e-6);
  EXPECT_EQ(test::utf8(s.dayMaster), "金");
  EXPECT_EQ(test::utf8(s.sameKind.text()), "金土");
  EXPECT_EQ(test::utf8(s.otherKind.text()), "火木水");
  EXPECT_EQ(s.balanceText, "2.102");
  EXPECT_EQ(test::utf8(s.verdict), "八字过强");
  EXPECT_EQ(test::utf8(s.favourable.text()), "木");
  EXPECT_EQ(test::utf8(s.sameDetail), "金 3.42，土 2， 共计 5.42 分");
  EXPECT_EQ(test::utf8(s.otherDetail), "火 1.2，木 0.318， 水 1.8， 共计 3.318 分");
}

TEST(ElementStrength, OutOfSpanScoresNothingAndJudgesNothing) {
  const ElementStrength s = elementStrength({1900, 1, 1, 12, 0, 0});
  for (float score : s.scores) EXPECT_EQ(score, 0.0f);
  EXPECT_EQ(s.dayMaster, "");
  EXPECT_TRUE(s.sameKind.empty());
  EXPECT_TRUE(s.otherKind.empty());
  EXPECT_EQ(s.sameDetail, "");
  EXPECT_EQ(s.otherDetail, "");
  EXPECT_EQ(s.verdict, "");
  EXPECT_TRUE(s.favourable.empty());
  EXPECT_EQ(s.balanceText, "0");
}

TEST(ElementStrength, GivesTheSameResultOnEveryCall) {
  const ElementStrength a = elementStrength({1985, 6, 15, 8, 30, 0});
  const ElementStrength b = elementStrength({1985, 6, 15, 8, 30, 0});
  EXPECT_EQ(a.scores, b.scores);
  EXPECT_EQ(a.favourable.text(), b.favourable.text());
  EXPECT_EQ(a.otherDetail, b.otherDetail);
}

struct VerdictCase {
  const char* name;
  ElementTotals totals;  // judged for a 庚 (金) day master: same 金+土, other 火+木+水
  const char* verdict;
};

class Verdict : public testing::TestWithParam<VerdictCase> {};

TEST_P(Verdict, ReadsTheBalanceWithItsBoundaries) {
  EXPECT_EQ(test::utf8(judgeTotals(GetParam().totals, Stem::Geng).verdict), GetParam().verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Balances, Verdict,
    testing::Values(
        VerdictCase{"MinusThreeIsTooWeak", totals(0.5f, 2, 1, 1, 0.5f), "八字过弱"},
        VerdictCase{"ExactlyMinusTwoIsTooWeak", totals(1, 1, 2, 1, 1), "八字过弱"},
        VerdictCase{"MinusOneIsWeak", totals(1, 1, 1, 1, 1), "八字偏弱"},
        VerdictCase{"ExactlyMinusHalfIsWeak", totals(1, 1, 0.5f, 1, 1), "八字偏弱"},
        VerdictCase{"MinusQuarterIsNearlyBalanced", totals(1, 1, 0.25f, 1, 1), "八字基本平衡"},
        VerdictCase{"ExactlyZeroIsBalanced", totals(1, 1, 1, 1, 2), "八字平衡"},
        VerdictCase{"ExactlyHalfIsNearlyBalanced", totals(1, 0.5f, 0.5f, 0.5f, 1), "八字基本平衡"},
        // The float just above 0.5 still counts as 0.5 within the tolerance.
        VerdictCase{"JustAboveHalfWithinTolerance", totals(std::nextafter(0.5f, 1.0f), 0, 0, 0, 0),
                    "八字基本平衡"},
        VerdictCase{"ThreeQuartersIsStrong", totals(1, 0.25f, 0.5f, 0.5f, 1), "八字偏强"},
        VerdictCase{"ExactlyTwoIsStrong", totals(1, 0, 0, 0, 1), "八字偏强"},
        VerdictCase{"ThreeIsTooStrong", totals(2, 0, 0, 0, 1), "八字过强"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FavourableCase {
  const char* name;
  Stem dayStem;
  ElementTotals totals;
  const char* favourable;
};

class Favourable : public testing::TestWithParam<FavourableCase> {};

TEST_P(Favourable, FollowsTheDayMastersOrders) {
  EXPECT_EQ(test::utf8(judgeTotals(GetParam().totals, GetParam().dayStem).favourable.text()),
            GetParam().favourable);
}

INSTANTIATE_TEST_SUITE_P(
    Charts, Favourable,
    testing::Values(
        // 金 strong: low 异类 elements in the order 火 木 水.
        FavourableCase{"MetalStrongFireAndWaterLow", Stem::Geng, totals(3, 1, 0.2f, 0.3f, 2),
                       "火水"},
        FavourableCase{"MetalStrongOnlyWoodLow", Stem::Xin, totals(3, 0.3f, 1, 1, 2), "木"},
        FavourableCase{"MetalStrongAllOtherLow", Stem::Geng, totals(3, 0.1f, 0.2f, 0.3f, 2),
                       "火木水"},
        // 金 strong, none low: the weakest, ties in the order 木 水 火.
        FavourableCase{"MetalStrongTieGoesToWaterBeforeFire", Stem::Geng,
                       totals(3, 0.7f, 0.6f, 0.6f, 2), "水"},
        FavourableCase{"MetalStrongThreeWayTieGoesToWood", Stem::Geng,
                       totals(3, 0.6f, 0.6f, 0.6f, 2), "木"},
        // A total of exactly 0.5 is not low.
        FavourableCase{"HalfIsNotLow", Stem::Geng, totals(3, 0.5f, 0.9f, 0.8f, 2), "木"},
        // 木 strong: low order 金 土 火; tie order 金 火 土.
        FavourableCase{"WoodStrongLowOrder", Stem::Jia, totals(0.1f, 3, 2, 0.2f, 0.3f), "金土火"},
        FavourableCase{"WoodStrongTieGoesToMetalThenFire", Stem::Yi, totals(0.8f, 3, 2, 0.6f, 0.6f),
                       "火"},
        // 水 strong: low order 土 木 火; tie order 木 火 土.
        FavourableCase{"WaterStrongLowOrder", Stem::Ren, totals(2, 0.1f, 3, 0.2f, 0.3f), "土木火"},
        FavourableCase{"WaterStrongTieGoesToFireBeforeEarth", Stem::Gui,
                       totals(2, 0.9f, 3, 0.6f, 0.6f), "火"},
        // 火 strong: low order 水 金 土; tie order 金 水 土.
        FavourableCase{"FireStrongLowOrder", Stem::Bing, totals(0.2f, 2, 0.1f, 3, 0.3f), "水金土"},
        FavourableCase{"FireStrongTieGoesToMetalBeforeWater", Stem::Ding,
                       totals(0.7f, 2, 0.7f, 3, 0.9f), "金"},
        // 土 strong: low order 木 水 金; tie order 金 木 水.
        FavourableCase{"EarthStrongLowOrder", Stem::Wu, totals(0.3f, 0.1f, 0.2f, 2, 3), "木水金"},
        FavourableCase{"EarthStrongTieGoesToMetalFirst", Stem::Ji, totals(0.6f, 0.6f, 0.6f, 2, 3),
                       "金"},
        // Weak: low 同类 elements in the day master's order.
        FavourableCase{"WaterWeakBothLow", Stem::Ren, totals(0.4f, 3, 0.2f, 2, 2), "水金"},
        FavourableCase{"FireWeakBothLow", Stem::Bing, totals(3, 0.4f, 2, 0.2f, 2), "火木"},
        FavourableCase{"EarthWeakOnlyFireLow", Stem::Wu, totals(3, 2, 2, 0.2f, 0.6f), "火"},
        // Weak, none low: the pair rule takes the lower of p and q, both when equal.
        FavourableCase{"WaterWeakEqualPairGivesMetalWater", Stem::Gui, totals(1, 2, 1, 1, 1),
                       "金水"},
        FavourableCase{"WoodWeakLowerOfPair", Stem::Jia, totals(2, 2, 1, 2, 2), "水"},
        FavourableCase{"FireWeakEqualPair", Stem::Ding, totals(2, 1, 2, 1, 2), "木火"},
        FavourableCase{"EarthWeakEqualPair", Stem::Ji, totals(2, 2, 2, 1, 1), "土火"},
        // Balanced: straight to the pair rule.
        FavourableCase{"MetalBalancedLowerOfPair", Stem::Geng, totals(1, 1, 1, 1, 2), "金"},
        FavourableCase{"MetalBalancedEqualPair", Stem::Geng, totals(1.5f, 1, 1, 1, 1.5f), "金土"}),
    [](const auto& info) { return std::string(info.param.name); });

struct DetailCase {
  const char* name;
  Stem dayStem;
  ElementTotals totals;
  const char* sameDetail;
  const char* otherDetail;
};

class DetailLines : public testing::TestWithParam<DetailCase> {};

TEST_P(DetailLines, ListTheKindsInTheirOwnOrder) {
  const ElementStrength s = judgeTotals(GetParam().totals, GetParam().dayStem);
  EXPECT_EQ(test::utf8(s.sameDetail), GetParam().sameDetail);
  EXPECT_EQ(test::utf8(s.otherDetail), GetParam().otherDetail);
}

// Totals 金 1.5, 木 0.25, 水 2, 火 1, 土 3 in every row.
INSTANTIATE_TEST_SUITE_P(
    Masters, DetailLines,
    testing::Values(DetailCase{"Metal", Stem::Geng, totals(1.5f, 0.25f, 2, 1, 3),
                               "金 1.5，土 3， 共计 4.5 分", "火 1，木 0.25， 水 2， 共计 3.25 分"},
                    DetailCase{"Wood", Stem::Jia, totals(1.5f, 0.25f, 2, 1, 3),
                               "木 0.25，水 2， 共计 2.25 分", "火 1，金 1.5， 土 3， 共计 5.5 分"},
                    DetailCase{"Water", Stem::Ren, totals(1.5f, 0.25f, 2, 1, 3),
                               "水 2，金 1.5， 共计 3.5 分", "木 0.25，火 1， 土 3， 共计 4.25 分"},
                    DetailCase{"Fire", Stem::Bing, totals(1.5f, 0.25f, 2, 1, 3),
                               "木 0.25，火 1， 共计 1.25 分", "水 2，金 1.5， 土 3， 共计 6.5 分"},
                    DetailCase{"Earth", Stem::Wu, totals(1.5f, 0.25f, 2, 1, 3),
                               "土 3，火 1， 共计 4 分", "木 0.25，水 2， 金 1.5， 共计 3.75 分"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JudgeTotals, KindTextsOfEveryDayMaster) {
  const struct {
    Stem stem;
    const char* master;
    const char* same;
    const char* other;
  } rows[] = {{Stem::Geng, "金", "金土", "火木水"},
              {Stem::Yi, "木", "木水", "金土火"},
              {Stem::Gui, "水", "水金", "土火木"},
              {Stem::Ding, "火", "火木", "水金土"},
              {Stem::Ji, "土", "土火", "木水金"}};
  for (const auto& row : rows) {
    const ElementStrength s = judgeTotals(totals(1, 1, 1, 1, 1), row.stem);
    EXPECT_EQ(test::utf8(s.dayMaster), row.master);
    EXPECT_EQ(test::utf8(s.sameKind.text()), row.same);
    EXPECT_EQ(test::utf8(s.otherKind.text()), row.other);
  }
}

TEST(JudgeTotals, SumsInTheScoringOrderInSinglePrecision) {
  // 水 master: the other kind is summed 木 + 火 + 土. With 木 = 1e8, 火 = 3, 土 = 3
  // each float step loses the 3 (float spacing at 1e8 is 8), so the sum stays 1e8;
  // summed 土 + 火 + 木 it would be 100000008.
  const ElementStrength s = judgeTotals(totals(0, 1e8f, 0, 3, 3), Stem::Ren);
  EXPECT_EQ(s.otherScore, 1e8f);
}

struct ScoreTextCase {
  const char* name;
  float score;
  const char* text;
};

class ScoreText : public testing::TestWithParam<ScoreTextCase> {};

TEST_P(ScoreText, WritesSixSignificantDigits) {
  EXPECT_EQ(scoreText(GetParam().score), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Scores, ScoreText,
                         testing::Values(ScoreTextCase{"TableValue", 1.14f, "1.14"},
                                         ScoreTextCase{"Zero", 0, "0"},
                                         ScoreTextCase{"Negative", -0.342f, "-0.342"},
                                         ScoreTextCase{"Whole", 6, "6"},
                                         ScoreTextCase{"RoundsToSixDigits", 3.1234567f, "3.12346"},
                                         ScoreTextCase{"Tiny", 1e-7f, "1e-07"}),
                         [](const auto& info) { return std::string(info.param.name); });

struct MissingCase {
  const char* name;
  const char* elements;
  const char* missing;
};

class MissingElements : public testing::TestWithParam<MissingCase> {};

TEST_P(MissingElements, ListsTheAbsentInWoodFireEarthMetalWaterOrder) {
  EXPECT_EQ(test::utf8(missingElementsOf(test::gbk(GetParam().elements)).text()), GetParam().missing);
}

INSTANTIATE_TEST_SUITE_P(
    Charts, MissingElements,
    testing::Values(MissingCase{"OnlyWoodAndFire", "木火 木火 火木 木木", "土金水"},
                    MissingCase{"AllFive", "土木 火水 土火 金火", ""},
                    MissingCase{"Empty", "", "木火土金水"},
                    MissingCase{"OutOfSpanChart", "   ", "木火土金水"},
                    MissingCase{"FullWidthSpaces", "金金　水水　金水　水金", "木火土"},
                    MissingCase{"OnlyEightCharactersCount", "木木木木木木木木土", "火土金水"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeruda::chart
