#include "calendar/typed_date.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>

namespace zeruda::calendar {

void PrintTo(const Date& date, std::ostream* out) {
  *out << date.year << '-' << date.month << '-' << date.day;
}

namespace {

// Lunar reference days are calendar facts: 1985-06-15 was the 27th of the fourth
// month; lunar 2023 had a leap second month from 2023-03-22 after a second month
// from 2023-02-20; 2014's ninth month began on 2014-09-24, its leap ninth on
// 2014-10-24 and its tenth on 2014-11-22; 2015's ninth began on 2015-10-13; lunar
// 2013 began on 2013-02-10; 2014's first month had 29 days.
struct ParseCase {
  const char* name;
  const char* text;  // UTF-8
  DateCalendar calendar;
  std::optional<Date> date;  // nothing: refused with `message`
  const char* message = "";
};

constexpr auto G = DateCalendar::Gregorian;
constexpr auto L = DateCalendar::Lunar;
constexpr const char* kShape = "请按年、月、日的次序输入日期，如1985-06-15或1985年6月15日";
constexpr const char* kRange = "日期须在1901年2月19日至2048年12月31日之间";

class ParseTypedDate : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseTypedDate, TakesTheDateOrSaysWhyNot) {
  const ParseCase& c = GetParam();
  const Result<Date> parsed = parseTypedDate(test::gbk(c.text), c.calendar);
  if (c.date) {
    ASSERT_TRUE(parsed.ok()) << test::utf8(parsed.error());
    EXPECT_EQ(parsed.value(), *c.date);
  } else {
    ASSERT_FALSE(parsed.ok());
    EXPECT_EQ(test::utf8(parsed.error()), c.message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseTypedDate,
    testing::Values(
        ParseCase{"Dashes", "1985-06-15", G, Date{1985, 6, 15}},
        ParseCase{"EightDigits", "19850615", G, Date{1985, 6, 15}},
        ParseCase{"ChineseUnits", "1985年6月15日", G, Date{1985, 6, 15}},
        ParseCase{"Slashes", "1985/6/15", G, Date{1985, 6, 15}},
        ParseCase{"DotsAndBlanks", " 1985.6.15 ", G, Date{1985, 6, 15}},
        ParseCase{"FullWidthDigits", "１９８５－０６－１５", G, Date{1985, 6, 15}},
        ParseCase{"FirstDay", "1901-2-19", G, Date{1901, 2, 19}},
        ParseCase{"LastDay", "2048-12-31", G, Date{2048, 12, 31}},
        ParseCase{"BeforeTheRange", "1901-02-18", G, std::nullopt, kRange},
        ParseCase{"AfterTheRange", "2049-01-01", G, std::nullopt, kRange},
        ParseCase{"NoLeapDayIn1985", "1985-02-29", G, std::nullopt, "没有这一天：1985年2月29日"},
        ParseCase{"ThirteenthMonth", "19851301", G, std::nullopt, "没有这一天：1985年13月1日"},
        ParseCase{"GregorianHasNoLeapMonth", "1985年闰6月15日", G, std::nullopt, "公历没有闰月"},
        ParseCase{"TwoParts", "1985-06", G, std::nullopt, kShape},
        ParseCase{"Empty", "", G, std::nullopt, kShape},
        ParseCase{"Letters", "1985-06-15x", G, std::nullopt, kShape},
        ParseCase{"LunarDate", "1985年4月27日", L, Date{1985, 6, 15}},
        ParseCase{"LunarLeapMonth", "2023年闰2月10日", L, Date{2023, 3, 31}},
        ParseCase{"LunarPlainMonth", "2023-2-10", L, Date{2023, 3, 1}},
        ParseCase{"LunarEightDigits", "20141001", L, Date{2014, 11, 22}},
        ParseCase{"LunarLeapNinth", "2014/闰9/1", L, Date{2014, 10, 24}},
        ParseCase{"LunarFirstDay", "1901年1月1日", L, Date{1901, 2, 19}},
        ParseCase{"LunarLastDay", "2048年11月27日", L, Date{2048, 12, 31}},
        ParseCase{"LunarPastTheLastDay", "2048年11月28日", L, std::nullopt, kRange},
        ParseCase{"LunarBeforeTheTable", "1900年12月1日", L, std::nullopt, kRange},
        ParseCase{"NoSuchLeapMonth", "2023年闰3月1日", L, std::nullopt,
                  "农历没有这一天：2023年闰3月1日"},
        ParseCase{"ShortLunarMonth", "2014年1月30日", L, std::nullopt,
                  "农历没有这一天：2014年1月30日"},
        ParseCase{"LeapMarkOnTheDay", "2023年2月闰10日", L, std::nullopt, kShape}),
    [](const auto& info) { return info.param.name; });

TEST(TypedDateText, WritesTheDateAsItIsTyped) {
  EXPECT_EQ(test::utf8(typedDateText({1985, 6, 15}, G)), "1985年6月15日");
  EXPECT_EQ(test::utf8(typedDateText({2023, 3, 31}, L)), "2023年闰2月10日");
  EXPECT_EQ(test::utf8(typedDateText({1900, 1, 1}, L)), "");
}

struct FieldCase {
  const char* name;
  const char* text;    // UTF-8
  std::size_t offset;  // bytes of the GBK text
  DateField field;
  std::size_t fieldEnd;  // where that field's digits end, in bytes
};

class TypedDateField : public testing::TestWithParam<FieldCase> {};

TEST_P(TypedDateField, IsTheDigitsTheCursorStandsAt) {
  const FieldCase& c = GetParam();
  const std::string text = test::gbk(c.text);
  EXPECT_EQ(typedDateFieldAt(text, c.offset), c.field);
  EXPECT_EQ(typedDateFieldEnd(text, c.field), c.fieldEnd);
}

// "1985年6月15日" in GBK: 1985 at bytes 0-4, 年 4-6, 6 at 6-7, 月 7-9, 15 at 9-11.
INSTANTIATE_TEST_SUITE_P(
    Cursors, TypedDateField,
    testing::Values(FieldCase{"StartOfText", "1985年6月15日", 0, DateField::Year, 4},
                    FieldCase{"AfterTheYear", "1985年6月15日", 4, DateField::Year, 4},
                    FieldCase{"BeforeTheMonth", "1985年6月15日", 6, DateField::Month, 7},
                    FieldCase{"InTheDay", "1985年6月15日", 10, DateField::Day, 11},
                    FieldCase{"EndOfText", "1985年6月15日", 13, DateField::Day, 11},
                    FieldCase{"LeapMonth", "2023年闰2月10日", 9, DateField::Month, 9},
                    FieldCase{"EightDigitsMonth", "19850615", 5, DateField::Month, 6},
                    FieldCase{"EightDigitsDay", "19850615", 7, DateField::Day, 8},
                    FieldCase{"HalfTyped", "1985-0", 6, DateField::Month, 6}),
    [](const auto& info) { return info.param.name; });

struct StepCase {
  const char* name;
  Date from;
  DateCalendar calendar;
  DateField field;
  int steps;
  std::optional<Date> to;
};

class StepTypedDate : public testing::TestWithParam<StepCase> {};

TEST_P(StepTypedDate, MovesTheFieldAndKeepsTheDayInItsMonth) {
  const StepCase& c = GetParam();
  EXPECT_EQ(stepTypedDate(c.from, c.calendar, c.field, c.steps), c.to);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, StepTypedDate,
    testing::Values(
        StepCase{"DayIntoNextMonth", {1985, 6, 30}, G, DateField::Day, 1, Date{1985, 7, 1}},
        StepCase{"MonthKeepsTheLastDay", {1985, 1, 31}, G, DateField::Month, 1, Date{1985, 2, 28}},
        StepCase{
            "MonthBackIntoLastYear", {1985, 1, 15}, G, DateField::Month, -1, Date{1984, 12, 15}},
        StepCase{"YearFromALeapDay", {2000, 2, 29}, G, DateField::Year, 1, Date{2001, 2, 28}},
        StepCase{"NoDayBeforeTheFirst", {1901, 2, 19}, G, DateField::Day, -1, std::nullopt},
        StepCase{"NoYearAfterTheLast", {2048, 3, 1}, G, DateField::Year, 1, std::nullopt},
        StepCase{
            "LunarNinthToLeapNinth", {2014, 9, 24}, L, DateField::Month, 1, Date{2014, 10, 24}},
        StepCase{
            "LunarLeapNinthToTenth", {2014, 10, 24}, L, DateField::Month, 1, Date{2014, 11, 22}},
        StepCase{"LunarTenthBackToLeapNinth",
                 {2014, 11, 22},
                 L,
                 DateField::Month,
                 -1,
                 Date{2014, 10, 24}},
        StepCase{"LunarLeapMonthIntoAYearWithout",
                 {2014, 10, 24},
                 L,
                 DateField::Year,
                 1,
                 Date{2015, 10, 13}},
        StepCase{"LunarYearBack", {2014, 1, 31}, L, DateField::Year, -1, Date{2013, 2, 10}},
        StepCase{"LunarDay", {2014, 1, 30}, L, DateField::Day, 1, Date{2014, 1, 31}}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace zeruda::calendar
