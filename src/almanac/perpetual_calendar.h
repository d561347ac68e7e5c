#pragma once

#include "calendar/date_time.h"

#include "text/rgb.h"

#include <string>
#include <vector>

namespace zeruda::almanac {

// The texts of the perpetual-calendar window, GBK.

// The day number's colours of the today display: red at weekends, teal on working days.
inline constexpr Rgb kWeekendColour{255, 0, 0};
inline constexpr Rgb kWeekdayColour{0, 128, 128};

// The today display of a moment.
struct TodayTexts {
  std::string yearMonth;  // "2014年2月"
  std::string day;        // "4"
  Rgb dayColour = kWeekdayColour;
  std::string lunar;    // "农历:二零一四年正月初五"
  std::string pillars;  // "四柱:甲午 丙寅 丙午 辛卯"
};
TodayTexts todayTexts(const calendar::DateTime& now);

// The four pillars of a moment joined by single spaces ("甲午 丙寅 丙午 辛卯"); empty
// outside the calendar's span.
std::string pillarsLine(const calendar::DateTime& moment);

// "农历日期:2014年1月5日", the lunar date in decimal; empty outside the span.
std::string lunarDateLine(calendar::Date date);

// The year's 24 solar terms from 立春, one line each: "立春:2014年2月4日6时3分10秒",
// the time shortened as the profile writes times. Empty for a year outside the table.
std::vector<std::string> solarTermList(int year);

// What a day cell of a month view shows under the Gregorian day: the month's name on
// the first of a lunar month ("正月", "闰四月"), else the name of a term that begins on
// the day, else the lunar day ("初二", "廿九"); empty outside the span.
std::string dayCellName(calendar::Date date);

// The name of the solar term that begins on a day (GBK); empty on other days.
std::string termNameOfDay(calendar::Date date);

}  // namespace zeruda::almanac
