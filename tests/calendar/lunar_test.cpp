#include "calendar/lunar.h"

#include "calendar/gregorian.h"

#include <gtest/gtest.h>

namespace zeruda::calendar {
namespace {

struct ToLunarCase {
  const char* name;
  Date date;
  LunarDate expected;
};

class SolarToLunar : public testing::TestWithParam<ToLunarCase> {};

TEST_P(SolarToLunar, GivesTheLunarDate) {
  auto lunar = solarToLunar(GetParam().date);
  ASSERT_TRUE(lunar.has_value());
  EXPECT_EQ(*lunar, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    KnownDates, SolarToLunar,
    testing::Values(ToLunarCase{"FirstDayOfTheTable", {1901, 2, 19}, {1901, 1, 1, false}},
                    ToLunarCase{"LastConvertibleDay", {2048, 12, 31}, {2048, 11, 27, false}},
                    ToLunarCase{"NewYear2014", {2014, 1, 31}, {2014, 1, 1, false}},
                    ToLunarCase{"EveOfNewYear2014", {2014, 1, 30}, {2013, 12, 30, false}},
                    ToLunarCase{"LeapNinthMonth2014", {2014, 10, 24}, {2014, 9, 1, true}},
                    ToLunarCase{"TenthMonthAfterTheLeap", {2014, 11, 22}, {2014, 10, 1, false}},
                    ToLunarCase{"Millennium", {2000, 1, 1}, {1999, 11, 25, false}},
                    ToLunarCase{"MidAutumn2014", {2014, 9, 8}, {2014, 8, 15, false}},
                    ToLunarCase{"LeapEleventhMonth2033", {2033, 12, 22}, {2033, 11, 1, true}},
                    // Spring Festival dates as published.
                    ToLunarCase{"NewYear1949", {1949, 1, 29}, {1949, 1, 1, false}},
                    ToLunarCase{"NewYear1976", {1976, 1, 31}, {1976, 1, 1, false}},
                    ToLunarCase{"NewYear1984", {1984, 2, 2}, {1984, 1, 1, false}},
                    ToLunarCase{"NewYear2000", {2000, 2, 5}, {2000, 1, 1, false}},
                    ToLunarCase{"NewYear2008", {2008, 2, 7}, {2008, 1, 1, false}},
                    ToLunarCase{"NewYear2020", {2020, 1, 25}, {2020, 1, 1, false}},
                    ToLunarCase{"NewYear2024", {2024, 2, 10}, {2024, 1, 1, false}},
                    ToLunarCase{"LeapFourthMonth2020", {2020, 5, 23}, {2020, 4, 1, true}},
                    ToLunarCase{"LeapSecondMonth2023", {2023, 3, 22}, {2023, 2, 1, true}},
                    ToLunarCase{"MidAutumn2023", {2023, 9, 29}, {2023, 8, 15, false}}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailCase {
  const char* name;
  Date date;
};

class SolarToLunarFails : public testing::TestWithParam<FailCase> {};

TEST_P(SolarToLunarFails, OutsideTheSpanOrForDatesThatDoNotExist) {
  EXPECT_FALSE(solarToLunar(GetParam().date).has_value());
}

INSTANTIATE_TEST_SUITE_P(Dates, SolarToLunarFails,
                         testing::Values(FailCase{"DayBeforeTheTable", {1901, 2, 18}},
                                         FailCase{"Year1900", {1900, 6, 1}},
                                         FailCase{"FirstDayAfterTheSpan", {2049, 1, 1}},
                                         FailCase{"MonthZero", {2014, 0, 10}},
                                         FailCase{"MonthThirteen", {2014, 13, 1}},
                                         FailCase{"ThirtiethOfFebruary", {2014, 2, 30}},
                                         FailCase{"LeapDayOfCommonYear", {2023, 2, 29}},
                                         FailCase{"DayZero", {2014, 5, 0}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LunarMonthTable, Year2014HasThirteenMonthsWithALeapNinth) {
  EXPECT_EQ(leapMonthOf(2014), 9);
  const int lengths[] = {29, 30, 29, 30, 29, 30, 29, 30, 30, 30, 29, 30};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_EQ(lunarMonthLength(2014, month), lengths[month - 1]) << "month " << month;
  }
  EXPECT_EQ(leapMonthLength(2014, 9), 29);
  EXPECT_EQ(leapMonthLength(2014, 8), 0);
  // From 2014-01-31 to the next new year on 2015-02-19.
  EXPECT_EQ(lunarYearLength(2014), 384);
}

TEST(LunarMonthTable, LeapMonthsOfTelltaleYears) {
  EXPECT_EQ(leapMonthOf(2033), 11);
  EXPECT_EQ(leapMonthOf(1984), 10);
  EXPECT_EQ(leapMonthOf(2049), 0);
  EXPECT_EQ(leapMonthOf(2013), 0);
}

TEST(LunarMonthTable, YearsOutsideTheTableHaveNoMonths) {
  EXPECT_EQ(lunarYearLength(1900), 0);
  EXPECT_EQ(lunarYearLength(2050), 0);
  EXPECT_EQ(lunarMonthLength(2050, 1), 0);
  EXPECT_EQ(lunarMonthLength(2014, 13), 0);
}

TEST(LunarToSolar, RoundTripsEveryDayOfTheSpan) {
  int days = 0;
  for (Date d = kFirstLunarDate; d <= kLastLunarDate; d = nextDay(d), ++days) {
    auto lunar = solarToLunar(d);
    ASSERT_TRUE(lunar.has_value()) << d.year << '-' << d.month << '-' << d.day;
    auto back = lunarToSolar(*lunar);
    ASSERT_TRUE(back.has_value()) << d.year << '-' << d.month << '-' << d.day;
    ASSERT_EQ(*back, d);
  }
  // 1901-02-19 to 2048-12-31 inclusive.
  EXPECT_EQ(days, dayNumber(kLastLunarDate) - dayNumber(kFirstLunarDate) + 1);
}

TEST(LunarToSolar, ConsecutiveLunarDaysAreConsecutiveGregorianDays) {
  // Walking a lunar year month by month (leap copy after its month) must tile the
  // Gregorian days without gaps: the last day of each month is followed by day 1.
  auto start = lunarToSolar({2014, 1, 1, false});
  ASSERT_TRUE(start.has_value());
  int expected = dayNumber(*start);
  for (int month = 1; month <= 12; ++month) {
    for (bool leap : {false, true}) {
      const int length = leap ? leapMonthLength(2014, month) : lunarMonthLength(2014, month);
      for (int day = 1; day <= length; ++day) {
        auto date = lunarToSolar({2014, month, day, leap});
        ASSERT_TRUE(date.has_value());
        ASSERT_EQ(dayNumber(*date), expected++);
      }
    }
  }
  EXPECT_EQ(lunarToSolar({2015, 1, 1, false}), (Date{2015, 2, 19}));
}

struct NoSuchLunarCase {
  const char* name;
  LunarDate lunar;
};

class LunarToSolarFails : public testing::TestWithParam<NoSuchLunarCase> {};

TEST_P(LunarToSolarFails, ForLunarDatesThatDoNotExistOrLeaveTheSpan) {
  EXPECT_FALSE(lunarToSolar(GetParam().lunar).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Dates, LunarToSolarFails,
    testing::Values(NoSuchLunarCase{"LeapMonthInAYearWithout", {2013, 5, 1, true}},
                    NoSuchLunarCase{"LeapCopyOfTheWrongMonth", {2014, 8, 1, true}},
                    NoSuchLunarCase{"ThirtiethOfA29DayLeapMonth", {2014, 9, 30, true}},
                    NoSuchLunarCase{"ThirtiethOfA29DayMonth", {2014, 1, 30, false}},
                    NoSuchLunarCase{"DayZero", {2014, 1, 0, false}},
                    NoSuchLunarCase{"MonthThirteen", {2014, 13, 1, false}},
                    NoSuchLunarCase{"YearBeforeTheTable", {1900, 1, 1, false}},
                    NoSuchLunarCase{"YearAfterTheTable", {2050, 1, 1, false}},
                    // Lunar 2048-11-28 is 2049-01-01, past the span that converts back.
                    NoSuchLunarCase{"PastTheLastConvertibleDay", {2048, 11, 28, false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LunarToSolar, ThirtiethOfA30DayMonthExists) {
  EXPECT_EQ(lunarToSolar({2014, 9, 30, false}), (Date{2014, 10, 23}));
}

}  // namespace
}  // namespace zeruda::calendar
