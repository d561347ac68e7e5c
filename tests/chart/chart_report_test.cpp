#include "chart/chart_report.h"

#include "calendar/lunar_names.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zeruda::chart {

using namespace calendar;
namespace {

// The lines of a report: every line must end in CR LF.
std::vector<std::string> linesOf(const std::string& utf8Report) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = utf8Report.find("\r\n", start)) != std::string::npos;
       start = end + 2) {
    lines.push_back(utf8Report.substr(start, end - start));
  }
  EXPECT_EQ(start, utf8Report.size()) << "text after the last line end";
  return lines;
}

const char* const kExplanationLines[] = {
    "  ",
    "  --------------------五行用神基本解释---------------------",
    "  五行：金木水火土",
    "  五行四方：东方属木，南方属火，西方属金，北方属水，中央属土。",
    "  五行相生: 金生水, 水生木, 木生火, 火生土, 土生金.",
    "  五行相克: 金克木, 木克土, 土克水, 水克火, 火克金.",
    "",
    "      所谓用神, 就是八字中对于日干来说, 具有补弊救偏或促进助成作用的一种五  行. "
    "四柱命局以用神为核心, 用神健全有力与否, 影响人一生的命; 一生补救与否  , "
    "影响人一生的运.凡用神之力不足, 四柱中有生助用神者, 或四柱刑冲克害用神  "
    "而能化凶神,制凶神者, 就是喜神. 四柱没有用神, 就得靠行运流年来补. 对于命  "
    "局五行较为平衡, 用神不太紧缺的四柱, 其一生较为平顺, 无大起大落。",
    "",
};

TEST(ElementExplanation, Is621BytesOfGbk) {
  EXPECT_EQ(elementExplanation().size(), 621u);
  const auto lines = linesOf(test::utf8(elementExplanation()));
  ASSERT_EQ(lines.size(), std::size(kExplanationLines));
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], kExplanationLines[i]);
}

TEST(BirthChartReport, LaysOutAKnownBirth) {
  // 2000-01-01 12:00 is 己卯 丙子 戊午 戊午, lunar 1999-11-25. The strength figures are
  // worked by hand from the season tables (子 month): 木 1.2, 水 1.2, 火 3, 土 3, 金 0.
  const auto lines =
      linesOf(test::utf8(birthChartReport({2000, 1, 1, 12, 0, 0}, LunarDate{1999, 11, 25})));
  const std::vector<std::string> expected = {
      "",  // the box's reset line end
      "",
      "  公历：2000年1月1日12时",
      "  农历：1999年11月25日  　　时辰：午(wu)",
      "  属相：兔",
      "  星座：摩羯座",
      "  四柱：己卯年，丙子月，戊午日，戊午时",
      "  生辰：己卯 丙子 戊午 戊午",
      "  八字：土木 火水 土火 土火",
      "  纳音：城墙土 涧下水 天上火 天上火",
      "  五行缺：金",
      "  ",
      "  喜用神分析：",
      "   日主天干为土  同类为：土火 ；异类为：木水金。",
      "  〖同类得分〗：土 3，火 3， 共计 6 分；〖异类得分〗：木 1.2，水 1.2， 金 0， 共计 2.4 "
      "分；〖综合旺衰得分〗：3.6分，「八字过强 」；〖八字喜用神〗：八字过强，八字喜「金」，「金」"
      "就是此命的「喜神」",
  };
  ASSERT_EQ(lines.size(), expected.size() + std::size(kExplanationLines) + 1);
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << i;
  for (std::size_t i = 0; i < std::size(kExplanationLines); ++i) {
    EXPECT_EQ(lines[expected.size() + i], kExplanationLines[i]);
  }
  EXPECT_EQ(lines.back(), "");
}

TEST(BirthChartReport, LeavesOutTheLeapMarker) {
  const auto lines =
      linesOf(test::utf8(birthChartReport({2014, 10, 24, 8, 0, 0}, LunarDate{2014, 9, 1, true})));
  EXPECT_EQ(lines[3].rfind("  农历：2014年9月1日  ", 0), 0u) << lines[3];
}

TEST(BirthChartReport, HalfPastElevenIsTheZiHourOfTheNextDay) {
  // 2000-01-01 23:30: the day is already 己未 and the hour 甲子.
  const auto lines =
      linesOf(test::utf8(birthChartReport({2000, 1, 1, 23, 30, 0}, LunarDate{1999, 11, 25})));
  EXPECT_EQ(lines[3], "  农历：1999年11月25日  　　时辰：子(zi)");
  EXPECT_EQ(lines[7], "  生辰：己卯 丙子 己未 甲子");
}

TEST(BirthChartReport, SaysNothingIsMissingWhenAllFiveArePresent) {
  // 2000-01-01 16:00 is 己卯 丙子 戊午 庚申: 土木 火水 土火 金金.
  const auto lines =
      linesOf(test::utf8(birthChartReport({2000, 1, 1, 16, 0, 0}, LunarDate{1999, 11, 25})));
  EXPECT_EQ(lines[10], "  五行缺：五行什么都不缺");
}

TEST(BirthChartReport, OutOfSpanHasEmptyPillarsAndEveryElementMissing) {
  const auto lines = linesOf(test::utf8(birthChartReport({1900, 6, 1, 8, 0, 0}, std::nullopt)));
  EXPECT_EQ(lines[3], "  农历：  　　时辰：()");
  EXPECT_EQ(lines[4], "  属相：");
  EXPECT_EQ(lines[5], "  星座：双子座");
  EXPECT_EQ(lines[6], "  四柱：年，月，日，时");
  EXPECT_EQ(lines[8], "  八字：   ");
  EXPECT_EQ(lines[9], "  纳音：   ");
  EXPECT_EQ(lines[10], "  五行缺：木火土金水");
  EXPECT_EQ(lines[13], "   日主天干为  同类为： ；异类为：。");
}

struct WarningCase {
  const char* name;
  DateTime birth;
  std::vector<std::string> lines;  // what stands between "  生辰：" and "  八字："
};

class BirthTimeWarnings : public testing::TestWithParam<WarningCase> {};

// Moments and pillars as published: 立春 2014 at 06:03:10 (癸巳 乙丑 before, 甲午 丙寅
// after), 惊蛰 2014 at 00:02:09; day pillars counted from 2000-01-01, a 戊午 day.
TEST_P(BirthTimeWarnings, StandRightUnderThePillars) {
  const auto lines = linesOf(test::utf8(birthChartReport(GetParam().birth, std::nullopt)));
  const auto eight = std::find_if(lines.begin(), lines.end(),
                                  [](const std::string& l) { return l.starts_with("  八字："); });
  ASSERT_NE(eight, lines.end());
  ASSERT_TRUE(lines[7].starts_with("  生辰：")) << lines[7];
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 8, eight), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Report, BirthTimeWarnings,
    testing::Values(
        WarningCase{
            "AFewMinutesBeforeLiChun",
            {2014, 2, 4, 6, 0, 0},
            {"  提示：出生时刻距立春（2014年2月4日6时3分10秒）不足两小时；此刻之前为 癸巳年 "
             "乙丑月，之后为 甲午年 丙寅月。"}},
        WarningCase{
            "JustUnderTwoHoursBefore",
            {2014, 2, 4, 4, 3, 11},
            {"  提示：出生时刻距立春（2014年2月4日6时3分10秒）不足两小时；此刻之前为 癸巳年 "
             "乙丑月，之后为 甲午年 丙寅月。"}},
        WarningCase{"TwoHoursBefore", {2014, 2, 4, 4, 3, 10}, {}},
        WarningCase{"NoonOfLiChun", {2014, 2, 4, 12, 0, 0}, {}},
        // Late on the evening before 惊蛰: the month only, then the two ways of the day.
        WarningCase{
            "LateBeforeJingZhe",
            {2014, 3, 5, 23, 30, 0},
            {"  提示：出生时刻距惊蛰（2014年3月6日0时2分9秒）不足两小时；此刻之前为 丙寅月，之后为 "
             "丁卯月。",
             "  提示：23时后出生按23时换日（日柱 丙子，时柱 戊子）；若按子夜换日，日柱 "
             "乙亥，时柱 戊子。"}},
        WarningCase{"FiveBeforeNine",
                    {1990, 7, 20, 8, 55, 0},
                    {"  提示：出生时刻距时辰交界不足十分钟；前一时辰为 壬辰，后一时辰为 癸巳。"}},
        WarningCase{
            "JustAfterEleven",
            {1990, 7, 20, 23, 9, 59},
            {"  提示：23时后出生按23时换日（日柱 丁亥，时柱 庚子）；若按子夜换日，日柱 丙戌，"
             "时柱 庚子。",
             "  提示：出生时刻距时辰交界不足十分钟；前一时辰为 己亥，后一时辰为 庚子。"}},
        WarningCase{"TenMinutesBeforeNine", {1990, 7, 20, 8, 50, 0}, {}},
        WarningCase{"OutsideTheCalendar", {1900, 6, 1, 23, 55, 0}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeruda::chart
