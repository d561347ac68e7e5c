#include "chart/birth_time_warnings.h"

#include "calendar/ganzhi.h"
#include "calendar/gregorian.h"
#include "calendar/pillars.h"
#include "calendar/solar_terms.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace zeruda::chart {

using namespace calendar;
namespace {

using namespace text::literals;

constexpr std::int64_t kSecondsPerDay = 86400;
constexpr std::int64_t kTermWindow = 2 * 3600;  // 不足两小时
constexpr std::int64_t kHourWindow = 10 * 60;   // 不足十分钟

// The 节 that open the solar months, by the Gregorian month each falls in.
constexpr std::array<std::string_view, 12> kOpeningTermNames = {
    "小寒", "立春", "惊蛰", "清明", "立夏", "芒种", "小暑", "立秋", "白露", "寒露", "立冬", "大雪"};
constexpr int kLichunMonth = 2;

std::int64_t secondsOf(const DateTime& m) {
  return static_cast<std::int64_t>(dayNumber(m.date())) * kSecondsPerDay + m.hour * 3600 +
         m.minute * 60 + m.second;
}

DateTime momentOf(std::int64_t seconds) {
  const auto day = static_cast<int>(seconds / kSecondsPerDay - (seconds % kSecondsPerDay < 0));
  const auto second = static_cast<int>(seconds - day * kSecondsPerDay);
  return DateTime::of(dateOfDayNumber(day), second / 3600, second % 3600 / 60, second % 60);
}

std::int64_t distance(std::int64_t a, std::int64_t b) { return a > b ? a - b : b - a; }

// The pillars just before a moment and at it; nothing when either lies out of the span.
std::optional<std::array<FourPillars, 2>> pillarsAround(std::int64_t moment) {
  const FourPillars before = fourPillars(momentOf(moment - 1));
  const FourPillars after = fourPillars(momentOf(moment));
  if (!before.year.valid() || !after.year.valid()) return std::nullopt;
  return std::array{before, after};
}

// "癸巳年 乙丑月" at 立春, "乙丑月" at any other 节.
std::string yearAndMonth(const FourPillars& p, bool withYear) {
  std::string text = withYear ? p.year.text() + "年 "_gbk : std::string();
  return text + p.month.text() + "月"_gbk;
}

std::optional<std::string> termWarning(const DateTime& birth) {
  // Every 节 falls on the 3rd to the 9th of its own month, days away from the month's
  // ends: the only one within two hours of a birth is that of the birth's month.
  const DateTime term = termEntryTime(birth.year, 2 * birth.month - 1);
  if (term == kNoTermMoment || distance(secondsOf(term), secondsOf(birth)) >= kTermWindow) {
    return std::nullopt;
  }
  const auto around = pillarsAround(secondsOf(term));
  if (!around) return std::nullopt;
  const bool lichun = birth.month == kLichunMonth;
  return "出生时刻距"_gbk +
         text::toGbk(kOpeningTermNames[static_cast<std::size_t>(birth.month - 1)]) + "（"_gbk +
         dateTimeText(term) + "）不足两小时；此刻之前为 "_gbk + yearAndMonth((*around)[0], lichun) +
         "，之后为 "_gbk + yearAndMonth((*around)[1], lichun) + "。"_gbk;
}

// Between 23:00 and midnight the chart's day is already the next one. Those who change
// the day at midnight keep today's day pillar; the hour stays the 子 hour that runs on
// into the next day, whose stem the next day's stem gives, so both ways share it.
std::optional<std::string> lateZiWarning(const DateTime& birth) {
  if (birth.hour != 23) return std::nullopt;
  const FourPillars chart = fourPillars(birth);
  const Pair today = fourPillars(DateTime::of(birth.date(), 12)).day;
  if (!chart.day.valid() || !today.valid()) return std::nullopt;
  const std::string hour = chart.hour.text();
  return "23时后出生按23时换日（日柱 "_gbk + chart.day.text() + "，时柱 "_gbk + hour +
         "）；若按子夜换日，日柱 "_gbk + today.text() + "，时柱 "_gbk + hour + "。"_gbk;
}

// 时辰 change at the odd hours; the nearest boundary is the start of an odd hour or the
// end of an even one.
std::optional<std::string> hourBoundaryWarning(const DateTime& birth) {
  const int boundaryHour = birth.hour % 2 == 1 ? birth.hour : birth.hour + 1;
  const std::int64_t boundary = secondsOf(DateTime::of(birth.date(), boundaryHour));
  if (distance(boundary, secondsOf(birth)) >= kHourWindow) return std::nullopt;
  const auto around = pillarsAround(boundary);
  if (!around) return std::nullopt;
  return "出生时刻距时辰交界不足十分钟；前一时辰为 "_gbk + (*around)[0].hour.text() +
         "，后一时辰为 "_gbk + (*around)[1].hour.text() + "。"_gbk;
}

}  // namespace

std::vector<std::string> birthTimeWarnings(const DateTime& birth) {
  std::vector<std::string> warnings;
  if (!inPillarSpan(birth)) return warnings;
  for (auto* warning : {termWarning, lateZiWarning, hourBoundaryWarning}) {
    if (auto text = warning(birth)) warnings.push_back(std::move(*text));
  }
  return warnings;
}

}  // namespace zeruda::chart
