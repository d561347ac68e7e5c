#include "almanac/perpetual_calendar.h"

#include "calendar/ganzhi.h"
#include "calendar/gregorian.h"
#include "calendar/lunar.h"
#include "calendar/lunar_names.h"
#include "calendar/pillars.h"
#include "calendar/solar_terms.h"
#include "text/gbk_literal.h"

namespace zeruda::almanac {

using namespace calendar;
namespace {

using namespace text::literals;

// Program number (1-24, 立春 first) of the term with table entry `entry`.
constexpr int programNumberOfEntry(int entry) { return entry >= 3 ? entry - 2 : entry + 22; }

}  // namespace

TodayTexts todayTexts(const DateTime& now) {
  TodayTexts texts;
  texts.yearMonth = std::to_string(now.year) + "年"_gbk + std::to_string(now.month) + "月"_gbk;
  texts.day = std::to_string(now.day);
  const int weekday = weekdayOf(now.date());
  texts.dayColour = weekday == 0 || weekday == 6 ? kWeekendColour : kWeekdayColour;
  if (const auto lunar = solarToLunar(now.date())) {
    texts.lunar = "农历:"_gbk + lunarYearNumerals(lunar->year) + "年"_gbk +
                  lunarMonthName(lunar->month) + "月"_gbk + lunarDayName(lunar->day);
  }
  texts.pillars = "四柱:"_gbk + pillarsLine(now);
  return texts;
}

std::string pillarsLine(const DateTime& moment) {
  const FourPillars n = fourPillars(moment);
  if (!n.year.valid()) return {};
  return n.year.text() + " " + n.month.text() + " " + n.day.text() + " " + n.hour.text();
}

std::string lunarDateLine(Date date) {
  const auto lunar = solarToLunar(date);
  if (!lunar) return {};
  return "农历日期:"_gbk + std::to_string(lunar->year) + "年"_gbk + std::to_string(lunar->month) +
         "月"_gbk + std::to_string(lunar->day) + "日"_gbk;
}

std::vector<std::string> solarTermList(int year) {
  std::vector<std::string> lines;
  if (year < kFirstTermYear || year > kLastTermYear) return lines;
  for (int number = 1; number <= kTermCount; ++number) {
    lines.push_back(solarTermName(number) + ":" + dateTimeText(solarTermTime(year, number)));
  }
  return lines;
}

std::string dayCellName(Date date) {
  const auto lunar = solarToLunar(date);
  if (!lunar) return {};
  if (lunar->day == 1) return dateBoxMonthName(lunar->month, lunar->leap);
  if (const int entry = termOfDay(date)) return solarTermName(programNumberOfEntry(entry));
  return lunarDayName(lunar->day);
}

std::string termNameOfDay(Date date) {
  const int entry = termOfDay(date);
  return entry ? solarTermName(programNumberOfEntry(entry)) : std::string();
}

}  // namespace zeruda::almanac
