#include "calendar/solar_terms.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::calendar {
namespace {

struct EntryCase {
  const char* name;
  int year;
  int entry;  // table entry, 1 = 小寒 … 24 = 冬至
  DateTime expected;
};

class SolarTermTable : public testing::TestWithParam<EntryCase> {};

TEST_P(SolarTermTable, HoldsThePublishedMomentToTheSecond) {
  EXPECT_EQ(termEntryTime(GetParam().year, GetParam().entry), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, SolarTermTable,
    testing::Values(EntryCase{"XiaoHan1880", 1880, 1, {1880, 1, 6, 5, 41, 45}},
                    EntryCase{"LiChun1880", 1880, 3, {1880, 2, 4, 17, 30, 39}},
                    EntryCase{"DongZhi1880", 1880, 24, {1880, 12, 21, 18, 18, 24}},
                    EntryCase{"XiaoHan1901", 1901, 1, {1901, 1, 6, 7, 53, 30}},
                    EntryCase{"LiChun1901", 1901, 3, {1901, 2, 4, 19, 39, 59}},
                    EntryCase{"XiaoHan2014", 2014, 1, {2014, 1, 5, 18, 24, 5}},
                    EntryCase{"DaHan2014", 2014, 2, {2014, 1, 20, 11, 51, 9}},
                    EntryCase{"LiChun2014", 2014, 3, {2014, 2, 4, 6, 3, 10}},
                    EntryCase{"JingZhe2014", 2014, 5, {2014, 3, 6, 0, 2, 9}},
                    EntryCase{"BaiLu2014", 2014, 17, {2014, 9, 8, 1, 1, 18}},
                    EntryCase{"DongZhi2014", 2014, 24, {2014, 12, 22, 7, 2, 53}},
                    EntryCase{"LiChun2079", 2079, 3, {2079, 2, 4, 0, 42, 22}},
                    EntryCase{"DongZhi2079", 2079, 24, {2079, 12, 22, 1, 43, 12}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SolarTermTable, EveryYearRunsInCalendarOrderWithTwoTermsAMonth) {
  for (int year = kFirstTermYear; year <= kLastTermYear; ++year) {
    for (int entry = 1; entry <= kTermCount; ++entry) {
      const DateTime t = termEntryTime(year, entry);
      ASSERT_EQ(t.month, (entry + 1) / 2) << year << " entry " << entry;
      ASSERT_GE(t.day, 3) << year << " entry " << entry;
      ASSERT_LE(t.day, 24) << year << " entry " << entry;
      ASSERT_LE(t.hour, 23);
      ASSERT_LE(t.minute, 59);
      ASSERT_LE(t.second, 59);
      if (entry % 2 == 0) {
        ASSERT_GT(t.day, termEntryTime(year, entry - 1).day);
      }
    }
  }
}

struct NameCase {
  int number;
  const char* name;
};

class SolarTermName : public testing::TestWithParam<NameCase> {};

TEST_P(SolarTermName, UsesTheProgramNumbering) {
  EXPECT_EQ(test::utf8(solarTermName(GetParam().number)), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, SolarTermName,
    testing::Values(NameCase{1, "立春"}, NameCase{2, "雨水"}, NameCase{3, "惊蛰"},
                    NameCase{12, "大暑"}, NameCase{14, "处暑"}, NameCase{15, "白露"},
                    NameCase{16, "秋分"}, NameCase{21, "大雪"}, NameCase{22, "冬至"},
                    NameCase{23, "小寒"}, NameCase{24, "大寒"}, NameCase{0, ""}, NameCase{25, ""},
                    NameCase{-1, ""}),
    [](const auto& info) {
      return "Number" + std::to_string(info.param.number < 0 ? 100 : info.param.number);
    });

TEST(SolarTermTime, MapsProgramNumbersToTheSameYearsTerms) {
  EXPECT_EQ(solarTermTime(2014, 23), (DateTime{2014, 1, 5, 18, 24, 5}));
  EXPECT_EQ(solarTermTime(2014, 24), (DateTime{2014, 1, 20, 11, 51, 9}));
  EXPECT_EQ(solarTermTime(2014, 1), (DateTime{2014, 2, 4, 6, 3, 10}));
  EXPECT_EQ(solarTermTime(2014, 3), (DateTime{2014, 3, 6, 0, 2, 9}));
  EXPECT_EQ(solarTermTime(2014, 15), (DateTime{2014, 9, 8, 1, 1, 18}));
  EXPECT_EQ(solarTermTime(2014, 22), (DateTime{2014, 12, 22, 7, 2, 53}));
}

struct FixedCase {
  const char* name;
  int year;
  int number;
};

class NoTermMoment : public testing::TestWithParam<FixedCase> {};

// Both ways of asking for a term give the same answer when there is none.
TEST_P(NoTermMoment, IsTheFixedMomentOfYear100) {
  const DateTime fixed{100, 1, 1, 0, 0, 0};
  EXPECT_EQ(solarTermTime(GetParam().year, GetParam().number), fixed);
  EXPECT_EQ(termEntryTime(GetParam().year, GetParam().number), fixed);
}

INSTANTIATE_TEST_SUITE_P(Inputs, NoTermMoment,
                         testing::Values(FixedCase{"YearBeforeTable", 1879, 1},
                                         FixedCase{"YearAfterTable", 2080, 1},
                                         FixedCase{"NumberZero", 2014, 0},
                                         FixedCase{"Number25", 2014, 25}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TermOfDay, FindsTheTermBeginningOnTheDate) {
  EXPECT_EQ(termOfDay({2014, 2, 4}), 3);
  EXPECT_EQ(termOfDay({2014, 12, 22}), 24);
  EXPECT_EQ(termOfDay({2014, 1, 5}), 1);
  EXPECT_EQ(termOfDay({2014, 2, 5}), 0);
  EXPECT_EQ(termOfDay({1879, 1, 6}), 0);
  EXPECT_EQ(termOfDay({2080, 1, 5}), 0);
}

TEST(OpeningTermMonthOfDay, CountsTheTermsOwnDayAsInside) {
  // 2014: 小寒 1-5, 立春 2-4, 大雪 12-7.
  EXPECT_EQ(openingTermMonthOfDay({2014, 1, 4}), 0);
  EXPECT_EQ(openingTermMonthOfDay({2014, 1, 5}), 1);
  EXPECT_EQ(openingTermMonthOfDay({2014, 2, 3}), 1);
  EXPECT_EQ(openingTermMonthOfDay({2014, 2, 4}), 2);
  EXPECT_EQ(openingTermMonthOfDay({2014, 12, 6}), 11);
  EXPECT_EQ(openingTermMonthOfDay({2014, 12, 31}), 12);
}

TEST(OpeningTermSecond, IsTheTermsMomentCountedFromTheFirstOfItsMonth) {
  // 立春 2014 at 2-4 06:03:10; 小寒 2014 at 1-5 18:24:05.
  EXPECT_EQ(openingTermSecond(2014, 2), 3 * 86400 + 6 * 3600 + 3 * 60 + 10);
  EXPECT_EQ(openingTermSecond(2014, 1), 4 * 86400 + 18 * 3600 + 24 * 60 + 5);
}

}  // namespace
}  // namespace zeruda::calendar
