#include "calendar/birth_chart.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::calendar {
namespace {

struct SignCase {
  const char* name;
  Date date;
  const char* sign;
};

class StarSign : public testing::TestWithParam<SignCase> {};

TEST_P(StarSign, FollowsTheSignDates) {
  EXPECT_EQ(test::utf8(starSignOf(GetParam().date)), GetParam().sign);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, StarSign,
    testing::Values(SignCase{"NewYearsDay", {2014, 1, 1}, "摩羯座"},
                    SignCase{"NewYearsEve", {2014, 12, 31}, "摩羯座"},
                    SignCase{"NineteenthOfJanuary", {2014, 1, 19}, "摩羯座"},
                    SignCase{"TwentiethOfJanuary", {2014, 1, 20}, "水瓶座"},
                    SignCase{"EighteenthOfFebruary", {2014, 2, 18}, "水瓶座"},
                    SignCase{"NineteenthOfFebruary", {2014, 2, 19}, "双鱼座"},
                    SignCase{"TwentyFirstOfMarch", {2014, 3, 21}, "白羊座"},
                    SignCase{"TwentySecondOfJune", {2014, 6, 22}, "巨蟹座"},
                    SignCase{"TwentyThirdOfOctober", {2014, 10, 23}, "天秤座"},
                    SignCase{"TwentyFourthOfOctober", {2014, 10, 24}, "天蝎座"},
                    SignCase{"TwentyFirstOfDecember", {2014, 12, 21}, "射手座"},
                    SignCase{"TwentySecondOfDecember", {2014, 12, 22}, "摩羯座"},
                    SignCase{"OutsideTheLunarSpan", {1880, 8, 1}, "狮子座"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ElementCase {
  const char* name;
  const char* character;
  const char* element;
};

class StemBranchElement : public testing::TestWithParam<ElementCase> {};

TEST_P(StemBranchElement, GivesTheElementOfTheCharacter) {
  EXPECT_EQ(test::utf8(stemBranchElement(test::gbk(GetParam().character))), GetParam().element);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, StemBranchElement,
    testing::Values(ElementCase{"Jia", "甲", "木"}, ElementCase{"Mao", "卯", "木"},
                    ElementCase{"Ding", "丁", "火"}, ElementCase{"Si", "巳", "火"},
                    ElementCase{"Ji", "己", "土"}, ElementCase{"Chou", "丑", "土"},
                    ElementCase{"Xu", "戌", "土"}, ElementCase{"Geng", "庚", "金"},
                    ElementCase{"You", "酉", "金"}, ElementCase{"Ren", "壬", "水"},
                    ElementCase{"Hai", "亥", "水"}, ElementCase{"Zi", "子", "水"},
                    ElementCase{"NotAStem", "金", ""}, ElementCase{"Empty", "", ""},
                    ElementCase{"TwoCharacters", "甲子", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FillChart, WritesPillarsElementsAnimalAndSign) {
  BirthChart chart;
  chart.birthMoment = {2000, 1, 1, 12, 0, 0};
  fillChart(chart);
  EXPECT_EQ(test::utf8(chart.yearPillar), "己卯");
  EXPECT_EQ(test::utf8(chart.monthPillar), "丙子");
  EXPECT_EQ(test::utf8(chart.dayPillar), "戊午");
  EXPECT_EQ(test::utf8(chart.hourPillar), "戊午");
  EXPECT_EQ(test::utf8(chart.pillarElements), "土木 火水 土火 土火");
  EXPECT_EQ(test::utf8(chart.zodiacAnimal), "兔");
  EXPECT_EQ(test::utf8(chart.starSign), "摩羯座");
}

TEST(FillChart, ElementsOfEveryPillarInOrder) {
  // 1949-10-01 15:00 is 己丑 癸酉 甲子 壬申.
  BirthChart chart;
  chart.birthMoment = {1949, 10, 1, 15, 0, 0};
  fillChart(chart);
  EXPECT_EQ(test::utf8(chart.pillarElements), "土土 水金 木水 水金");
}

TEST(FillChart, OutOfSpanLeavesEmptyPillarsAndThreeSpaces) {
  BirthChart chart;
  chart.birthMoment = {1900, 8, 1, 12, 0, 0};
  fillChart(chart);
  EXPECT_EQ(chart.yearPillar, "");
  EXPECT_EQ(chart.hourPillar, "");
  EXPECT_EQ(chart.pillarElements, "   ");
  EXPECT_EQ(chart.zodiacAnimal, "");
  EXPECT_EQ(test::utf8(chart.starSign), "狮子座");
  for (const auto& nayin : chartNayin(chart)) EXPECT_EQ(nayin, "");
}

TEST(ChartNayin, NamesYearMonthDayAndHourInOrder) {
  BirthChart chart;
  chart.birthMoment = {2000, 1, 1, 12, 0, 0};
  fillChart(chart);
  const auto nayin = chartNayin(chart);
  EXPECT_EQ(test::utf8(nayin[0]), "城墙土");
  EXPECT_EQ(test::utf8(nayin[1]), "涧下水");
  EXPECT_EQ(test::utf8(nayin[2]), "天上火");
  EXPECT_EQ(test::utf8(nayin[3]), "天上火");
}

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
