#pragma once

#include "actions/context.h"
#include "almanac/almanac.h"
#include "almanac/opening_days.h"
#include "calendar/date_time.h"
#include "calendar/typed_date.h"
#include "text/result.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zeruda::actions {

// The calendar's requests: dates and times as typed (GBK), numbers as typed.

// A birth chart's moment: a date and a time of day (seconds allowed).
Result<calendar::DateTime> chartMoment(std::string_view date, std::string_view time);

// The almanac of one day.
Result<almanac::AlmanacDay> almanacOf(std::string_view date);

// The days of a range, first to last, both within the calendar and in order.
struct DayRange {
  calendar::Date from;
  calendar::Date to;
};
Result<DayRange> dayRange(std::string_view from, std::string_view to);

// A range of days with the time of day each is looked at (absent: noon).
struct TimedRange {
  DayRange days;
  calendar::DateTime time;
};
Result<TimedRange> calendarRange(std::string_view from, std::string_view to,
                                 const std::optional<std::string>& time);

// The almanac search: days within one of the offered ranges after `from` that favour
// (or disfavour) an activity the almanac offers: by the officer texts for the officer
// texts' own activities, else (or with `dayLists`) by the day's 宜 and 忌 lists.
struct AlmanacSearchRequest {
  std::string from;
  std::optional<std::string> range;  // 7, 15, 30, 60, 90 or 180
  std::string activity;
  bool avoid = false;
  bool dayLists = false;
};
struct AlmanacSearchAnswer {
  std::vector<calendar::Date> days;
  int daysSearched = 0;  // fewer than asked when the calendar ends first
  int daysAsked = 0;
};
Result<AlmanacSearchAnswer> searchAlmanac(const AlmanacSearchRequest& request);

// Days fit for opening a business for a legal representative: the birth given, else
// the one saved in `savedProfile` (none when empty).
struct OpeningDaysRequest {
  std::string from;
  std::optional<std::string> days;  // 7-365
  std::optional<std::string> birthDate;
  std::optional<std::string> birthTime;
};
Result<almanac::OpeningDaySearch> openingDays(const OpeningDaysRequest& request,
                                              const std::filesystem::path& savedProfile);

// A month some of whose days lie within the calendar ("2026-12", "2026年12月").
Result<calendar::TypedMonth> calendarMonth(std::string_view typed);

// A year whose solar terms the tables hold.
Result<int> termYear(const std::optional<std::string>& typed);

}  // namespace zeruda::actions
