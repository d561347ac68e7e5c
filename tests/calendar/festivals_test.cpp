#include "calendar/festivals.h"

#include "calendar/gregorian.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

#include <map>

namespace zeruda::calendar {
namespace {

std::string joined(const std::vector<std::string>& names) {
  std::string text;
  for (const std::string& name : names) text += (text.empty() ? "" : " ") + test::utf8(name);
  return text;
}

struct FestivalCase {
  const char* name;
  Date date;
  const char* festivals;
};

class FestivalNames : public testing::TestWithParam<FestivalCase> {};

TEST_P(FestivalNames, NameTheFestivalsOfTheDay) {
  EXPECT_EQ(joined(festivalNames(GetParam().date)), GetParam().festivals);
}

// Dates as the published calendars give them.
INSTANTIATE_TEST_SUITE_P(
    Days, FestivalNames,
    testing::Values(FestivalCase{"EveOnTheTwentyNinth2027", {2027, 2, 5}, "除夕"},
                    FestivalCase{"SpringFestival2027", {2027, 2, 6}, "春节"},
                    FestivalCase{"EveOnTheTwentyNinth2024", {2024, 2, 9}, "除夕"},
                    FestivalCase{"EveOnTheThirtieth2014", {2014, 1, 30}, "除夕"},
                    FestivalCase{"TheTwentyNinthIsNoEveWhenTheMonthHas30", {2014, 1, 29}, ""},
                    FestivalCase{"EveOnTheThirtieth2023", {2023, 1, 21}, "除夕"},
                    FestivalCase{"Lantern2026", {2026, 3, 3}, "元宵"},
                    FestivalCase{"DragonBoat2027", {2027, 6, 9}, "端午"},
                    FestivalCase{"DragonBoat2009", {2009, 5, 28}, "端午"},
                    FestivalCase{"FifthOfTheLeapFifthMonthIsNoFestival", {2009, 6, 27}, ""},
                    FestivalCase{"Qixi2026", {2026, 8, 19}, "七夕"},
                    FestivalCase{"MidAutumn2026", {2026, 9, 25}, "中秋"},
                    FestivalCase{"DoubleNinth2026", {2026, 10, 18}, "重阳"},
                    FestivalCase{"Laba2024", {2024, 1, 18}, "腊八"},
                    FestivalCase{"NewYearsDay", {2027, 1, 1}, "元旦"},
                    FestivalCase{"LabourDay", {1985, 5, 1}, "劳动节"},
                    FestivalCase{"NationalDayAndMidAutumnTogether", {2020, 10, 1}, "中秋 国庆节"},
                    FestivalCase{"NoNationalDayBeforeTheHolidayExisted", {1949, 10, 1}, ""},
                    FestivalCase{"FirstNationalDay", {1950, 10, 1}, "国庆节"},
                    FestivalCase{"OrdinaryDay", {2026, 12, 9}, ""},
                    FestivalCase{"FirstDayOfTheCalendar", {1901, 2, 19}, "春节"},
                    FestivalCase{"BeforeTheCalendar", {1901, 2, 18}, ""},
                    FestivalCase{"LastNationalDayOfTheCalendar", {2048, 10, 1}, "国庆节"},
                    FestivalCase{"LastDayOfTheCalendar", {2048, 12, 31}, ""},
                    FestivalCase{"NewYearsDayAfterTheCalendar", {2049, 1, 1}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FestivalNames, EveryFestivalOfTheTableFallsOnceIn2027) {
  std::map<std::string, int> days;
  for (Date date{2027, 1, 1}; date.year == 2027; date = nextDay(date)) {
    for (const std::string& name : festivalNames(date)) ++days[test::utf8(name)];
  }
  const std::map<std::string, int> expected = {{"元旦", 1}, {"腊八", 1},   {"除夕", 1}, {"春节", 1},
                                               {"元宵", 1}, {"劳动节", 1}, {"端午", 1}, {"七夕", 1},
                                               {"中秋", 1}, {"国庆节", 1}, {"重阳", 1}};
  EXPECT_EQ(days, expected);
}

}  // namespace
}  // namespace zeruda::calendar
