#pragma once

#include "calendar/date_time.h"

#include <array>
#include <cstddef>

namespace zeruda::calendar {

// The small date arithmetic lives here inline: whole calendars run through it once a
// day, and a call across files would cost more than the work.
namespace detail {

// Division rounding towards minus infinity, so years before 1 still count right.
constexpr int floorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Leap years in 1..year (negative counts for years before 1).
constexpr int leapYearsThrough(int year) {
  return floorDiv(year, 4) - floorDiv(year, 100) + floorDiv(year, 400);
}

// Days from 0001-01-01 to the first day of the year.
constexpr int yearStart(int year) { return 365 * (year - 1) + leapYearsThrough(year - 1); }

constexpr int kDaysBefore1901 = yearStart(1901);

// Days before the first of each month in a common year.
constexpr std::array<int, 12> kMonthStarts = {0,   31,  59,  90,  120, 151,
                                              181, 212, 243, 273, 304, 334};
constexpr std::array<int, 12> kMonthLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

}  // namespace detail

// A year is leap when divisible by 4 and not by 100, or divisible by 400.
constexpr bool isLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days in a Gregorian month; 0 for a month outside 1-12.
constexpr int daysInMonth(int year, int month) {
  if (month < 1 || month > 12) return 0;
  return detail::kMonthLengths[static_cast<std::size_t>(month - 1)] +
         (month == 2 && isLeapYear(year) ? 1 : 0);
}

// True for a date that exists in the Gregorian calendar (year 1 onwards).
constexpr bool isValidDate(Date date) {
  return date.year >= 1 && date.day >= 1 && date.day <= daysInMonth(date.year, date.month);
}

// True when the time of day is a civil time: 00:00:00 to 23:59:59.
constexpr bool isValidTimeOfDay(const DateTime& m) {
  return m.hour >= 0 && m.hour <= 23 && m.minute >= 0 && m.minute <= 59 && m.second >= 0 &&
         m.second <= 59;
}

// Days from 1901-01-01 (day 0) to the date under the Gregorian rules; earlier dates
// give negative numbers. A month outside 1-12 counts on into the neighbouring
// years (month 13 is the next January), and days beyond a month's end count on too.
constexpr int dayNumber(Date date) {
  const int yearsOver = detail::floorDiv(date.month - 1, 12);
  const int year = date.year + yearsOver;
  const int month = date.month - 12 * yearsOver;
  const int leapDay = month > 2 && isLeapYear(year) ? 1 : 0;
  return detail::yearStart(year) - detail::kDaysBefore1901 +
         detail::kMonthStarts[static_cast<std::size_t>(month - 1)] + leapDay + date.day - 1;
}

// Day of the week, 0 for Sunday to 6 for Saturday (1901-01-01 was a Tuesday).
constexpr int weekdayOf(Date date) { return ((dayNumber(date) + 2) % 7 + 7) % 7; }

// The date of a day number, the inverse of dayNumber for real dates.
Date dateOfDayNumber(int number);

// The next calendar day of a valid date.
constexpr Date nextDay(Date date) {
  if (date.day < daysInMonth(date.year, date.month)) return {date.year, date.month, date.day + 1};
  if (date.month < 12) return {date.year, date.month + 1, 1};
  return {date.year + 1, 1, 1};
}

}  // namespace zeruda::calendar
