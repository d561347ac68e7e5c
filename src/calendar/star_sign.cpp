#include "calendar/star_sign.h"

#include "text/gbk_literal.h"

#include <array>
#include <string_view>

namespace zeruda::calendar {
namespace {

using namespace text::literals;

struct StarSignBound {
  int lastDay;  // month × 100 + day of the sign's last day
  std::string_view name;
};

// The Western signs with the closing day of each, by the usual tropical dates.
constexpr std::array<StarSignBound, 12> kStarSignBounds = {{
    {119, "摩羯座"},
    {218, "水瓶座"},
    {320, "双鱼座"},
    {419, "白羊座"},
    {520, "金牛座"},
    {621, "双子座"},
    {722, "巨蟹座"},
    {822, "狮子座"},
    {922, "处女座"},
    {1023, "天秤座"},
    {1122, "天蝎座"},
    {1221, "射手座"},
}};

}  // namespace

std::string starSignOf(Date date) {
  const int n = date.month * 100 + date.day;
  for (const auto& bound : kStarSignBounds) {
    if (n <= bound.lastDay) return text::toGbk(bound.name);
  }
  return "摩羯座"_gbk;  // from 22 December on
}

}  // namespace zeruda::calendar
