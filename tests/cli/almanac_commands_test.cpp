#include "cli_support.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <sstream>

namespace zeruda::cli {
namespace {

using test::runCli;

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) result.push_back(line);
  return result;
}

// The officer's five lines, then the traditional reading: 宜, 忌, 冲煞, 彭祖百忌, 吉神,
// 凶煞, 值神 and the twelve hours (values as lunar-javascript 1.7.7 gives them).
TEST(AlmanacCommand, PrintsTheOfficerLinesThenTheTraditionalReading) {
  const auto r = runCli({"almanac", "2014-02-04"});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto shown = lines(r.out);
  ASSERT_EQ(shown.size(), 24u);
  EXPECT_EQ(shown[0], "2014/2/4　农历1月5日　星期二　　水瓶座");
  EXPECT_EQ(shown[1], "甲午年、生肖属马、丙寅月、丙午日　【定日】");
  EXPECT_EQ(shown[2], "天河水");
  EXPECT_EQ(shown[4], "忌词讼出行。");
  EXPECT_EQ(shown[5], "宜：解除 沐浴");
  EXPECT_EQ(shown[6], "忌：诸事不宜");
  EXPECT_EQ(shown[7], "冲鼠(庚子)　煞北");
  EXPECT_EQ(shown[8], "彭祖百忌：丙不修灶必见灾殃　午不苫盖屋主更张");
  EXPECT_EQ(shown[10], "凶煞宜忌：死气 白虎");
  EXPECT_EQ(shown[11], "值神：白虎（黑道）");
  EXPECT_EQ(shown[12], "子时　戊子　金匮　吉");
  EXPECT_EQ(shown[23], "亥时　己亥　朱雀　凶");
  const auto newYear = lines(runCli({"almanac", "2024-01-01"}).out);
  ASSERT_EQ(newYear.size(), 24u);
  EXPECT_TRUE(newYear[1].ends_with("甲子日　【建日】")) << newYear[1];
}

TEST(AlmanacCommand, GivesTheDayAsJson) {
  const auto r = runCli({"almanac", "2014-02-04", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out,
            R"({"date":"2014-02-04","lunar":"1-5","pillars":["甲午","丙寅","丙午"],"zodiac":"马",)"
            R"("officer":"定","nayin":"天河水","yi":"宜入学、祈福、祭祀、裁衣、结婚纳采、问名、)"
            R"(求嗣、牧养纳畜、安置碓皑贵椎螳、冠带交易。","ji":"忌词讼出行。",)"
            R"("day_yi":["解除","沐浴"],"day_ji":["诸事不宜"],"chong_animal":"鼠",)"
            R"("chong_pillar":"庚子","sha":"北","pengzu":["丙不修灶必见灾殃","午不苫盖屋主更张"],)"
            R"("ji_shen":["月德","月恩","四相","时德","民日","三合","临日","天马","时阴","鸣吠"],)"
            R"("xiong_sha":["死气","白虎"],"day_god":"白虎","day_luck":"黑道","hours":[)"
            R"({"branch":"子","pillar":"戊子","god":"金匮","luck":"吉"},)"
            R"({"branch":"丑","pillar":"己丑","god":"天德","luck":"吉"},)"
            R"({"branch":"寅","pillar":"庚寅","god":"白虎","luck":"凶"},)"
            R"({"branch":"卯","pillar":"辛卯","god":"玉堂","luck":"吉"},)"
            R"({"branch":"辰","pillar":"壬辰","god":"天牢","luck":"凶"},)"
            R"({"branch":"巳","pillar":"癸巳","god":"玄武","luck":"凶"},)"
            R"({"branch":"午","pillar":"甲午","god":"司命","luck":"吉"},)"
            R"({"branch":"未","pillar":"乙未","god":"勾陈","luck":"凶"},)"
            R"({"branch":"申","pillar":"丙申","god":"青龙","luck":"吉"},)"
            R"({"branch":"酉","pillar":"丁酉","god":"明堂","luck":"吉"},)"
            R"({"branch":"戌","pillar":"戊戌","god":"天刑","luck":"凶"},)"
            R"({"branch":"亥","pillar":"己亥","god":"朱雀","luck":"凶"}]})"
            "\n");
}

TEST(AlmanacCommand, ListsARangeWithLeapMonthsMarked) {
  const auto r = runCli({"almanac", "--from", "2014-10-23", "--to", "2014-10-24"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "2014-10-23\t9-30\t丁卯\t执\n2014-10-24\t闰9-1\t戊辰\t破\n");
  // With --json, each day's JSON as almanac DATE --json gives it, one to a line.
  const auto json = runCli({"almanac", "--from", "2014-10-23", "--to", "2014-10-24", "--json"});
  EXPECT_EQ(json.out, runCli({"almanac", "2014-10-23", "--json"}).out +
                          runCli({"almanac", "2014-10-24", "--json"}).out);
}

TEST(AlmanacSearchCommand, ListsTheDaysAsTheWindowDoes) {
  // 2024-01-07 is 执 and 2024-01-08 破, the first days after New Year favouring 嫁娶.
  EXPECT_EQ(
      runCli({"almanac-search", "--from", "2024-01-01", "--range", "7", "--activity", "嫁娶"}).out,
      "2024年1月7日\n2024年1月8日\n");
  const auto none =
      runCli({"almanac-search", "--from", "2024-01-01", "--range", "180", "--activity", "丧事"});
  EXPECT_EQ(none.code, 0);
  EXPECT_EQ(none.out, "");
  const auto avoid = runCli(
      {"almanac-search", "--from", "2024-01-01", "--range", "7", "--activity", "出行", "--avoid"});
  // 除 2024-01-02, 定 01-05 and 01-06, 执 01-07, 破 01-08.
  EXPECT_EQ(avoid.out, "2024年1月2日\n2024年1月5日\n2024年1月6日\n2024年1月7日\n2024年1月8日\n");
  const auto unknown =
      runCli({"almanac-search", "--from", "2024-01-01", "--range", "7", "--activity", "abc"});
  EXPECT_NE(unknown.err.find("嫁娶、"), std::string::npos) << "the offered ones are listed";
}

// The traditional activities are looked up in the day lists, as are the officer texts'
// own with --lists (days as lunar-javascript 1.7.7's getDayYi names them).
TEST(AlmanacSearchCommand, SearchesTheDayListsForTheTraditionalActivities) {
  EXPECT_EQ(
      runCli({"almanac-search", "--from", "2024-01-01", "--range", "7", "--activity", "开市"}).out,
      "2024年1月3日\n");
  EXPECT_EQ(runCli({"almanac-search", "--from", "2024-01-01", "--range", "7", "--activity", "嫁娶",
                    "--lists"})
                .out,
            "2024年1月2日\n2024年1月6日\n2024年1月7日\n");
}

TEST(AlmanacSearchCommand, SaysWhenTheRangeRunsPastTheCalendarsEnd) {
  const auto cut =
      runCli({"almanac-search", "--from", "2048-12-20", "--range", "180", "--activity", "嫁娶"});
  EXPECT_EQ(cut.code, 0);
  EXPECT_NE(cut.out, "");
  EXPECT_EQ(cut.err,
            "zeruda-cli almanac-search: the calendar ends on 2048-12-31: only 11 of the 180 days "
            "after 2048-12-20 were searched\n");
  EXPECT_EQ(
      runCli({"almanac-search", "--from", "2048-12-24", "--range", "7", "--activity", "嫁娶"}).err,
      "");
}

TEST(MonthCommand, PrintsWeeksWithLunarNamesBeneath) {
  const auto r = runCli({"month", "2014-10"});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto shown = lines(r.out);
  ASSERT_EQ(shown.size(), 13u);
  EXPECT_EQ(shown[1], "日       一       二       三       四       五       六");
  EXPECT_EQ(shown[8], "19       20       21       22       23       24       25");
  EXPECT_EQ(shown[9], "廿六     廿七     廿八     廿九     霜降     闰九月   初二");
  // 2014: 寒露 on 10-08, 霜降 on 10-23; 重阳 (九月初九) on 10-02.
  EXPECT_EQ(shown[12], "节气与节日：1日国庆节、2日重阳、8日寒露、23日霜降");
}

TEST(MonthCommand, MarksTheDayGivenAsToday) {
  const auto shown = lines(runCli({"month", "2026-12", "--today", "2026-12-22"}).out);
  ASSERT_EQ(shown.size(), 13u);
  EXPECT_EQ(shown[8], "20       21       [22]     23       24       25       26");
  EXPECT_EQ(shown[12], "节气与节日：7日大雪、22日冬至");
  EXPECT_EQ(lines(runCli({"month", "2026-12"}).out)[8],
            "20       21       22       23       24       25       26");
}

struct RefusalCase {
  const char* name;
  std::vector<std::string> args;
  int code;
};

class CalendarCommandsRefuse : public testing::TestWithParam<RefusalCase> {};

TEST_P(CalendarCommandsRefuse, WithOneLineAndNoOutput) {
  const auto r = runCli(GetParam().args);
  EXPECT_EQ(r.code, GetParam().code);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CalendarCommandsRefuse,
    testing::Values(
        RefusalCase{"AlmanacBeforeTheCalendar", {"almanac", "1901-02-18"}, 1},
        RefusalCase{"AlmanacRangePastTheCalendar",
                    {"almanac", "--from", "2048-12-30", "--to", "2049-01-01"},
                    1},
        RefusalCase{
            "SearchPastTheCalendar",
            {"almanac-search", "--from", "2049-01-01", "--range", "7", "--activity", "嫁娶"},
            1},
        RefusalCase{"MonthPastTheCalendar", {"month", "2049-01"}, 1},
        RefusalCase{"AlmanacNotADate", {"almanac", "2014-02-30"}, 1},
        RefusalCase{
            "SearchRangeNotOffered",
            {"almanac-search", "--from", "2024-01-01", "--range", "8", "--activity", "嫁娶"},
            1},
        RefusalCase{"SearchForAnActivityTheAlmanacDoesNotOffer",
                    {"almanac-search", "--from", "2024-01-01", "--range", "7", "--activity", "abc"},
                    1},
        RefusalCase{"SearchForAPunctuationMark",
                    {"almanac-search", "--from", "2024-01-01", "--range", "7", "--activity", "、"},
                    1},
        RefusalCase{
            "SearchWithoutActivity", {"almanac-search", "--from", "2024-01-01", "--range", "7"}, 1},
        RefusalCase{"MonthThirteen", {"month", "2014-13"}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommandHelp, PrintsTheCommandsUsage) {
  const auto r = runCli({"almanac-search", "--help"});
  EXPECT_EQ(r.code, 0);
  EXPECT_EQ(r.out,
            "usage: zeruda-cli almanac-search --from DATE --range 7|15|30|60|90|180 "
            "--activity TEXT [--avoid] [--lists]\n");
}

}  // namespace
}  // namespace zeruda::cli
