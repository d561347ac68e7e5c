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
// A 丑-year person clashes with 未 days.
std::set<std::string> expectedDays(sys_days from, int count) {
  const std::vector<std::string> officers = {"建", "除", "满", "平", "定", "执",
                                             "破", "危", "成", "收", "开", "闭"};
  const std::set<std::string> business = {"除", "满", "定", "执", "危", "成", "收", "开"};
  const sys_days anchor = 2024y / 1 / 1;
  std::set<std::string> days;
  for (int i = 1; i <= count; ++i) {
    const sys_days day = from + std::chrono::days(i);
    const int branch = int(((day - anchor).count() % 12 + 12) % 12);  // 0 = 子
    const int jian = day < sys_days(2027y / 1 / 5)   ? 0
                     : day < sys_days(2027y / 2 / 4) ? 1
                     : day < sys_days(2027y / 3 / 6) ? 2
                                                     : 3;
    const std::string officer = officers[std::size_t((branch - jian + 12) % 12)];
    const bool firstLunarMonth = day >= sys_days(2027y / 2 / 6) && day <= sys_days(2027y / 3 / 7);
    if (!business.contains(officer) || branch == 7) continue;
    if ((officer == "满" || officer == "开") && firstLunarMonth) continue;
    days.insert(iso(year_month_day(day)));
  }
  return days;
}

const std::vector<std::string> kExample = {"opening-days", "--from", "2027-01-01",
                                           "--days",       "60",     "--birth",
                                           "1985-06-15",   "--time", "08:30"};

TEST(OpeningDaysCommand, ListsExactlyTheDaysOfTheRuleBestFirst) {
  const auto r = runCli(kExample);
  ASSERT_EQ(r.code, 0) << r.err;
  std::set<std::string> listed;
  bool favourableGroup = true;
  std::string previous;
  for (const auto& row : tsvRows(r.out)) {
    ASSERT_EQ(row.size(), 4u) << row[0];
    // Every day carries its officer, activities, the clash it avoids and its element.
    EXPECT_TRUE(row[3].starts_with("值" + row[1] + "日；宜")) << row[3];
    EXPECT_NE(row[3].find("不冲生年丑（丑未相冲）；日干"), std::string::npos) << row[3];
    // The favourable days first, each group by date.
    const bool favourable = row[3].find("，合喜用神") != std::string::npos;
    if (favourable != favourableGroup) {
      EXPECT_FALSE(favourable) << row[0] << " comes after a day without the favourable element";
      favourableGroup = false;
      previous.clear();
    }
    EXPECT_LT(previous, row[0]);
    previous = row[0];
    listed.insert(row[0]);
  }
  EXPECT_EQ(listed, expectedDays(2027y / 1 / 1, 60));
}

// 2027-01-20, a 开 day (己亥) of the twelfth lunar month, where 开's month-bound 忌
// does not hold.
TEST(OpeningDaysCommand, GivesTheReasonsAsTextAndAsJson) {
  EXPECT_NE(runCli(kExample).out.find(
                "2027-01-20\t开\t己亥\t值开日；宜交易、契券；忌经商、兴贩只在正月、四月、七月、"
                "十月，此日为农历腊月；日支亥，不冲生年丑（丑未相冲）；日干己属土"),
            std::string::npos);
  auto args = kExample;
  args.push_back("--json");
  const auto json = runCli(args).out;
  EXPECT_TRUE(json.starts_with("[{") && json.ends_with("]}]\n")) << json;
  EXPECT_NE(json.find(R"({"date":"2027-01-20","officer":"开","pillars":["丙午","辛丑","己亥"],)"
                      R"("reasons":["值开日","宜交易、契券",)"),
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
