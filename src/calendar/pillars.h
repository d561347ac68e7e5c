#pragma once

#include "calendar/date_time.h"
#include "calendar/sixty_pair.h"

#include <string>

namespace zeruda::calendar {

// The pairs of the year, month, day and hour of a moment; all none when the moment is
// outside the calendar's span.
struct FourPillars {
  Pair year;
  Pair month;
  Pair day;
  Pair hour;
  bool operator==(const FourPillars&) const = default;
};

// True for a real date and time of day from 1901-02-19 00:00:00 to 2048-12-31 23:59:59,
// the span the pillars are computed for.
bool inPillarSpan(const DateTime& moment);

// The year changes at 立春 and the month at each of the twelve opening terms, to the
// second; the day changes at 23:00.
FourPillars fourPillars(const DateTime& moment);

// "甲子年乙丑月丙寅日丁卯时" (GBK), as the profiles store the pillars.
std::string pillarsWithUnits(const FourPillars& pillars);
// The eight characters run together: "甲子乙丑丙寅丁卯".
std::string eightCharacters(const FourPillars& pillars);
// The branch character of the hour pillar; empty for none.
std::string hourBranchText(const FourPillars& pillars);

// The zodiac animal (GBK) of the year pillar, so it changes at 立春; empty out of range.
std::string zodiacAnimalOf(const DateTime& moment);

}  // namespace zeruda::calendar
