#include "calendar/date_time.h"

#include <gtest/gtest.h>

#include "support/text_support.h"

namespace zeruda::calendar {
namespace {

struct TextCase {
  const char* name;
  DateTime moment;
  const char* expected;
};

class DateTimeText : public testing::TestWithParam<TextCase> {};

TEST_P(DateTimeText, OmitsTrailingZeroTimeParts) {
  EXPECT_EQ(test::utf8(dateTimeText(GetParam().moment)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Moments, DateTimeText,
    testing::Values(
        TextCase{"AllParts", {2014, 2, 4, 6, 3, 10}, "2014年2月4日6时3分10秒"},
        TextCase{"NoSeconds", {1985, 6, 15, 8, 30, 0}, "1985年6月15日8时30分"},
        TextCase{"HourOnly", {1985, 6, 15, 8, 0, 0}, "1985年6月15日8时"},
        TextCase{"Midnight", {2000, 1, 1, 0, 0, 0}, "2000年1月1日"},
        TextCase{"SecondsWithZeroMinute", {2000, 1, 1, 0, 0, 5}, "2000年1月1日0时0分5秒"},
        TextCase{"MinuteWithZeroHour", {2000, 12, 31, 0, 7, 0}, "2000年12月31日0时7分"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeruda::calendar
