#include "almanac/almanac.h"

#include "calendar/gregorian.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::almanac {

using namespace calendar;
namespace {

struct OfficerCase {
  const char* name;
  Date date;
  const char* officer;  // empty: none
};

class DayOfficerOf : public testing::TestWithParam<OfficerCase> {};

TEST_P(DayOfficerOf, PutsJianOnTheBranchOfTheSolarMonth) {
  const auto officer = dayOfficer(GetParam().date);
  EXPECT_EQ(officer ? test::utf8(officerText(*officer)) : "", GetParam().officer);
}

// Day pillars from the published calendar; 节 days from the term table.
INSTANTIATE_TEST_SUITE_P(
    Days, DayOfficerOf,
    testing::Values(
        // As printed almanacs give them.
        OfficerCase{"LiChun2014BingWu", {2014, 2, 4}, "定"},
        OfficerCase{"NewYear2024JiaZi", {2024, 1, 1}, "建"},
        // 立春 2011-02-04 is a 庚寅 day and opens the 寅 period; the 丑 day before it is
        // still in the 丑 period of 小寒, so 建 comes twice.
        OfficerCase{"LiChunOwnDayOpensItsPeriod", {2011, 2, 4}, "建"},
        OfficerCase{"DayBeforeLiChun", {2011, 2, 3}, "建"},
        // 1 January before 小寒 and 31 December after 大雪 take 子; 小寒's own day 丑.
        OfficerCase{"FirstOfJanuaryZiDay", {2008, 1, 1}, "建"},
        OfficerCase{"LastOfDecemberZiDay", {2014, 12, 31}, "建"},
        OfficerCase{"XiaoHanOwnDayChouDay", {2005, 1, 5}, "建"},
        OfficerCase{"DayBeforeXiaoHanZiDay", {2005, 1, 4}, "建"},
        // 30 April and 1 May both lie between 清明 and 立夏: the 辰 period.
        OfficerCase{"ThirtiethOfAprilChenDay", {2018, 4, 30}, "建"},
        OfficerCase{"FirstOfMaySiDay", {2018, 5, 1}, "除"},
        OfficerCase{"BeforeTheCalendar", {1901, 2, 18}, ""},
        OfficerCase{"AfterTheCalendar", {2049, 1, 1}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AlmanacDay, WritesTheDisplayLinesOfADay) {
  const AlmanacDay day = almanacDay({2014, 2, 4});
  EXPECT_EQ(test::utf8(day.dateLine), "2014/2/4　农历1月5日　星期二　　水瓶座");
  EXPECT_EQ(test::utf8(day.pillarsLine), "甲午年、生肖属马、丙寅月、丙午日　【定日】");
  EXPECT_EQ(test::utf8(day.nayin), "天河水");
  EXPECT_EQ(test::utf8(day.favourable).substr(0, 9), "宜入学");
  EXPECT_EQ(test::utf8(day.unfavourable), "忌词讼出行。");

  const AlmanacDay newYear = almanacDay({2024, 1, 1});
  EXPECT_EQ(test::utf8(newYear.dateLine), "2024/1/1　农历11月20日　星期一　　摩羯座");
  EXPECT_EQ(test::utf8(newYear.pillarsLine), "癸卯年、生肖属兔、甲子月、甲子日　【建日】");
}

TEST(AlmanacActivities, AreTheEightyFourOfTheListWithDongTuTwice) {
  const auto list = almanacActivities();
  ASSERT_EQ(list.size(), 84u);
  EXPECT_EQ(test::utf8(list.front()), "安床");
  EXPECT_EQ(test::utf8(list[13]), "动土");
  EXPECT_EQ(test::utf8(list[14]), "动土");
  EXPECT_EQ(test::utf8(list.back()), "作灶");
  EXPECT_EQ(test::utf8(defaultAlmanacActivity()), "嫁娶");
}

std::vector<Date> search(Date start, int days, AlmanacColumn column, const char* activity) {
  return searchAlmanac(start, days, column, test::gbk(activity));
}

TEST(AlmanacSearch, FindsNothingForAnActivityNoFavourableTextNames) {
  EXPECT_TRUE(search({2024, 1, 1}, 180, AlmanacColumn::Favourable, "丧事").empty());
}

TEST(AlmanacSearch, AvoidingTravelListsTheDaysOfTheSixOfficersThatForbidIt) {
  const Date start{2024, 1, 1};
  const auto found = search(start, 60, AlmanacColumn::Unfavourable, "出行");
  std::vector<Date> expected;
  Date day = start;
  for (int i = 0; i < 60; ++i) {
    day = nextDay(day);
    const std::string officer = test::utf8(officerText(*dayOfficer(day)));
    if (std::string("除定执破收闭").find(officer) != std::string::npos) expected.push_back(day);
  }
  EXPECT_EQ(found, expected);
  EXPECT_FALSE(found.empty());
}

TEST(AlmanacSearch, HalfAYearCoversTheHundredAndEightyDaysAfterTheStart) {
  // 祭祀 is favourable under every officer but 破.
  const Date start{2024, 1, 1};
  const auto found = search(start, 180, AlmanacColumn::Favourable, "祭祀");
  ASSERT_FALSE(found.empty());
  EXPECT_GT(found.front(), start);
  EXPECT_LE(dayNumber(found.back()) - dayNumber(start), 180);
  // About one day in twelve is 破.
  EXPECT_GE(found.size(), 160u);
  EXPECT_LE(found.size(), 180u);
}

TEST(AlmanacSearch, DaysBeyondTheCalendarAreNeverFound) {
  EXPECT_TRUE(search({2048, 12, 31}, 30, AlmanacColumn::Favourable, "祭祀").empty());
}

TEST(AlmanacDateText, WritesYearMonthAndDayWithoutZeros) {
  EXPECT_EQ(test::utf8(almanacDateText({2024, 1, 2})), "2024年1月2日");
}

}  // namespace
}  // namespace zeruda::almanac
