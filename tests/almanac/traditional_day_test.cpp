#include "almanac/almanac.h"
#include "almanac/almanac_tables.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::almanac {

using namespace calendar;
namespace {

using test::utf8;

std::string joined(const std::vector<std::string>& words) {
  std::string text;
  for (const auto& word : words) text += (text.empty() ? "" : " ") + utf8(word);
  return text;
}

struct DayCase {
  const char* name;
  Date date;
  const char* yi;
  const char* ji;
  const char* clash;  // animal and pillar
  const char* sha;
  const char* god;  // with its road
  const char* firstHours;
};

class TraditionalDayOf : public testing::TestWithParam<DayCase> {};

TEST_P(TraditionalDayOf, ReadsTheTablesByTheSolarMonthAndTheDayPillar) {
  const auto& c = GetParam();
  const auto day = almanacDay(c.date).traditional;
  ASSERT_TRUE(day);
  EXPECT_EQ(joined(day->favourable), c.yi);
  EXPECT_EQ(joined(day->unfavourable), c.ji);
  EXPECT_EQ(utf8(day->clashAnimal + day->clashPillar.text()), c.clash);
  EXPECT_EQ(utf8(day->sha), c.sha);
  EXPECT_EQ(utf8(day->dayGod + roadText(day->yellowRoad)), c.god);
  std::string hours;
  for (std::size_t i = 0; i < 3; ++i) {
    const AlmanacHour& h = day->hours[i];
    hours +=
        utf8(std::string(branchText(h.branch)) + h.pillar.text() + h.god + luckText(h.lucky)) + " ";
  }
  EXPECT_EQ(hours, c.firstHours);
}

// Reference values as lunar-javascript 1.7.7 gives them (getDayYi, getDayJi, getTimes).
INSTANTIATE_TEST_SUITE_P(Days, TraditionalDayOf,
                         testing::Values(
                             // 立春 2014 begins at 06:03: its own day is already in the 寅 month.
                             DayCase{"LichunDay",
                                     {2014, 2, 4},
                                     "解除 沐浴",
                                     "诸事不宜",
                                     "鼠庚子",
                                     "北",
                                     "白虎黑道",
                                     "子戊子金匮吉 丑己丑天德吉 寅庚寅白虎凶 "},
                             DayCase{"DayBeforeLichun",
                                     {2014, 2, 3},
                                     "嫁娶 订盟 纳采 会亲友 祭祀 安机械 移徙 入宅 盖屋 安床 起基 "
                                     "定磉 安香 出火 挂匾 拆卸 置产",
                                     "开市 出行 安葬 行丧",
                                     "猪己亥",
                                     "东",
                                     "玉堂黄道",
                                     "子丙子白虎凶 丑丁丑玉堂吉 寅戊寅天牢凶 "},
                             DayCase{"Dongzhi2026",
                                     {2026, 12, 22},
                                     "破屋 坏垣 治病 馀事勿取",
                                     "移徙 入宅",
                                     "鼠甲子",
                                     "北",
                                     "司命黄道",
                                     "子丙子金匮吉 丑丁丑天德吉 寅戊寅白虎凶 "},
                             DayCase{"CalendarsFirstDay",
                                     {1901, 2, 19},
                                     "会亲友 冠笄 安床 安机械 祭祀 祈福 求嗣 经络",
                                     "嫁娶 开市 动土 作灶 安葬",
                                     "狗壬戌",
                                     "南",
                                     "金匮黄道",
                                     "子壬子天牢凶 丑癸丑玄武凶 寅甲寅司命吉 "}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TraditionalDay, GivesTheSayingsAndSpiritsOfTheDay) {
  const auto day = almanacDay({2026, 12, 22}).traditional;
  ASSERT_TRUE(day);
  EXPECT_EQ(utf8(day->pengzu[0] + day->pengzu[1]), "庚不经络织机虚张午不苫盖屋主更张");
  EXPECT_EQ(joined(day->luckyGods), "五富 六仪 续世 解神 司命 鸣吠");
  EXPECT_EQ(joined(day->fiends), "月破 大耗 灾煞 天火 厌对 招摇 五虚 血忌");
  EXPECT_FALSE(almanacDay({1901, 2, 18}).traditional);
}

// Every month branch and day pair has a row, and every cell of the duty gods a road.
TEST(AlmanacTables, AreComplete) {
  for (int b = 0; b < kBranchCount; ++b) {
    const auto branch = static_cast<Branch>(b);
    for (int number = 1; number <= kPairCount; ++number) {
      const Pair pair = Pair::numbered(number);
      const auto lists = dayActivities(branch, pair);
      EXPECT_FALSE(lists.favourable.empty() && lists.unfavourable.empty()) << b << " " << number;
      EXPECT_FALSE(daySpirits(branch, pair).lucky.empty() &&
                   daySpirits(branch, pair).fiends.empty());
    }
    for (int t = 0; t < kBranchCount; ++t)
      EXPECT_FALSE(dutyGod(branch, static_cast<Branch>(t)).road.empty());
    EXPECT_FALSE(shaDirection(branch).empty());
    EXPECT_FALSE(pengzuSaying(branch).empty());
  }
  for (int s = 0; s < kStemCount; ++s) EXPECT_FALSE(pengzuSaying(static_cast<Stem>(s)).empty());
}

}  // namespace
}  // namespace zeruda::almanac
