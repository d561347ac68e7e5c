#include "cli_support.h"
#include "support/temp_folder.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zeruda::cli {
namespace {

using test::runCli;
using namespace std::chrono;

std::vector<std::vector<std::string>> tsvRows(const std::string& text) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> cells;
    std::istringstream cellsIn(line);
    for (std::string cell; std::getline(cellsIn, cell, '\t');) cells.push_back(cell);
    rows.push_back(cells);
  }
  return rows;
}

std::string iso(year_month_day d) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(d.year()), unsigned(d.month()),
                unsigned(d.day()));
  return text;
}

// Day by day, the rule worked out here from first principles rather than by the
// program: 2024-01-01 is a 甲子 day; 建 falls on the 子 day before 小寒 (2027-01-05),
// on 丑 from it, on 寅 from 立春 (02-04) and on 卯 from 惊蛰 (03-06); lunar 正月 of 2027
// runs from 02-06 to 03-07. Of the officers whose 宜 texts name 交易, 立券, 契券, 求财
// or 纳财, 满 and 开 forbid 经商 in lunar months 1, 4, 7 and 10; 破 and 闭 never count.
// A 丑-year person born on a 酉 day clashes with 未 and 卯 days: those are left out.
struct Expected {
  std::set<std::string> listed;
  std::set<std::string> leftOut;
};

Expected expectedDays(sys_days from, int count) {
  const std::vector<std::string> officers = {"建", "除", "满", "平", "定", "执",
                                             "破", "危", "成", "收", "开", "闭"};
  const std::set<std::string> business = {"除", "满", "定", "执", "危", "成", "收", "开"};
  const sys_days anchor = 2024y / 1 / 1;
  Expected days;
  for (int i = 1; i <= count; ++i) {
    const sys_days day = from + std::chrono::days(i);
    const int branch = int(((day - anchor).count() % 12 + 12) % 12);  // 0 = 子
    const int jian = day < sys_days(2027y / 1 / 5)   ? 0
                     : day < sys_days(2027y / 2 / 4) ? 1
                     : day < sys_days(2027y / 3 / 6) ? 2
                                                     : 3;
    const std::string officer = officers[std::size_t((branch - jian + 12) % 12)];
    const bool firstLunarMonth = day >= sys_days(2027y / 2 / 6) && day <= sys_days(2027y / 3 / 7);
    if (!business.contains(officer)) continue;
    if ((officer == "满" || officer == "开") && firstLunarMonth) continue;
    (branch == 7 || branch == 3 ? days.leftOut : days.listed).insert(iso(year_month_day(day)));
  }
  return days;
}

const std::vector<std::string> kExample = {"opening-days", "--from", "2027-01-01",
                                           "--days",       "60",     "--birth",
                                           "1985-06-15",   "--time", "08:30"};

TEST(OpeningDaysCommand, ListsExactlyTheDaysOfTheRuleAndLeavesOutTheClashes) {
  const auto r = runCli(kExample);
  ASSERT_EQ(r.code, 0) << r.err;
  const std::vector<std::string> weekdays = {"星期日", "星期一", "星期二", "星期三",
                                             "星期四", "星期五", "星期六"};
  Expected found;
  for (const auto& row : tsvRows(r.out)) {
    if (row.size() == 2) {  // a day left out, with its note
      EXPECT_NE(row[1].find("日冲法人"), std::string::npos) << row[1];
      found.leftOut.insert(row[0]);
      continue;
    }
    ASSERT_EQ(row.size(), 5u) << row[0];
    const int y = std::stoi(row[0].substr(0, 4));
    const auto day =
        sys_days(year(y) / std::stoi(row[0].substr(5, 2)) / std::stoi(row[0].substr(8)));
    EXPECT_EQ(row[1], weekdays[weekday(day).c_encoding()]) << row[0];
    // Every day carries its officer, activities, the clash it avoids, its element, its
    // cautions and its lucky hours.
    EXPECT_TRUE(row[4].starts_with("值" + row[2] + "日；宜")) << row[4];
    EXPECT_NE(row[4].find("不冲法人生年之丑、生日之酉；日干"), std::string::npos) << row[4];
    EXPECT_NE(row[4].find("　留意："), std::string::npos) << row[4];
    EXPECT_NE(row[4].find("　吉时："), std::string::npos) << row[4];
    found.listed.insert(row[0]);
  }
  const Expected expected = expectedDays(2027y / 1 / 1, 60);
  EXPECT_EQ(found.listed, expected.listed);
  EXPECT_EQ(found.leftOut, expected.leftOut);
}

// 2027-01-20, a 开 day (己亥) of the twelfth lunar month, where 开's month-bound 忌
// does not hold; lists and hours as lunar-javascript 1.7.7 gives them.
TEST(OpeningDaysCommand, GivesGoodPointsCautionsAndHoursAsTextAndAsJson) {
  EXPECT_NE(runCli(kExample).out.find(
                "2027-01-20\t星期三\t开\t己亥\t值开日；宜交易、契券；值神明堂（黄道）；日支亥，"
                "不冲法人生年之丑、生日之酉；日干己属土，喜用神为水　留意：冲蛇(癸巳)　煞西　"
                "吉时：丑、辰、午、未、戌、亥\n"),
            std::string::npos);
  auto args = kExample;
  args.push_back("--json");
  const auto json = runCli(args).out;
  EXPECT_TRUE(json.starts_with("[{") && json.ends_with("}]}]\n")) << json;
  EXPECT_NE(json.find(R"({"date":"2027-01-20","officer":"开","pillars":["丙午","辛丑","己亥"],)"
                      R"("reasons":["值开日","宜交易、契券","值神明堂（黄道）",)"
                      R"("日支亥，不冲法人生年之丑、生日之酉","日干己属土，喜用神为水"],)"
                      R"("weekday":"星期三","cautions":["冲蛇(癸巳)　煞西"],"lucky_hours":[)"
                      R"({"branch":"丑","pillar":"乙丑","god":"玉堂","luck":"吉"},)"),
            std::string::npos)
      << json;
}

class OpeningDaysFromProfile : public testing::Test {
 protected:
  test::SandboxedRoots sandbox_;
};

TEST_F(OpeningDaysFromProfile, TakesTheSavedLegalRepresentativeOrRefuses) {
  const std::vector<std::string> saved = {"opening-days", "--from", "2027-01-01", "--days", "60"};
  const auto none = runCli(saved);
  EXPECT_EQ(none.code, 1);
  EXPECT_EQ(none.out, "");
  EXPECT_EQ(none.err,
            "zeruda-cli opening-days: --birth: "
            "出生日期不能为空：没有保存的法人资料，请给出法人的出生日期和时间\n");

  const auto folder = sandbox_.data() / "zeruda/gs";
  std::filesystem::create_directories(folder);
  test::writeFile(
      folder / "shengchen.ini",
      test::gbk("[法人资料]\r\n法人姓=王\r\n法人名=建国\r\n公历=1985年6月15日8时30分\r\n"
                "法人时=8\r\n法人分=30\r\n"));
  const auto fromProfile = runCli(saved);
  ASSERT_EQ(fromProfile.code, 0) << fromProfile.err;
  EXPECT_EQ(fromProfile.out, runCli(kExample).out);
}

}  // namespace
}  // namespace zeruda::cli
