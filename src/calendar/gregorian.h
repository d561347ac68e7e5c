#pragma once

#include "calendar/date_time.h"

namespace zeruda::calendar {

// A year is leap when divisible by 4 and not by 100, or divisible by 400.
constexpr bool isLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days in a Gregorian month; 0 for a month outside 1-12.
int daysInMonth(int year, int month);

// True for a date that exists in the Gregorian calendar (year 1 onwards).
bool isValidDate(Date date);

// True when the time of day is a civil time: 00:00:00 to 23:59:59.
bool isValidTimeOfDay(const DateTime& moment);

// Days from 1901-01-01 (day 0) to the date under the Gregorian rules; earlier dates
// give negative numbers. A month outside 1-12 counts on into the neighbouring
// years (month 13 is the next January), and days beyond a month's end count on too.
int dayNumber(Date date);

// The date of a day number, the inverse of dayNumber for real dates.
Date dateOfDayNumber(int number);

// The next calendar day of a valid date.
Date nextDay(Date date);

}  // namespace zeruda::calendar
