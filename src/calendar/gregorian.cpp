#include "calendar/gregorian.h"

#include <array>

namespace zeruda::calendar {
namespace {

// Days before the first of each month in a common year.
constexpr std::array<int, 12> kMonthStarts = {0,   31,  59,  90,  120, 151,
                                              181, 212, 243, 273, 304, 334};

// Division rounding towards minus infinity, so years before 1 still count right.
constexpr int floorDiv(int a, int b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Leap years in 1..year (negative counts for years before 1).
constexpr int leapYearsThrough(int year) {
  return floorDiv(year, 4) - floorDiv(year, 100) + floorDiv(year, 400);
}

constexpr int kDaysBefore1901 = 365 * 1900 + leapYearsThrough(1900);

// Days from 0001-01-01 to the first day of the year.
constexpr int yearStart(int year) { return 365 * (year - 1) + leapYearsThrough(year - 1); }

}  // namespace

int daysInMonth(int year, int month) {
  constexpr std::array<int, 12> kLengths = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return kLengths[static_cast<std::size_t>(month - 1)] + (month == 2 && isLeapYear(year) ? 1 : 0);
}

bool isValidDate(Date date) {
  return date.year >= 1 && date.day >= 1 && date.day <= daysInMonth(date.year, date.month);
}

bool isValidTimeOfDay(const DateTime& m) {
  return m.hour >= 0 && m.hour <= 23 && m.minute >= 0 && m.minute <= 59 && m.second >= 0 &&
         m.second <= 59;
}

int dayNumber(Date date) {
  const int year = date.year + floorDiv(date.month - 1, 12);
  const int month = date.month - 12 * floorDiv(date.month - 1, 12);
  const int leapDay = month > 2 && isLeapYear(year) ? 1 : 0;
  return yearStart(year) - kDaysBefore1901 + kMonthStarts[static_cast<std::size_t>(month - 1)] +
         leapDay + date.day - 1;
}

Date dateOfDayNumber(int number) {
  const int fromYearOne = number + kDaysBefore1901;
  // An estimate from the mean year length, corrected by at most a step either way.
  int year = static_cast<int>(400LL * fromYearOne / 146097) + 1;
  while (yearStart(year) > fromYearOne) --year;
  while (yearStart(year + 1) <= fromYearOne) ++year;
  int dayOfYear = fromYearOne - yearStart(year);
  int month = 1;
  while (dayOfYear >= daysInMonth(year, month)) dayOfYear -= daysInMonth(year, month++);
  return {year, month, dayOfYear + 1};
}

Date nextDay(Date date) {
  if (date.day < daysInMonth(date.year, date.month)) return {date.year, date.month, date.day + 1};
  if (date.month < 12) return {date.year, date.month + 1, 1};
  return {date.year + 1, 1, 1};
}

}  // namespace zeruda::calendar
