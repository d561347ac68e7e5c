#include "almanac/opening_days.h"
#include "almanac/almanac.h"
#include "almanac/unfavourable_clauses.h"

#include "support/text_support.h"

#include <gtest/gtest.h>
#include <algorithm>

namespace zeruda::almanac {

using namespace calendar;
namespace {

using test::gbk;
using test::utf8;

struct ClauseCase {
  const char* name;
  const char* text;
  std::vector<std::pair<std::string, std::vector<int>>> clauses;
};

class UnfavourableClauses : public testing::TestWithParam<ClauseCase> {};

TEST_P(UnfavourableClauses, HoldOnlyInTheMonthsTheyName) {
  const auto clauses = unfavourableClauses(gbk(GetParam().text));
  std::vector<std::pair<std::string, std::vector<int>>> read;
  for (const auto& clause : clauses) read.emplace_back(utf8(clause.text), clause.months);
  EXPECT_EQ(read, GetParam().clauses);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UnfavourableClauses,
    testing::Values(
        ClauseCase{"Plain", "忌词讼出行。", {{"忌词讼出行。", {}}}},
        ClauseCase{"QualifiedInTheMiddle",
                   "忌动土服药、孟月（正月、四月、七月、十月）忌经商、兴贩移徙、造宅。",
                   {{"忌动土服药、孟月", {}}, {"忌经商、兴贩移徙、造宅。", {1, 4, 7, 10}}}},
        ClauseCase{"QualifiedFromTheStart",
                   "孟月（正月、四月、七月、十月）忌经商、兴贩、动土。",
                   {{"孟月", {}}, {"忌经商、兴贩、动土。", {1, 4, 7, 10}}}},
        ClauseCase{"OtherMonthNames",
                   "忌出行，（冬月、十二月）忌动土",
                   {{"忌出行，", {}}, {"忌动土", {11, 12}}}},
        ClauseCase{"BracketOfNoMonths", "忌开仓（大事）、经商", {{"忌开仓（大事）、经商", {}}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OpeningActivities, ReadTheTwoListsOfTheDataForm) {
  const auto lists = parseOpeningActivities(
      gbk("# 宜 = 嫁娶\r\n宜 = 交易　立券\r\n\r\n忌=经商\r\n别的 = 动土\r\n忌 = 兴贩 \r\n"));
  EXPECT_EQ(lists.business, (std::vector<std::string>{gbk("交易"), gbk("立券")}));
  EXPECT_EQ(lists.forbidden, (std::vector<std::string>{gbk("经商"), gbk("兴贩")}));
}

// The lists decide. The week after 2024-01-01 (a 甲子 day, 建 on 子 until 小寒 on
// 01-06, then on 丑): with 嫁娶 as the only business, the days the almanac search finds
// for it less 破; forbidding 词讼 drops the 定 days.
TEST(OpeningDays, FollowTheActivityLists) {
  const DateTime birth{1985, 6, 15, 8, 30, 0};  // 乙丑: 未 days clash
  const auto dates = [&](const OpeningActivities& lists) {
    std::vector<std::string> found;
    for (const auto& day : openingDays({2024, 1, 1}, 7, birth, lists)) {
      found.push_back(utf8(officerText(day.officer)) + std::to_string(day.date.day));
    }
    std::sort(found.begin(), found.end());
    return found;
  };
  EXPECT_EQ(dates({{gbk("嫁娶")}, {}}), (std::vector<std::string>{"执7"}));
  // 除 01-02, 满 01-03 (求财), 平 01-04, 定 01-05 and 01-06 (忌词讼), 执 01-07, 破 01-08.
  EXPECT_EQ(dates({{gbk("交易"), gbk("契券"), gbk("求财")}, {gbk("词讼")}}),
            (std::vector<std::string>{"执7", "满3", "除2"}));
}

// 2027 for a legal representative born 1985-06-15 08:30 (乙丑 year): 宜开市 days first,
// 忌开市 days last, every day with its weekday and its six 黄道 hours, the clashing days
// left out with a note.
TEST(OpeningDays, RankByTheTraditionalListsAndShowWeekdayAndHours) {
  const DateTime birth{1985, 6, 15, 8, 30, 0};
  const auto search = searchOpeningDays({2026, 12, 31}, 365, birth);
  ASSERT_FALSE(search.days.empty());
  const auto rank = [](const OpeningDay& day) {
    const AlmanacDay almanac = almanacDay(day.date);
    const TraditionalDay& lists = *almanac.traditional;
    const auto has = [](const auto& list) {
      return std::find(list.begin(), list.end(), gbk("开市")) != list.end();
    };
    return has(lists.favourable) ? 0 : has(lists.unfavourable) ? 2 : 1;
  };
  int previous = 0;
  for (const OpeningDay& day : search.days) {
    EXPECT_LE(previous, rank(day)) << isoDate(day.date);
    previous = rank(day);
    EXPECT_EQ(day.weekday, weekdayText(day.date));
    EXPECT_EQ(day.luckyHours.size(), 6u) << isoDate(day.date);
    EXPECT_NE(day.pillars[2].branch(), Branch::Wei) << isoDate(day.date);  // 丑未冲
  }
  EXPECT_EQ(rank(search.days.front()), 0);
  EXPECT_EQ(rank(search.days.back()), 2);
  EXPECT_EQ(utf8(weekdayText({2027, 1, 1})), "星期五");
  ASSERT_FALSE(search.leftOut.empty());
  for (const LeftOutDay& left : search.leftOut) {
    EXPECT_NE(utf8(left.note).find("日冲法人"), std::string::npos) << utf8(left.note);
  }
}

}  // namespace
}  // namespace zeruda::almanac
