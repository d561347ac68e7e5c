#include "calendar/pillars.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::calendar {
namespace {

// An empty expected text means the row does not look at that pillar.
struct PillarCase {
  const char* name;
  DateTime moment;
  const char* year;
  const char* month;
  const char* day;
  const char* hour;
};

class FourPillarsOf : public testing::TestWithParam<PillarCase> {};

void expectPillar(Pair actual, const char* expected, const char* which) {
  if (*expected != '\0') {
    EXPECT_EQ(test::utf8(actual.text()), expected) << which;
  }
}

TEST_P(FourPillarsOf, GivesTheStemBranchPairs) {
  const FourPillars p = fourPillars(GetParam().moment);
  expectPillar(p.year, GetParam().year, "year");
  expectPillar(p.month, GetParam().month, "month");
  expectPillar(p.day, GetParam().day, "day");
  expectPillar(p.hour, GetParam().hour, "hour");
}

INSTANTIATE_TEST_SUITE_P(
    KnownMoments, FourPillarsOf,
    testing::Values(
        // Widely quoted charts of well-known moments.
        PillarCase{"Millennium", {2000, 1, 1, 12, 0, 0}, "己卯", "丙子", "戊午", "戊午"},
        PillarCase{"FoundingCeremony1949", {1949, 10, 1, 15, 0, 0}, "己丑", "癸酉", "甲子", "壬申"},
        PillarCase{"OlympicOpening2008", {2008, 8, 8, 20, 0, 0}, "戊子", "庚申", "庚辰", "丙戌"},
        // 立春 2014 begins at 06:03:10.
        PillarCase{"MinuteBeforeLiChun", {2014, 2, 4, 6, 3, 0}, "癸巳", "乙丑", "", ""},
        PillarCase{"MinuteAfterLiChun", {2014, 2, 4, 6, 4, 0}, "甲午", "丙寅", "", ""},
        PillarCase{"SecondBeforeLiChun", {2014, 2, 4, 6, 3, 9}, "癸巳", "乙丑", "", ""},
        PillarCase{"ExactlyAtLiChun", {2014, 2, 4, 6, 3, 10}, "甲午", "丙寅", "", ""},
        // 惊蛰 2014 begins at 00:02:09 and opens the 卯 month.
        PillarCase{"SecondBeforeJingZhe", {2014, 3, 6, 0, 2, 8}, "甲午", "丙寅", "", ""},
        PillarCase{"ExactlyAtJingZhe", {2014, 3, 6, 0, 2, 9}, "甲午", "丁卯", "", ""},
        // Before 小寒 (2014-01-05) the month is still the 子 month of the year before.
        PillarCase{"BeforeXiaoHan", {2014, 1, 3, 12, 0, 0}, "癸巳", "甲子", "", ""},
        PillarCase{"AfterXiaoHanBeforeLiChun", {2014, 1, 20, 12, 0, 0}, "癸巳", "乙丑", "", ""},
        // The day changes at 23:00; the 子 hour's stem follows the new day.
        PillarCase{"HalfPastMidnight", {2000, 1, 1, 0, 30, 0}, "己卯", "丙子", "戊午", "壬子"},
        PillarCase{"HalfPastEleven", {2000, 1, 1, 23, 30, 0}, "己卯", "丙子", "己未", "甲子"},
        PillarCase{"NextDayAtMidnight", {2000, 1, 2, 0, 0, 0}, "己卯", "丙子", "己未", "甲子"},
        PillarCase{"LastHourBranch", {2000, 1, 1, 22, 59, 59}, "己卯", "丙子", "戊午", "癸亥"},
        PillarCase{"FirstChouHour", {2000, 1, 1, 1, 0, 0}, "己卯", "丙子", "戊午", "癸丑"}),
    [](const auto& info) { return std::string(info.param.name); });

struct OutsideCase {
  const char* name;
  DateTime moment;
};

class PillarsOutside : public testing::TestWithParam<OutsideCase> {};

TEST_P(PillarsOutside, AreAllNone) {
  EXPECT_EQ(fourPillars(GetParam().moment), FourPillars{});
  EXPECT_EQ(zodiacAnimalOf(GetParam().moment), "");
}

INSTANTIATE_TEST_SUITE_P(Moments, PillarsOutside,
                         testing::Values(OutsideCase{"DayBeforeTheSpan", {1901, 2, 18, 12, 0, 0}},
                                         OutsideCase{"Year1900", {1900, 6, 1, 12, 0, 0}},
                                         OutsideCase{"Year2049", {2049, 1, 1, 0, 0, 0}},
                                         OutsideCase{"MonthThirteen", {2014, 13, 1, 12, 0, 0}},
                                         OutsideCase{"MonthZero", {2014, 0, 1, 12, 0, 0}},
                                         OutsideCase{"LeapDayOfCommonYear",
                                                     {2023, 2, 29, 12, 0, 0}},
                                         OutsideCase{"Hour24", {2014, 5, 1, 24, 0, 0}},
                                         OutsideCase{"NegativeHour", {2014, 5, 1, -1, 0, 0}},
                                         OutsideCase{"Minute60", {2014, 5, 1, 12, 60, 0}},
                                         OutsideCase{"Second60", {2014, 5, 1, 12, 0, 60}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PillarNumbers, CountFromJiaZiAsOne) {
  // 2000-01-01 12:00 is 己卯 丙子 戊午 戊午: pairs 16, 13, 55, 55.
  const FourPillars p = fourPillars({2000, 1, 1, 12, 0, 0});
  EXPECT_EQ(p.year.number(), 16);
  EXPECT_EQ(p.month.number(), 13);
  EXPECT_EQ(p.day.number(), 55);
  EXPECT_EQ(p.hour.number(), 55);
}

TEST(PillarSpan, RunsFromFirstToLastConvertibleDay) {
  EXPECT_TRUE(fourPillars({1901, 2, 19, 0, 0, 0}).year.valid());
  EXPECT_TRUE(fourPillars({2048, 12, 31, 23, 59, 59}).hour.valid());
  EXPECT_EQ(test::utf8(fourPillars({1901, 2, 19, 0, 0, 0}).year.text()), "辛丑");
}

struct AnimalCase {
  const char* name;
  DateTime moment;
  const char* animal;
};

class ZodiacAnimal : public testing::TestWithParam<AnimalCase> {};

TEST_P(ZodiacAnimal, ChangesAtLiChun) {
  EXPECT_EQ(test::utf8(zodiacAnimalOf(GetParam().moment)), GetParam().animal);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, ZodiacAnimal,
    testing::Values(AnimalCase{"SnakeBeforeLiChun", {2014, 2, 4, 6, 3, 0}, "蛇"},
                    AnimalCase{"HorseAfterLiChun", {2014, 2, 4, 6, 4, 0}, "马"},
                    // Lunar new year 2014 (31 January) does not change the animal.
                    AnimalCase{"SnakeAfterLunarNewYear", {2014, 1, 31, 12, 0, 0}, "蛇"},
                    AnimalCase{"RatIn2008", {2008, 8, 8, 20, 0, 0}, "鼠"},
                    AnimalCase{"DragonIn2000", {2000, 6, 1, 12, 0, 0}, "龙"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeruda::calendar
