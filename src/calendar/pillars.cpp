#include "calendar/pillars.h"

#include "calendar/ganzhi.h"
#include "calendar/gregorian.h"
#include "calendar/lunar.h"
#include "calendar/solar_terms.h"

namespace zeruda::calendar {
namespace {

// Pair numbers of two anchors: 1901 is a 辛丑 year, 1901-01-01 a 己卯 day.
constexpr int kPairOf1901 = 38;
constexpr int kPairOfDayZero = 16;

bool isBefore(const DateTime& m, const DateTime& term) {
  if (m.hour != term.hour) return m.hour < term.hour;
  if (m.minute != term.minute) return m.minute < term.minute;
  return m.second < term.second;
}

// The table entry (0-24) of the last term begun by the moment within its Gregorian
// year; 0 while the year's 小寒 is still ahead. A term that begins at the very second
// of the moment counts as begun.
int latestTerm(const DateTime& m) {
  const int today = termOfDay(m.date());
  if (today == 0) return lastTermBeforeDay(m.date());
  return isBefore(m, termEntryTime(m.year, today)) ? today - 1 : today;
}

// Entries 1-2 (小寒, 大寒) give 丑, 3-4 寅 … 21-22 亥, 23-24 and none give 子.
Branch monthBranchOfTerm(int entry) {
  if (entry == 0) return Branch::Zi;
  return nextBranch(Branch::Chou, (entry - 1) / 2);
}

// The 寅 month of a 甲 or 己 year is 丙寅, and each later year stem moves it two on.
// The months run 寅 … 亥 子 丑, so 子 and 丑 close the year rather than open it.
Stem monthStem(Stem yearStem, Branch monthBranch) {
  const Stem yinStem = nextStem(Stem::Bing, 2 * (static_cast<int>(yearStem) % 5));
  const int monthsAfterYin =
      (static_cast<int>(monthBranch) - static_cast<int>(Branch::Yin) + kBranchCount) % kBranchCount;
  return nextStem(yinStem, monthsAfterYin);
}

// 23:00-00:59 is 子, 01:00-02:59 丑, … 21:00-22:59 亥.
Branch hourBranch(int hour) {
  return hour == 23 ? Branch::Zi : nextBranch(Branch::Zi, (hour + 1) / 2);
}

// The 子 hour of a 甲 or 己 day is 甲子, and each later day stem moves it two on.
Stem hourStem(Stem dayStem, Branch branch) {
  const Stem ziStem = nextStem(Stem::Jia, 2 * (static_cast<int>(dayStem) % 5));
  return nextStem(ziStem, static_cast<int>(branch));
}

}  // namespace

bool inPillarSpan(const DateTime& moment) {
  const Date date = moment.date();
  return isValidDate(date) && isValidTimeOfDay(moment) && date >= kFirstLunarDate &&
         date <= kLastLunarDate;
}

PillarNumbers pillarNumbers(const DateTime& m) {
  if (!inPillarSpan(m)) return {};
  PillarNumbers pillars;
  const int term = latestTerm(m);
  // Before 立春 (entry 3) the moment still belongs to the previous year.
  const int yearShift = term < 3 ? -1 : 0;
  pillars.year = nextPair(kPairOf1901, (m.year - 1901) % kPairCount + yearShift);

  const Branch monthBranch = monthBranchOfTerm(term);
  pillars.month = pairNumberOf(monthStem(stemOfPair(pillars.year), monthBranch), monthBranch);

  const int dayShift = m.hour >= 23 ? 1 : 0;
  pillars.day = nextPair(kPairOfDayZero, dayNumber(m.date()) % kPairCount + dayShift);

  const Branch branch = hourBranch(m.hour);
  pillars.hour = pairNumberOf(hourStem(stemOfPair(pillars.day), branch), branch);
  return pillars;
}

FourPillars fourPillars(const DateTime& moment) {
  const PillarNumbers n = pillarNumbers(moment);
  return {pairText(n.year), pairText(n.month), pairText(n.day), pairText(n.hour)};
}

std::string zodiacAnimalOf(const DateTime& moment) {
  const PillarNumbers n = pillarNumbers(moment);
  if (!isPairNumber(n.year)) return {};
  return std::string(zodiacAnimalText(branchOfPair(n.year)));
}

}  // namespace zeruda::calendar
