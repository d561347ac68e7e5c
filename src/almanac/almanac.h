#pragma once

#include "almanac/day_officer.h"
#include "almanac/traditional_day.h"
#include "calendar/date_time.h"
#include "calendar/lunar.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zeruda::almanac {

// The activities offered for the almanac search, GBK, in their list order; "动土"
// stands twice, as it always has.
std::span<const std::string> almanacActivities();
// The activity the search starts with: "嫁娶".
const std::string& defaultAlmanacActivity();

// What the almanac tells of one day. Texts are GBK; all empty out of the calendar's span.
struct AlmanacDay {
  calendar::Date date;
  std::optional<calendar::LunarDate> lunar;
  // Year and month as at 23:59:59, so a 节's own day already has the month it opens, as
  // the officer counts it; the day as at noon, away from the change of day at 23:00.
  std::array<calendar::Pair, 3> pillars{};
  std::string zodiac;  // the animal of that year pillar
  std::optional<DayOfficer> officer;
  std::string nayin;  // of the day pillar

  std::string dateLine;      // "2014/2/4　农历1月5日　星期二　　水瓶座"
  std::string pillarsLine;   // "甲午年、生肖属马、丙寅月、丙午日　【定日】"
  std::string favourable;    // the officer's 宜 text
  std::string unfavourable;  // the officer's 忌 text

  // The traditional tables' 宜 and 忌 lists, clash, gods and hours of the day.
  std::optional<TraditionalDay> traditional;
};

AlmanacDay almanacDay(calendar::Date date);

// The day of the week, "星期六" (GBK).
std::string weekdayText(calendar::Date date);

// The day's lunar month and day in figures, "3-5", or "闰2-1" in a leap month (GBK);
// empty out of the calendar's span.
std::string lunarMonthDay(const AlmanacDay& day);

// The day officer's name (GBK); empty out of the calendar's span.
std::string officerName(const AlmanacDay& day);

// Which of an officer's two texts the search reads.
enum class AlmanacColumn { Favourable, Unfavourable };

// The search ranges of the almanac, in list order: their captions (GBK) and day counts.
struct SearchRange {
  std::string caption;
  int days = 0;
};
std::span<const SearchRange> searchRanges();

// The days among the `days` days after `start` (the start day itself not included)
// whose officer's chosen text contains `activity` (GBK; matched character by
// character, so a character never matches across two neighbours). Days outside the
// calendar's span have no officer and are never found.
std::vector<calendar::Date> searchAlmanac(calendar::Date start, int days, AlmanacColumn column,
                                          std::string_view activity);

// The activities of the traditional day lists (GBK), in the order the tables first
// name them: "祭祀", "祈福" … "开市", "纳财" ….
std::span<const std::string> traditionalAlmanacActivities();

// As searchAlmanac, but looking for `activity` among the words of the day's traditional
// 宜 or 忌 list (a whole word, not a part of one).
std::vector<calendar::Date> searchDayLists(calendar::Date start, int days, AlmanacColumn column,
                                           std::string_view activity);

// A found day as the list shows it: "2024年1月2日" (GBK).
std::string almanacDateText(calendar::Date date);

}  // namespace zeruda::almanac
