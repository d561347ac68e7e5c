#include "calendar/pillars.h"

#include "calendar/ganzhi.h"
#include "calendar/gregorian.h"
#include "calendar/lunar.h"
#include "calendar/solar_terms.h"
#include "text/gbk_literal.h"

#include <optional>

namespace zeruda::calendar {
namespace {

// Pair numbers of three anchors: 1901 is a 辛丑 year, 1901-01-01 a 己卯 day, and the
// solar month 大雪 1900 opened (the last month of 庚子) a 戊子 month. Months run on
// through the sixty pairs without a break, five years to the round.
constexpr int kPairOf1901 = 38;
constexpr int kPairOfDayZero = 16;
constexpr int kPairOfMonthZero = 25;

constexpr int kSecondsPerDay = 86400;

// 23:00-00:59 is 子, 01:00-02:59 丑, … 21:00-22:59 亥.
Branch hourBranch(int hour) {
  return hour == 23 ? Branch::Zi : nextBranch(Branch::Zi, (hour + 1) / 2);
}

// The 子 hour of a 甲 or 己 day is 甲子, and each later day stem moves it two on.
Stem hourStem(Stem dayStem, Branch branch) {
  const Stem ziStem = nextStem(Stem::Jia, 2 * (static_cast<int>(dayStem) % 5));
  return nextStem(ziStem, static_cast<int>(branch));
}

constexpr int kFirstDay = dayNumber(kFirstLunarDate);
constexpr int kLastDay = dayNumber(kLastLunarDate);

// The day number of a moment within the span; nothing for any other moment.
constexpr std::optional<int> spanDay(const DateTime& moment) {
  if (!isValidDate(moment.date()) || !isValidTimeOfDay(moment)) return std::nullopt;
  const int number = dayNumber(moment.date());
  if (number < kFirstDay || number > kLastDay) return std::nullopt;
  return number;
}

}  // namespace

bool inPillarSpan(const DateTime& moment) { return spanDay(moment).has_value(); }

FourPillars fourPillars(const DateTime& m) {
  const auto day = spanDay(m);
  if (!day) return {};
  // Each Gregorian month holds the 节 that opens one solar month: before it the moment
  // is still in the solar month the previous 节 opened. A term that begins at the very
  // second of the moment counts as begun.
  const int secondOfMonth = (m.day - 1) * kSecondsPerDay + m.hour * 3600 + m.minute * 60 + m.second;
  const int monthsIntoYear =
      (m.month - 1) + (secondOfMonth >= openingTermSecond(m.year, m.month) ? 1 : 0);
  const int yearsSince1901 = m.year - 1901;
  FourPillars pillars;
  pillars.month = Pair::numbered(kPairOfMonthZero).next(12 * yearsSince1901 + monthsIntoYear);
  // Before 立春, the second solar month of the Gregorian year, the year is the old one.
  const int yearShift = monthsIntoYear < 2 ? -1 : 0;
  pillars.year = Pair::numbered(kPairOf1901).next(yearsSince1901 + yearShift);

  const int dayShift = m.hour >= 23 ? 1 : 0;
  pillars.day = Pair::numbered(kPairOfDayZero).next(*day + dayShift);

  const Branch branch = hourBranch(m.hour);
  pillars.hour = Pair::of(hourStem(pillars.day.stem(), branch), branch);
  return pillars;
}

std::string pillarsWithUnits(const FourPillars& p) {
  using namespace text::literals;
  return p.year.text() + "年"_gbk + p.month.text() + "月"_gbk + p.day.text() + "日"_gbk +
         p.hour.text() + "时"_gbk;
}

std::string eightCharacters(const FourPillars& p) {
  return p.year.text() + p.month.text() + p.day.text() + p.hour.text();
}

std::string hourBranchText(const FourPillars& p) {
  return p.hour.valid() ? std::string(branchText(p.hour.branch())) : std::string();
}

std::string zodiacAnimalOf(const DateTime& moment) {
  const Pair year = fourPillars(moment).year;
  if (!year.valid()) return {};
  return std::string(zodiacAnimalText(year.branch()));
}

}  // namespace zeruda::calendar
