#include "cli/cli.h"
#include "support/file_size_limit.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace zeruda::cli {
namespace {

struct CliRun {
  int code;
  std::string out;
  std::string err;
};

CliRun run(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int code = runCli(args, out, err);
  return {code, out.str(), err.str()};
}

std::vector<std::string> splitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

TEST(CalendarCommand, PrintsLunarDateAndPillarsOfADay) {
  const CliRun r = run({"calendar", "--from", "2000-01-01", "--to", "2000-01-01"});
  EXPECT_EQ(r.code, 0) << r.err;
  // Noon by default: 己卯 丙子 戊午 戊午, lunar 1999-11-25.
  EXPECT_EQ(r.out, "2000-01-01\t1999\t11\t25\t0\t己卯\t丙子\t戊午\t戊午\n");
}

TEST(CalendarCommand, TakesTheTimeForTheHourPillar) {
  const CliRun r =
      run({"calendar", "--from", "2000-01-01", "--to", "2000-01-01", "--time", "23:30"});
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out, "2000-01-01\t1999\t11\t25\t0\t己卯\t丙子\t己未\t甲子\n");
}

TEST(CalendarCommand, MarksLeapMonths) {
  const CliRun r = run({"calendar", "--from", "2014-10-24", "--to", "2014-10-24"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, r.out.find("\t", 21)), "2014-10-24\t2014\t9\t1\t1");
}

TEST(CalendarCommand, ReachesBothEndsOfTheCalendar) {
  const CliRun r = run({"calendar", "--from", "1901-02-19", "--to", "1901-02-19"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, 19), "1901-02-19\t1901\t1\t1");
  const CliRun late = run({"calendar", "--from", "2048-12-31", "--to", "2048-12-31"});
  ASSERT_EQ(late.code, 0) << late.err;
  EXPECT_EQ(late.out.substr(0, 22), "2048-12-31\t2048\t11\t27\t");
}

struct OutsideCase {
  const char* name;
  std::vector<std::string> args;
  const char* option;  // the option that gave the date
  const char* field;   // and the field it names
};

class DateOutsideTheCalendar : public testing::TestWithParam<OutsideCase> {};

// One rule for every command that takes a date: refused, with the same message.
TEST_P(DateOutsideTheCalendar, IsRefusedAlikeByEveryCommand) {
  const CliRun r = run(GetParam().args);
  EXPECT_EQ(r.code, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "zeruda-cli " + GetParam().args[0] + ": " + GetParam().option + ": " +
                       GetParam().field + "：日期须在1901年2月19日至2048年12月31日之间\n");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, DateOutsideTheCalendar,
    testing::Values(OutsideCase{"CalendarWholeEra",
                                {"calendar", "--from", "0001-01-01", "--to", "9999-12-31"},
                                "--from",
                                "起始日期"},
                    OutsideCase{"CalendarEnd",
                                {"calendar", "--from", "2048-12-31", "--to", "2049-01-01"},
                                "--to",
                                "结束日期"},
                    OutsideCase{"ChartBefore", {"chart", "1901-02-18", "12:00"}, "DATE", "日期"},
                    OutsideCase{
                        "ChartLongBefore", {"chart", "1850-06-01", "12:00"}, "DATE", "日期"},
                    OutsideCase{"OpeningDaysFrom",
                                {"opening-days", "--from", "1901-02-18", "--days", "7"},
                                "--from",
                                "起始日期"},
                    OutsideCase{"OpeningDaysBirth",
                                {"opening-days", "--from", "2027-01-01", "--days", "7", "--birth",
                                 "1850-06-01", "--time", "08:30"},
                                "--birth",
                                "出生日期"},
                    OutsideCase{"Generate",
                                {"generate", "--surname", "张", "--given", "三", "--birth",
                                 "1900-01-01", "--time", "08:30"},
                                "--birth",
                                "出生日期"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalendarCommand, CoversTheWholeCalendarInOneRun) {
  const CliRun r = run({"calendar", "--from", "1901-02-19", "--to", "2048-12-31"});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto lines = splitLines(r.out);
  // 1901-2048 holds 148 × 365 days and 37 leap days (1904 … 2048), less the 49 days
  // before 19 February 1901.
  ASSERT_EQ(lines.size(), 148u * 365u + 37u - 49u);
  for (const auto& line : lines) {
    ASSERT_EQ(std::count(line.begin(), line.end(), '\t'), 8) << line;
    ASSERT_EQ(line.find("\t\t"), std::string::npos) << line;
  }
  EXPECT_EQ(lines.back().substr(0, 10), "2048-12-31");
}

struct BadInputCase {
  const char* name;
  std::vector<std::string> args;
  int code = 1;  // 1: the request refused; 2: arguments the command cannot read
};

class CalendarCommandRejects : public testing::TestWithParam<BadInputCase> {};

TEST_P(CalendarCommandRejects, WithItsExitCodeAndOneLine) {
  const CliRun r = run(GetParam().args);
  EXPECT_EQ(r.code, GetParam().code);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, CalendarCommandRejects,
    testing::Values(
        BadInputCase{"LeapDayOfCommonYear",
                     {"calendar", "--from", "2023-02-29", "--to", "2023-03-01"}},
        BadInputCase{"ThirtyFirstOfApril",
                     {"calendar", "--from", "2023-04-01", "--to", "2023-04-31"}},
        BadInputCase{"Hour24",
                     {"calendar", "--from", "2023-04-01", "--to", "2023-04-01", "--time", "24:00"}},
        BadInputCase{"Minute60",
                     {"calendar", "--from", "2023-04-01", "--to", "2023-04-01", "--time", "12:60"}},
        BadInputCase{
            "Second60",
            {"calendar", "--from", "2023-04-01", "--to", "2023-04-01", "--time", "12:00:60"}},
        BadInputCase{"TimeWithoutMinutes",
                     {"calendar", "--from", "2023-04-01", "--to", "2023-04-01", "--time", "12"}},
        BadInputCase{"NotADate", {"calendar", "--from", "yesterday", "--to", "2023-04-01"}},
        BadInputCase{"TwoDigitYear", {"calendar", "--from", "23-04-01", "--to", "2023-04-01"}},
        BadInputCase{"TrailingJunk", {"calendar", "--from", "2023-04-01x", "--to", "2023-04-01"}},
        BadInputCase{"ToBeforeFrom", {"calendar", "--from", "2023-04-02", "--to", "2023-04-01"}},
        BadInputCase{"MissingTo", {"calendar", "--from", "2023-04-01"}},
        BadInputCase{"TermsYearBeforeTable", {"terms", "1879"}},
        BadInputCase{"TermsYearAfterTable", {"terms", "2080"}},
        BadInputCase{"TermsNoYear", {"terms"}, 2},
        BadInputCase{"ChartLeapDayOfCommonYear", {"chart", "2023-02-29", "12:00"}},
        BadInputCase{"ChartHour24", {"chart", "2000-01-01", "24:00"}},
        BadInputCase{"ChartMinute60", {"chart", "2000-01-01", "12:60"}},
        BadInputCase{"ChartMissingTime", {"chart", "2000-01-01"}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TermsCommand, ListsTheYearsTermsFromLiChun) {
  const CliRun r = run({"terms", "2014"});
  ASSERT_EQ(r.code, 0) << r.err;
  const auto lines = splitLines(r.out);
  ASSERT_EQ(lines.size(), 24u);
  EXPECT_EQ(lines[0], "立春:2014年2月4日6时3分10秒");
  EXPECT_EQ(lines[2], "惊蛰:2014年3月6日0时2分9秒");
  EXPECT_EQ(lines[14], "白露:2014年9月8日1时1分18秒");
  EXPECT_EQ(lines[21], "冬至:2014年12月22日7时2分53秒");
  EXPECT_EQ(lines[22], "小寒:2014年1月5日18时24分5秒");
  EXPECT_EQ(lines[23], "大寒:2014年1月20日11时51分9秒");
}

TEST(ChartCommand, PrintsTheReportWithItsLineEnds) {
  const CliRun r = run({"chart", "2000-01-01", "12:00"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.out.substr(0, 4), "\r\n\r\n");
  EXPECT_NE(r.out.find("\r\n  农历：1999年11月25日  　　时辰：午(wu)\r\n"), std::string::npos);
  EXPECT_NE(r.out.find("\r\n  四柱：己卯年，丙子月，戊午日，戊午时\r\n"), std::string::npos);
}

TEST(ChartCommand, GivesTheFiguresAsJson) {
  const CliRun r = run({"chart", "2000-01-01", "12:00", "--json"});
  ASSERT_EQ(r.code, 0) << r.err;
  const std::string start =
      R"({"pillars":["己卯","丙子","戊午","戊午"],"lunar":"1999年11月25日","zodiac":"兔",)"
      R"("starSign":"摩羯座","elements":"土木 火水 土火 土火","missing":"金",)"
      R"("nayin":["城墙土","涧下水","天上火","天上火"],)"
      // 1.2 as a float widened to double.
      R"("scores":{"金":0,"木":1.2000000476837158,"水":1.2000000476837158,"火":3,"土":3},)"
      R"("dayMaster":"土","sameScore":6,"otherScore":)";
  EXPECT_EQ(r.out.substr(0, start.size()), start);
  EXPECT_NE(r.out.find(R"(,"verdict":"八字过强","favourable":"金","warnings":[]})"
                       "\n"),
            std::string::npos)
      << r.out;
}

TEST(ChartCommand, APictureWithoutRoomOnTheDiskLeavesTheOldOneWhole) {
  test::TempFolder folder;
  const auto svg = folder / "c.svg";
  test::writeFile(svg, "<svg>old</svg>");
  const int code = test::runWithFileSizeLimit(1024, [&] {
    return run({"chart", "2000-01-01", "12:00", "--svg", svg.string()}).code;
  });
  EXPECT_EQ(code, 1);
  EXPECT_EQ(test::readFile(svg), "<svg>old</svg>");
  const auto files = std::filesystem::directory_iterator(folder.path());
  EXPECT_EQ(std::distance(begin(files), end(files)), 1) << "no temporary file stays";
}

struct WarningCase {
  const char* name;
  std::vector<std::string> args;
  std::vector<std::string> named;  // pieces the warnings must hold; none: no warning at all
};

class ChartWarnings : public testing::TestWithParam<WarningCase> {};

// The day pillars of 1990-07-20 and -21 are counted from 2000-01-01, a 戊午 day; the
// hour stems follow from the day stem (丙 and 辛 days start their 子 hour at 戊).
TEST_P(ChartWarnings, NameWhatAFewMinutesWouldChange) {
  const CliRun r = run(GetParam().args);
  ASSERT_EQ(r.code, 0) << r.err;
  if (GetParam().named.empty()) {
    EXPECT_EQ(r.out.find("提示"), std::string::npos) << r.out;
  }
  for (const auto& piece : GetParam().named) {
    EXPECT_NE(r.out.find(piece), std::string::npos) << piece << " in\n" << r.out;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Chart, ChartWarnings,
    testing::Values(
        WarningCase{"NearLiChun",
                    {"chart", "2014-02-04", "06:00"},
                    {"  提示：出生时刻距立春（2014年2月4日6时3分10秒）", "癸巳", "甲午"}},
        WarningCase{"NoonOfLiChun", {"chart", "2014-02-04", "12:00"}, {}},
        WarningCase{"AfterEleven", {"chart", "1990-07-20", "23:30"}, {"日柱 丁亥", "日柱 丙戌"}},
        WarningCase{"NearAnHourBoundary", {"chart", "1990-07-20", "08:55"}, {"壬辰", "癸巳"}},
        WarningCase{
            "AsJson",
            {"chart", "2014-02-04", "06:00", "--json"},
            {R"("warnings":["出生时刻距立春（2014年2月4日6时3分10秒）不足两小时；此刻之前为 )"
             R"(癸巳年 乙丑月，之后为 甲午年 丙寅月。"]})"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeruda::cli
