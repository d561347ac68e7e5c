#pragma once

#include "calendar/date_time.h"

#include <string>

namespace zeruda::calendar {

// The pair numbers (1-60, 甲子 = 1) of the year, month, day and hour of a moment;
// all 0 when the moment is outside the calendar's span.
struct PillarNumbers {
  int year = 0;
  int month = 0;
  int day = 0;
  int hour = 0;
  bool operator==(const PillarNumbers&) const = default;
};

// The four pillars as GBK texts of two characters each; all empty out of range.
struct FourPillars {
  std::string year;
  std::string month;
  std::string day;
  std::string hour;
  bool operator==(const FourPillars&) const = default;
};

// True for a real date and time of day from 1901-02-19 00:00:00 to 2048-12-31 23:59:59,
// the span the pillars are computed for.
bool inPillarSpan(const DateTime& moment);

// The year changes at 立春 and the month at each of the twelve opening terms, to the
// second; the day changes at 23:00.
PillarNumbers pillarNumbers(const DateTime& moment);
FourPillars fourPillars(const DateTime& moment);

// The zodiac animal (GBK) of the year pillar, so it changes at 立春; empty out of range.
std::string zodiacAnimalOf(const DateTime& moment);

}  // namespace zeruda::calendar
