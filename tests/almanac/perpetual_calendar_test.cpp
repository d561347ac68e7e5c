#include "almanac/perpetual_calendar.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::almanac {

using namespace calendar;
namespace {

TEST(TodayTexts, ShowTheDateLunarDateAndPillarsOfTheMoment) {
  // 立春 2014 began at 06:03:10, a Tuesday, lunar 正月初五.
  const TodayTexts t = todayTexts({2014, 2, 4, 6, 3, 10});
  EXPECT_EQ(test::utf8(t.yearMonth), "2014年2月");
  EXPECT_EQ(t.day, "4");
  EXPECT_EQ(t.dayColour, kWeekdayColour);
  EXPECT_EQ(test::utf8(t.lunar), "农历:二零一四年正月初五");
  EXPECT_EQ(test::utf8(t.pillars), "四柱:甲午 丙寅 丙午 辛卯");
  EXPECT_EQ(todayTexts({2014, 2, 8, 12, 0, 0}).dayColour, kWeekendColour);  // Saturday
  EXPECT_EQ(todayTexts({2014, 2, 9, 12, 0, 0}).dayColour, kWeekendColour);  // Sunday
}

TEST(PillarsLine, JoinsTheFourPillarsBySpacesAndIsEmptyOutOfRange) {
  EXPECT_EQ(test::utf8(pillarsLine({2000, 1, 1, 12, 0, 0})), "己卯 丙子 戊午 戊午");
  EXPECT_EQ(pillarsLine({2049, 1, 1, 12, 0, 0}), "");
}

TEST(LunarDateLine, WritesTheLunarDateInDecimal) {
  EXPECT_EQ(test::utf8(lunarDateLine({2014, 10, 24})), "农历日期:2014年9月1日");
  EXPECT_EQ(lunarDateLine({1901, 2, 18}), "");
}

TEST(SolarTermList, ListsTheYearsTermsFromLiChunWithShortTimes) {
  const auto lines = solarTermList(2015);
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(test::utf8(lines[4]), "清明:2015年4月5日10时39分");  // 10:39:00
  EXPECT_EQ(test::utf8(lines[23]).substr(0, 7), "大寒:");
  EXPECT_TRUE(solarTermList(2080).empty());
}

struct CellCase {
  const char* name;
  Date date;
  const char* shown;
};

class DayCellName : public testing::TestWithParam<CellCase> {};

TEST_P(DayCellName, ShowsMonthNameTermOrLunarDay) {
  EXPECT_EQ(test::utf8(dayCellName(GetParam().date)), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Days, DayCellName,
    testing::Values(CellCase{"NewYear", {2014, 1, 31}, "正月"},
                    CellCase{"LeapMonthStart", {2014, 10, 24}, "闰九月"},
                    CellCase{"TermDay", {2014, 2, 4}, "立春"},
                    CellCase{"PlainDay", {2014, 2, 5}, "初六"},
                    CellCase{"TwentiethDay", {2014, 4, 19}, "二十"},
                    // 冬至 2014 fell on the first of the eleventh month; the month wins.
                    CellCase{"MonthStartOnATermDay", {2014, 12, 22}, "冬月"},
                    CellCase{"OutsideTheCalendar", {2049, 1, 1}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeruda::almanac
