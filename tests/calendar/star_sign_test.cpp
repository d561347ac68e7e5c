#include "calendar/star_sign.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::calendar {
namespace {

struct SignCase {
  const char* name;
  Date date;
  const char* sign;
};

class StarSign : public testing::TestWithParam<SignCase> {};

TEST_P(StarSign, FollowsTheSignDates) {
  EXPECT_EQ(test::utf8(starSignOf(GetParam().date)), GetParam().sign);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, StarSign,
    testing::Values(SignCase{"NewYearsDay", {2014, 1, 1}, "摩羯座"},
                    SignCase{"NewYearsEve", {2014, 12, 31}, "摩羯座"},
                    SignCase{"NineteenthOfJanuary", {2014, 1, 19}, "摩羯座"},
                    SignCase{"TwentiethOfJanuary", {2014, 1, 20}, "水瓶座"},
                    SignCase{"EighteenthOfFebruary", {2014, 2, 18}, "水瓶座"},
                    SignCase{"NineteenthOfFebruary", {2014, 2, 19}, "双鱼座"},
                    SignCase{"TwentyFirstOfMarch", {2014, 3, 21}, "白羊座"},
                    SignCase{"TwentySecondOfJune", {2014, 6, 22}, "巨蟹座"},
                    SignCase{"TwentyThirdOfOctober", {2014, 10, 23}, "天秤座"},
                    SignCase{"TwentyFourthOfOctober", {2014, 10, 24}, "天蝎座"},
                    SignCase{"TwentyFirstOfDecember", {2014, 12, 21}, "射手座"},
                    SignCase{"TwentySecondOfDecember", {2014, 12, 22}, "摩羯座"},
                    SignCase{"OutsideTheLunarSpan", {1880, 8, 1}, "狮子座"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeruda::calendar
