#include "calendar/lunar_names.h"

#include "text/gbk_literal.h"

#include <array>
#include <string_view>

namespace zeruda::calendar {
namespace {

using namespace text::literals;

// The numerals of the digits 0-9.
const std::string& numeral(int digit) {
  static const std::array<std::string, 10> numerals = {"零"_gbk, "一"_gbk, "二"_gbk, "三"_gbk,
                                                       "四"_gbk, "五"_gbk, "六"_gbk, "七"_gbk,
                                                       "八"_gbk, "九"_gbk};
  return numerals[static_cast<std::size_t>(digit)];
}

// Months 1-10 share their names with the plain numbers.
std::string monthNumberName(int month) {
  return month == 1 ? "正"_gbk : month == 10 ? "十"_gbk : numeral(month);
}

}  // namespace

std::string lunarMonthName(int month) {
  if (month < 1 || month > 12) return {};
  if (month == 11) return "十一"_gbk;
  if (month == 12) return "腊"_gbk;
  return monthNumberName(month);
}

std::string lunarDayName(int day) {
  if (day < 1 || day > 30) return {};
  if (day == 10) return "初十"_gbk;
  if (day == 20) return "二十"_gbk;
  if (day == 30) return "三十"_gbk;
  if (day < 10) return "初"_gbk + numeral(day);
  return (day < 20 ? "十"_gbk : "廿"_gbk) + numeral(day % 10);
}

std::string lunarYearNumerals(int year) {
  if (year < 0) return {};
  std::string out;
  for (char digit : std::to_string(year)) out += numeral(digit - '0');
  return out;
}

std::string dateBoxMonthName(int month, bool leap) {
  if (month < 1 || month > 12) return {};
  std::string out = leap ? "闰"_gbk : std::string();
  if (month == 11) return out + "冬月"_gbk;
  if (month == 12) return out + "腊月"_gbk;
  return out + monthNumberName(month) + "月"_gbk;
}

std::string lunarText(const LunarDate& lunar, LeapMarker marker) {
  return std::to_string(lunar.year) + "年"_gbk +
         (marker == LeapMarker::Show && lunar.leap ? "闰"_gbk : std::string()) +
         std::to_string(lunar.month) + "月"_gbk + std::to_string(lunar.day) + "日"_gbk;
}

}  // namespace zeruda::calendar
