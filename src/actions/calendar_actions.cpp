#include "actions/calendar_actions.h"

#include "actions/inputs.h"
#include "calendar/gregorian.h"
#include "calendar/lunar.h"
#include "calendar/solar_terms.h"
#include "profile/legal_birth.h"
#include "text/gbk_literal.h"

#include <algorithm>
#include <span>

namespace zeruda::actions {

using namespace text::literals;

namespace {

// The range must be one the search offers.
Result<int> searchRange(const std::optional<std::string>& typed) {
  const auto days = readNumber(typed, Field::DayCount, 1, 180);
  if (!days.ok()) return days;
  const auto ranges = almanac::searchRanges();
  const bool offered = std::any_of(ranges.begin(), ranges.end(),
                                   [&](const auto& range) { return range.days == days.value(); });
  if (!offered) return refusal(Field::DayCount, "只能是7、15、30、60、90或180"_gbk);
  return days;
}

// The activity must be one the almanac offers: other text would be matched character
// by character and find days that mean nothing ("、" finds every day). True when the
// officer texts are searched, false when the day lists are.
Result<bool> searchesOfficerTexts(const std::string& activity, bool dayLists) {
  if (auto given = requireText(activity, Field::Activity); !given.ok()) return given.failure();
  const auto has = [&](std::span<const std::string> words) {
    return std::find(words.begin(), words.end(), activity) != words.end();
  };
  if (!dayLists && has(almanac::almanacActivities())) return true;
  if (has(almanac::traditionalAlmanacActivities())) return false;
  std::string list;
  for (const auto offered :
       {almanac::almanacActivities(), almanac::traditionalAlmanacActivities()}) {
    for (auto it = offered.begin(); it != offered.end(); ++it) {
      if (std::find(offered.begin(), it, *it) == it) list += (list.empty() ? "" : "、"_gbk) + *it;
    }
  }
  return refusal(Field::Activity, "“"_gbk + activity + "”不在可查的事项之中："_gbk + list);
}

Result<calendar::DateTime> openingBirth(const OpeningDaysRequest& request,
                                        const std::filesystem::path& savedProfile) {
  if (request.birthDate || request.birthTime) {
    return readMoment(request.birthDate.value_or(""), request.birthTime.value_or(""),
                      Field::BirthDate, Field::BirthTime);
  }
  const auto saved = savedProfile.empty() ? std::nullopt : profile::savedLegalPerson(savedProfile);
  if (!saved)
    return refusal(Field::BirthDate,
                   "不能为空：没有保存的法人资料，请给出法人的出生日期和时间"_gbk);
  if (!calendar::withinCalendar(saved->birth.date())) {
    return refusal(Field::BirthDate, "（保存的法人资料）须在1901年2月19日至2048年12月31日之间"_gbk);
  }
  return saved->birth;
}

}  // namespace

Result<calendar::DateTime> chartMoment(std::string_view date, std::string_view time) {
  return readMoment(date, time, Field::Day, Field::Time);
}

Result<almanac::AlmanacDay> almanacOf(std::string_view date) {
  const auto day = readDate(date, Field::Day);
  if (!day.ok()) return day.failure();
  return almanac::almanacDay(day.value());
}

Result<DayRange> dayRange(std::string_view from, std::string_view to) {
  const auto first = readDate(from, Field::FromDate);
  if (!first.ok()) return first.failure();
  const auto last = readDate(to, Field::ToDate);
  if (!last.ok()) return last.failure();
  if (last.value() < first.value()) return refusal(Field::ToDate, "不能早于起始日期"_gbk);
  return DayRange{first.value(), last.value()};
}

Result<TimedRange> calendarRange(std::string_view from, std::string_view to,
                                 const std::optional<std::string>& time) {
  const auto days = dayRange(from, to);
  if (!days.ok()) return days.failure();
  TimedRange range{days.value(), calendar::DateTime{0, 0, 0, 12, 0, 0}};
  if (time) {
    const auto clock = readTime(*time, Field::Time);
    if (!clock.ok()) return clock.failure();
    range.time = clock.value();
  }
  return range;
}

Result<AlmanacSearchAnswer> searchAlmanac(const AlmanacSearchRequest& request) {
  const auto from = readDate(request.from, Field::FromDate);
  if (!from.ok()) return from.failure();
  const auto days = searchRange(request.range);
  if (!days.ok()) return days.failure();
  const auto officerTexts = searchesOfficerTexts(request.activity, request.dayLists);
  if (!officerTexts.ok()) return officerTexts.failure();
  const auto column =
      request.avoid ? almanac::AlmanacColumn::Unfavourable : almanac::AlmanacColumn::Favourable;
  AlmanacSearchAnswer answer;
  answer.days = officerTexts.value()
                    ? almanac::searchAlmanac(from.value(), days.value(), column, request.activity)
                    : almanac::searchDayLists(from.value(), days.value(), column, request.activity);
  answer.daysAsked = days.value();
  // Days past the calendar's end have no officer and are not searched.
  const int daysLeft =
      calendar::dayNumber(calendar::kLastLunarDate) - calendar::dayNumber(from.value());
  answer.daysSearched = std::min(daysLeft, days.value());
  return answer;
}

Result<almanac::OpeningDaySearch> openingDays(const OpeningDaysRequest& request,
                                              const std::filesystem::path& savedProfile) {
  const auto from = readDate(request.from, Field::FromDate);
  if (!from.ok()) return from.failure();
  const auto days = readNumber(request.days, Field::DayCount, almanac::kFewestOpeningDays,
                               almanac::kMostOpeningDays);
  if (!days.ok()) return days.failure();
  const calendar::Date end = almanac::openingRangeEnd(from.value(), days.value());
  if (!calendar::withinCalendar(end)) {
    return refusal(Field::DayCount, "太多：查找的最后一天"_gbk + calendar::isoDate(end) +
                                        "已在2048年12月31日之后"_gbk);
  }
  const auto birth = openingBirth(request, savedProfile);
  if (!birth.ok()) return birth.failure();
  return almanac::searchOpeningDays(from.value(), days.value(), birth.value());
}

Result<calendar::TypedMonth> calendarMonth(std::string_view typed) {
  if (auto given = requireText(typed, Field::Month); !given.ok()) return given.failure();
  auto month = calendar::parseTypedMonth(typed);
  if (!month.ok()) return refusal(Field::Month, "："_gbk + month.error());
  return month.value();
}

Result<int> termYear(const std::optional<std::string>& typed) {
  return readNumber(typed, Field::Year, calendar::kFirstTermYear, calendar::kLastTermYear);
}

}  // namespace zeruda::actions
