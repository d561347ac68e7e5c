#include "calendar/lunar_names.h"

#include "calendar/date_pattern.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::calendar {
namespace {

struct NameCase {
  int number;
  const char* name;
};

class LunarMonthName : public testing::TestWithParam<NameCase> {};
TEST_P(LunarMonthName, UsesTheCalendarWindowNames) {
  EXPECT_EQ(test::utf8(lunarMonthName(GetParam().number)), GetParam().name);
}
INSTANTIATE_TEST_SUITE_P(Months, LunarMonthName,
                         testing::Values(NameCase{1, "正"}, NameCase{2, "二"}, NameCase{9, "九"},
                                         NameCase{10, "十"}, NameCase{11, "十一"},
                                         NameCase{12, "腊"}, NameCase{0, ""}, NameCase{13, ""}),
                         [](const auto& info) {
                           return "Month" + std::to_string(info.param.number);
                         });

class LunarDayName : public testing::TestWithParam<NameCase> {};
TEST_P(LunarDayName, UsesTheCalendarWindowNames) {
  EXPECT_EQ(test::utf8(lunarDayName(GetParam().number)), GetParam().name);
}
INSTANTIATE_TEST_SUITE_P(
    Days, LunarDayName,
    testing::Values(NameCase{1, "初一"}, NameCase{9, "初九"}, NameCase{10, "初十"},
                    NameCase{11, "十一"}, NameCase{15, "十五"}, NameCase{19, "十九"},
                    NameCase{20, "二十"}, NameCase{21, "廿一"}, NameCase{29, "廿九"},
                    NameCase{30, "三十"}, NameCase{0, ""}, NameCase{31, ""}),
    [](const auto& info) { return "Day" + std::to_string(info.param.number); });

TEST(LunarYearNumerals, WritesTheYearDigitByDigit) {
  EXPECT_EQ(test::utf8(lunarYearNumerals(2014)), "二零一四");
  EXPECT_EQ(test::utf8(lunarYearNumerals(1901)), "一九零一");
  EXPECT_EQ(test::utf8(lunarYearNumerals(-1)), "");
}

struct PatternCase {
  const char* name;
  const char* pattern;  // UTF-8; empty for the default pattern
  Date date;
  const char* expected;
};

class FormatDatePattern : public testing::TestWithParam<PatternCase> {};

TEST_P(FormatDatePattern, ReplacesTheCodesAndCopiesTheRest) {
  EXPECT_EQ(test::utf8(formatDatePattern(test::gbk(GetParam().pattern), GetParam().date)),
            GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatDatePattern,
    testing::Values(
        // Lunar new year 2014 falls before 立春: the pillar year is still 癸巳.
        PatternCase{"EmptyMeansDefault", "", {2014, 1, 31}, "癸巳年(蛇)正月初一 2014-1-31"},
        PatternCase{"BirthDateBox",
                    "%y年%m月%d日 %Y(%S)%M%D",
                    {2014, 2, 5},
                    "2014年2月5日 甲午(马)正月初六"},
        // On the day of 立春 the box already shows the new year, whatever the hour.
        PatternCase{"LiChunDayIsTheNewYear", "%Y(%S)", {2014, 2, 4}, "甲午(马)"},
        PatternCase{"DayBeforeLiChun", "%Y(%S)", {2014, 2, 3}, "癸巳(蛇)"},
        PatternCase{"LeapMonth", "%M%D", {2014, 10, 24}, "闰九月初一"},
        PatternCase{"TenthMonth", "%M%D", {2014, 11, 22}, "十月初一"},
        PatternCase{"EleventhIsWinterMonth", "%M", {2014, 12, 22}, "冬月"},
        PatternCase{"TwelfthIsLaYue", "%M%D", {2014, 1, 30}, "腊月三十"},
        PatternCase{"TwentiethDay", "%D", {2014, 2, 19}, "二十"},
        PatternCase{"TwentyFirstDay", "%D", {2014, 2, 20}, "廿一"},
        PatternCase{"TenthDay", "%D", {2014, 2, 9}, "初十"},
        PatternCase{"AlmanacBox", "%y年%m月%d日", {2014, 3, 5}, "2014年3月5日"},
        PatternCase{"UnknownCodeIsCopied", "%x%%y", {2014, 3, 5}, "%x%2014"},
        PatternCase{"TrailingPercentIsCopied", "%d%", {2014, 3, 5}, "5%"},
        PatternCase{
            "OutOfSpanKeepsGregorianCodes", "%y-%m-%d|%Y|%S|%M|%D", {1900, 5, 6}, "1900-5-6||||"}),
    [](const auto& info) { return std::string(info.param.name); });

struct LunarTextCase {
  const char* name;
  LunarDate lunar;
  LeapMarker marker;
  const char* text;
};

class LunarTextOf : public testing::TestWithParam<LunarTextCase> {};

TEST_P(LunarTextOf, WritesDecimalYearMonthDay) {
  EXPECT_EQ(test::utf8(lunarText(GetParam().lunar, GetParam().marker)), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, LunarTextOf,
    testing::Values(
        LunarTextCase{"ReportLeavesOutLeap", {2014, 9, 1, true}, LeapMarker::Omit, "2014年9月1日"},
        LunarTextCase{"NamingMarksLeap", {2014, 9, 1, true}, LeapMarker::Show, "2014年闰9月1日"},
        LunarTextCase{"NoMarkWithoutLeap", {2014, 10, 1, false}, LeapMarker::Show, "2014年10月1日"},
        LunarTextCase{"NoLeadingZeros", {1901, 1, 1, false}, LeapMarker::Omit, "1901年1月1日"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeruda::calendar
