#pragma once

#include "calendar/date_time.h"

#include <compare>
#include <optional>

namespace zeruda::calendar {

// A date of the Chinese lunar calendar. The year is the Gregorian year in which that
// lunar year begins; `leap` marks the intercalary copy of the month number.
struct LunarDate {
  int year = 0;
  int month = 0;
  int day = 0;
  bool leap = false;
  auto operator<=>(const LunarDate&) const = default;
};

// Lunar years covered by the month-length table.
inline constexpr int kFirstLunarYear = 1901;
inline constexpr int kLastLunarYear = 2049;

// The Gregorian span that converts to lunar dates: the calendar's range everywhere in
// the program, the front ends' date boxes and messages included.
inline constexpr Date kFirstLunarDate = {1901, 2, 19};
inline constexpr Date kLastLunarDate = {2048, 12, 31};

// Whether a date lies within that range: the one test of it in the program.
constexpr bool withinCalendar(Date date) {
  return !(date < kFirstLunarDate) && !(kLastLunarDate < date);
}

// The month after which the leap month of a lunar year comes; 0 when it has none or
// the year is outside the table.
int leapMonthOf(int lunarYear);

// Length of the normal month `month` (29 or 30); 0 outside the table.
int lunarMonthLength(int lunarYear, int month);

// Length of the leap copy of `month` (29 or 30); 0 when that month has no copy.
int leapMonthLength(int lunarYear, int month);

// Days of a lunar year; 0 outside the table.
int lunarYearLength(int lunarYear);

// Gregorian to lunar; nullopt for a date that does not exist or lies outside
// 1901-02-19 to 2048-12-31.
std::optional<LunarDate> solarToLunar(Date date);

// Lunar to Gregorian; nullopt when the lunar date does not exist (no such leap month,
// day beyond the month's end) or falls outside the span solarToLunar covers.
std::optional<Date> lunarToSolar(const LunarDate& lunar);

}  // namespace zeruda::calendar
