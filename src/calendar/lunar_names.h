#pragma once

#include "calendar/lunar.h"

#include <string>

namespace zeruda::calendar {

// Names of the calendar window, GBK. Month: "正", "二" … "十", "十一", "腊"; empty
// outside 1-12. The leap flag is never shown in these names.
std::string lunarMonthName(int month);

// Day: "初一" … "初十", "十一" … "十九", "二十", "廿一" … "廿九", "三十"; empty outside 1-30.
std::string lunarDayName(int day);

// A year written digit by digit in Chinese numerals: 2014 is "二零一四". Empty for a
// negative year.
std::string lunarYearNumerals(int year);

// The month as the date boxes write it: "闰" first for a leap month, then "正月",
// "二月" … "十月", "冬月", "腊月"; empty outside 1-12.
std::string dateBoxMonthName(int month, bool leap);

// Whether a leap month is marked: the birth-chart report leaves it out, the naming
// requests write "闰" before the month.
enum class LeapMarker { Omit, Show };

// "2014年9月1日" (decimal, no leading zeros), "2014年闰9月1日" with the marker.
std::string lunarText(const LunarDate& lunar, LeapMarker marker);

}  // namespace zeruda::calendar
