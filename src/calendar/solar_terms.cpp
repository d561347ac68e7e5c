#include "calendar/solar_terms.h"

#include "text/gbk.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace zeruda::calendar {
namespace {

constexpr int kTermYears = kLastTermYear - kFirstTermYear + 1;
constexpr int kBytesPerEntry = 5;
constexpr int kBytesPerYear = kTermCount * kBytesPerEntry;
constexpr int kSecondsPerDay = 86400;

// Month, day, hour, minute and second at which each solar term begins, Beijing time,
// for 1880-2079: computed from the VSOP87 theory of the Sun by tools/solarterms.
constexpr std::array<unsigned char, kTermYears* kBytesPerYear> kSolarTermTable = {
#include "data/calendar/solar_terms.inc"
};
// A short initializer would leave zeros at the end; the last term is 冬至 of 2079.
static_assert(kSolarTermTable[kSolarTermTable.size() - kBytesPerEntry] == 12);

// Every entry as seconds from the first of its month, so a moment is placed against a
// term by one comparison of integers. Entry 2m-1 and 2m both lie in month m.
using YearSeconds = std::array<std::int32_t, kTermCount>;
constexpr std::array<YearSeconds, kTermYears> kTermSeconds = [] {
  std::array<YearSeconds, kTermYears> seconds{};
  for (std::size_t i = 0; i < kSolarTermTable.size(); i += kBytesPerEntry) {
    const unsigned char* e = &kSolarTermTable[i];
    const std::size_t entry = i / kBytesPerEntry;
    seconds[entry / kTermCount][entry % kTermCount] =
        (e[1] - 1) * kSecondsPerDay + e[2] * 3600 + e[3] * 60 + e[4];
  }
  return seconds;
}();

// The whole rule rests on each month holding exactly its own two terms.
constexpr bool everyMonthHoldsItsTwoTerms() {
  for (std::size_t i = 0; i < kSolarTermTable.size(); i += kBytesPerEntry) {
    const auto entry = static_cast<int>(i / kBytesPerEntry % kTermCount);
    if (kSolarTermTable[i] != entry / 2 + 1) return false;
  }
  return true;
}
static_assert(everyMonthHoldsItsTwoTerms());

// Program names, 立春 first.
constexpr std::array<std::string_view, kTermCount> kProgramTermNames = {
    "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至", "小暑", "大暑",
    "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至", "小寒", "大寒"};

constexpr bool inTable(int year) { return year >= kFirstTermYear && year <= kLastTermYear; }

// Seconds into its month of table entry `entry` (1-24); year and entry in range.
int entrySecond(int year, int entry) {
  return kTermSeconds[static_cast<std::size_t>(year - kFirstTermYear)]
                     [static_cast<std::size_t>(entry - 1)];
}

int entryDay(int year, int entry) { return entrySecond(year, entry) / kSecondsPerDay + 1; }

// Program number 1-22 is table entry +2; 23 and 24 are January's 小寒 and 大寒.
constexpr int entryOfProgramNumber(int number) { return number <= 22 ? number + 2 : number - 22; }

}  // namespace

DateTime termEntryTime(int year, int entry) {
  if (!inTable(year) || entry < 1 || entry > kTermCount) return kNoTermMoment;
  const int second = entrySecond(year, entry);
  return {year,
          (entry + 1) / 2,
          second / kSecondsPerDay + 1,
          second % kSecondsPerDay / 3600,
          second % 3600 / 60,
          second % 60};
}

int termOfDay(Date date) {
  if (!inTable(date.year) || date.month < 1 || date.month > 12) return 0;
  const int opening = 2 * date.month - 1;
  if (entryDay(date.year, opening) == date.day) return opening;
  if (entryDay(date.year, opening + 1) == date.day) return opening + 1;
  return 0;
}

int openingTermSecond(int year, int month) { return entrySecond(year, 2 * month - 1); }

int openingTermMonthOfDay(Date date) {
  return date.day >= entryDay(date.year, 2 * date.month - 1) ? date.month : date.month - 1;
}

DateTime solarTermTime(int year, int number) {
  if (number < 1 || number > kTermCount) return kNoTermMoment;
  return termEntryTime(year, entryOfProgramNumber(number));
}

std::string solarTermName(int number) {
  if (number < 1 || number > kTermCount) return {};
  return text::toGbk(kProgramTermNames[static_cast<std::size_t>(number - 1)]);
}

}  // namespace zeruda::calendar
