#include "calendar/gregorian.h"

#include <gtest/gtest.h>

namespace zeruda::calendar {
namespace {

struct DayNumberCase {
  const char* name;
  Date date;
  int expected;
};

class DayNumberOf : public testing::TestWithParam<DayNumberCase> {};

TEST_P(DayNumberOf, CountsDaysFromTheFirstOf1901) {
  EXPECT_EQ(dayNumber(GetParam().date), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DayNumberOf,
    testing::Values(DayNumberCase{"DayZero", {1901, 1, 1}, 0},
                    DayNumberCase{"LunarNewYear1901", {1901, 2, 19}, 49},
                    DayNumberCase{"EndOfCommonYear", {1901, 12, 31}, 364},
                    // 1904 is leap: 1 March is day 31 + 29 of the year.
                    DayNumberCase{"AfterFirstLeapDay", {1904, 3, 1}, 3 * 365 + 31 + 29},
                    // 1901-2000: 100 years with 25 leap days (1904 … 1996 and 2000).
                    DayNumberCase{"Millennium", {2001, 1, 1}, 100 * 365 + 25},
                    DayNumberCase{"DayBefore", {1900, 12, 31}, -1},
                    // 1900 is not leap, so 1 March 1900 is 306 days before 1901.
                    DayNumberCase{"CenturyNotLeap", {1900, 3, 1}, -306},
                    DayNumberCase{"MonthThirteenIsNextJanuary", {1901, 13, 1}, 365}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LeapYears, FollowTheGregorianRules) {
  EXPECT_TRUE(isLeapYear(2000));
  EXPECT_TRUE(isLeapYear(2024));
  EXPECT_FALSE(isLeapYear(1900));
  EXPECT_FALSE(isLeapYear(2023));
  EXPECT_EQ(daysInMonth(2024, 2), 29);
  EXPECT_EQ(daysInMonth(2100, 2), 28);
  EXPECT_EQ(daysInMonth(2023, 13), 0);
}

struct ValidityCase {
  const char* name;
  Date date;
  bool valid;
};

class DateValidity : public testing::TestWithParam<ValidityCase> {};

TEST_P(DateValidity, AcceptsOnlyExistingDates) {
  EXPECT_EQ(isValidDate(GetParam().date), GetParam().valid);
}

INSTANTIATE_TEST_SUITE_P(Dates, DateValidity,
                         testing::Values(ValidityCase{"LeapDay", {2024, 2, 29}, true},
                                         ValidityCase{"LeapDayOfCommonYear", {2023, 2, 29}, false},
                                         ValidityCase{"LeapDayOfCentury", {1900, 2, 29}, false},
                                         ValidityCase{"LeapDayOf2000", {2000, 2, 29}, true},
                                         ValidityCase{"ThirtyFirstOfApril", {2014, 4, 31}, false},
                                         ValidityCase{"DayZero", {2014, 4, 0}, false},
                                         ValidityCase{"MonthZero", {2014, 0, 1}, false},
                                         ValidityCase{"MonthThirteen", {2014, 13, 1}, false},
                                         ValidityCase{"YearZero", {0, 1, 1}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DateOfDayNumber, InvertsDayNumberAcrossFourCenturies) {
  for (Date d{1801, 1, 1}; d.year < 2201; d = nextDay(d)) {
    ASSERT_EQ(dateOfDayNumber(dayNumber(d)), d) << d.year << '-' << d.month << '-' << d.day;
  }
}

TEST(NextDay, CrossesMonthAndYearEnds) {
  EXPECT_EQ(nextDay({2023, 2, 28}), (Date{2023, 3, 1}));
  EXPECT_EQ(nextDay({2024, 2, 28}), (Date{2024, 2, 29}));
  EXPECT_EQ(nextDay({2024, 12, 31}), (Date{2025, 1, 1}));
}

TEST(TimeOfDay, RejectsHour24AndMinute60) {
  EXPECT_TRUE(isValidTimeOfDay({2014, 1, 1, 23, 59, 59}));
  EXPECT_FALSE(isValidTimeOfDay({2014, 1, 1, 24, 0, 0}));
  EXPECT_FALSE(isValidTimeOfDay({2014, 1, 1, 12, 60, 0}));
  EXPECT_FALSE(isValidTimeOfDay({2014, 1, 1, 12, 0, -1}));
}

}  // namespace
}  // namespace zeruda::calendar
