#pragma once

#include <compare>
#include <string>

namespace zeruda::calendar {

// A Gregorian calendar date. Plain fields: the calendar code decides what is in range.
struct Date {
  int year = 0;
  int month = 0;
  int day = 0;
  auto operator<=>(const Date&) const = default;
};

// A Gregorian date with a civil time of day (Beijing time wherever it matters).
struct DateTime {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;

  static constexpr DateTime of(Date date, int hour = 0, int minute = 0, int second = 0) {
    return {date.year, date.month, date.day, hour, minute, second};
  }
  constexpr Date date() const { return {year, month, day}; }
  auto operator<=>(const DateTime&) const = default;
};

// The GBK text form used by the profile, the reports and the solar-term list:
// "2014年2月4日" followed by "6时3分10秒", "6时3分" or "6时" when the trailing
// parts are zero, and by nothing at midnight.
std::string dateTimeText(const DateTime& moment);

// A date as the command line and its JSON write it: "2027-01-05".
std::string isoDate(Date date);

}  // namespace zeruda::calendar
