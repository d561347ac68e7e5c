#pragma once

#include "calendar/date_time.h"

#include <string>
#include <string_view>

namespace zeruda::cli {

// "YYYY-MM-DD" (month and day may drop their leading zero). A malformed text or a date
// that does not exist (2023-02-29) is a UsageError naming `what`. A date outside the
// calendar, 1901-02-19 to 2048-12-31, is an OutOfRange refusal: one rule for every
// command that takes a date.
calendar::Date parseDate(std::string_view text, std::string_view what);

// How every command words a date (or a month) it refuses because the calendar does not
// reach it: "1850-06-01 is outside the calendar (1901-02-19 to 2048-12-31)".
std::string outsideCalendar(std::string_view dateText);

// "HH:MM" or "HH:MM:SS" within 00:00:00-23:59:59, else a UsageError naming `what`.
// The date part of the result is left zero.
calendar::DateTime parseTime(std::string_view text, std::string_view what);

}  // namespace zeruda::cli
