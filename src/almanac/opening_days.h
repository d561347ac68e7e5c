#pragma once

#include "almanac/day_officer.h"
#include "almanac/opening_activities.h"
#include "almanac/traditional_day.h"
#include "calendar/date_time.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zeruda::almanac {

// How many days after the start a search for opening days may cover.
inline constexpr int kFewestOpeningDays = 7;
inline constexpr int kMostOpeningDays = 365;

// Where the traditional 宜/忌 lists put 开市 on a day, best first.
enum class OpeningVerdict : std::uint8_t { Favoured, Neither, Forbidden };

// A day fit to open a business (开业吉日), with why.
struct OpeningDay {
  calendar::Date date;
  DayOfficer officer = DayOfficer::Jian;
  std::array<calendar::Pair, 3> pillars{};  // year, month and day, as the almanac has them
  bool favourable = false;  // the day stem's element is one of the chart's 喜用神
  OpeningVerdict verdict = OpeningVerdict::Neither;
  std::string weekday;  // GBK, "星期六"
  // GBK good points: officer, activities, the day lists, god, clash, element.
  std::vector<std::string> reasons;
  // GBK: what the day lists and the day's god and clash warn of.
  std::vector<std::string> cautions;
  std::vector<AlmanacHour> luckyHours;  // the hours whose god walks the 黄道
};

// A day the search set aside for clashing with the legal representative, and the note
// that says so (GBK).
struct LeftOutDay {
  calendar::Date date;
  std::string note;
};

struct OpeningDaySearch {
  std::vector<OpeningDay> days;     // best first
  std::vector<LeftOutDay> leftOut;  // by date
};

// The days among the `days` days after `start` (the start day itself not included) fit
// to open a business for a legal representative born at `birth`:
// - the officer's 宜 text names one of the business activities;
// - no clause of its 忌 text that holds in the day's lunar month names a forbidden
//   activity (unfavourable_clauses.h);
// - the officer is neither 破 nor 闭, whatever their texts say;
// - the day branch clashes (六冲) neither with the branch of the birth's year pillar nor
//   with that of its day pillar; such a day is left out with a note.
// Best first: the days the traditional lists mark 宜开市, then those that neither favour
// nor forbid it, then those marked 忌开市; within each, the days whose lists favour 纳财,
// then 交易, then 立券; then the officers whose texts name more business activities;
// then the days whose day stem's element is one of the birth chart's favourable
// elements; then by date. Days outside the calendar's span are never found; a birth
// outside it finds nothing.
OpeningDaySearch searchOpeningDays(calendar::Date start, int days, const calendar::DateTime& birth,
                                   const OpeningActivities& activities = openingActivities());

// The days of searchOpeningDays alone.
std::vector<OpeningDay> openingDays(calendar::Date start, int days, const calendar::DateTime& birth,
                                    const OpeningActivities& activities = openingActivities());

// A day's good points, cautions and lucky hours on one line (GBK):
// "值开日；宜交易…　留意：冲猪(辛亥)　煞东…　吉时：子、丑、卯…".
std::string openingDayText(const OpeningDay& day);

// The last day a search of `days` days after `start` looks at.
calendar::Date openingRangeEnd(calendar::Date start, int days);

}  // namespace zeruda::almanac
