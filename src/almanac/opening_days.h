#pragma once

#include "almanac/day_officer.h"
#include "almanac/opening_activities.h"
#include "calendar/date_time.h"

#include <array>
#include <string>
#include <vector>

namespace zeruda::almanac {

// How many days after the start a search for opening days may cover.
inline constexpr int kFewestOpeningDays = 7;
inline constexpr int kMostOpeningDays = 365;

// A day fit to open a business (开业吉日), with why.
struct OpeningDay {
  calendar::Date date;
  DayOfficer officer = DayOfficer::Jian;
  std::array<int, 3> pillars{};      // year, month and day pair numbers, as the almanac has them
  bool favourable = false;           // the day stem's element is one of the chart's 喜用神
  std::vector<std::string> reasons;  // GBK: officer, activities, month clause, clash, element
};

// The days among the `days` days after `start` (the start day itself not included) fit
// to open a business for a legal representative born at `birth`:
// - the officer's 宜 text names one of the business activities;
// - no clause of its 忌 text that holds in the day's lunar month names a forbidden
//   activity (unfavourable_clauses.h);
// - the officer is neither 破 nor 闭, whatever their texts say;
// - the day branch does not clash (六冲) with the branch of the birth's year pillar.
// Best first: the days whose day stem's element is one of the birth chart's favourable
// elements, then the rest, each group by date. Days outside the calendar's span are
// never found; a birth outside it finds nothing.
std::vector<OpeningDay> openingDays(calendar::Date start, int days, const calendar::DateTime& birth,
                                    const OpeningActivities& activities = openingActivities());

// The last day a search of `days` days after `start` looks at.
calendar::Date openingRangeEnd(calendar::Date start, int days);

}  // namespace zeruda::almanac
