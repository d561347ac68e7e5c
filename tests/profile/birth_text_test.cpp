#include "profile/birth_text.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::profile {
namespace {

using calendar::DateTime;

struct ParseCase {
  const char* name;
  const char* text;
  DateTime expected;
};

class BirthText : public testing::TestWithParam<ParseCase> {};

TEST_P(BirthText, ReadsTheStoredFormBack) {
  auto parsed = parseBirthText(test::gbk(GetParam().text));
  ASSERT_TRUE(parsed.has_value());
  EXPECT_EQ(*parsed, GetParam().expected);
  EXPECT_EQ(test::utf8(calendar::dateTimeText(*parsed)), GetParam().text) << "round trip";
}

INSTANTIATE_TEST_SUITE_P(
    Forms, BirthText,
    testing::Values(ParseCase{"DateOnly", "2000年1月1日", {2000, 1, 1, 0, 0, 0}},
                    ParseCase{"Hour", "1985年6月15日8时", {1985, 6, 15, 8, 0, 0}},
                    ParseCase{"HourMinute", "1985年6月15日8时30分", {1985, 6, 15, 8, 30, 0}},
                    ParseCase{"AllParts", "2014年2月4日6时3分10秒", {2014, 2, 4, 6, 3, 10}},
                    ParseCase{
                        "ZeroHourWithMinute", "2000年12月31日0时7分", {2000, 12, 31, 0, 7, 0}},
                    ParseCase{"LeapDay", "2000年2月29日23时59分59秒", {2000, 2, 29, 23, 59, 59}}),
    [](const auto& info) { return std::string(info.param.name); });

struct BadCase {
  const char* name;
  std::string text;  // UTF-8, converted unless `raw`
  bool raw;
};

class BadBirthText : public testing::TestWithParam<BadCase> {};

TEST_P(BadBirthText, FallsBackToTheFirstOf2000) {
  std::string text = GetParam().raw ? GetParam().text : test::gbk(GetParam().text);
  EXPECT_EQ(parseBirthText(text), std::nullopt);
  EXPECT_EQ(birthFromProfile(text), (DateTime{2000, 1, 1, 0, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BadBirthText,
    testing::Values(
        BadCase{"Empty", "", false}, BadCase{"YearOnly", "2014年", false},
        BadCase{"NoDay", "2014年2月", false}, BadCase{"MonthThirteen", "2014年13月1日", false},
        BadCase{"FebruaryThirtieth", "2014年2月30日", false},
        BadCase{"NotALeapYear", "1900年2月29日", false}, BadCase{"YearZero", "0年1月1日", false},
        BadCase{"HourTwentyFour", "2014年2月4日24时", false},
        BadCase{"MinuteWithoutUnit", "2014年2月4日8时30", false},
        BadCase{"SecondsBeforeMinutes", "2014年2月4日8时10秒", false},
        BadCase{"TrailingText", "2014年2月4日晚", false}, BadCase{"Blanks", " 2014年2月4日", false},
        BadCase{"NegativeNumber", "2014年-2月4日", false},
        BadCase{"HugeNumber", "99999999999年1月1日", false},
        BadCase{"IsoForm", "2014-02-04 08:30", false}, BadCase{"Utf8Bytes", "2014年2月4日", true},
        BadCase{"CutCharacter", "2014\xC4", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeruda::profile
