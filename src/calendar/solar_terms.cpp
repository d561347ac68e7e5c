#include "calendar/solar_terms.h"

#include "text/gbk.h"

#include <array>
#include <string_view>

namespace zeruda::calendar {
namespace {

constexpr int kBytesPerEntry = 5;
constexpr int kBytesPerYear = kTermCount * kBytesPerEntry;

// Month, day, hour, minute and second at which each solar term begins, Beijing time,
// for 1880-2079: computed from the VSOP87 theory of the Sun by tools/solarterms.
constexpr std::array<unsigned char, (kLastTermYear - kFirstTermYear + 1)* kBytesPerYear>
    kSolarTermTable = {
#include "data/calendar/solar_terms.inc"
};
// A short initializer would leave zeros at the end; the last term is 冬至 of 2079.
static_assert(kSolarTermTable[kSolarTermTable.size() - kBytesPerEntry] == 12);

// Program names, 立春 first. Two of them keep the program's own historic spellings
// ("露水" for 白露, "冬分" for 冬至), which users of the term list know.
constexpr std::array<std::string_view, kTermCount> kProgramTermNames = {
    "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至", "小暑", "大暑",
    "立秋", "处暑", "露水", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬分", "小寒", "大寒"};

constexpr bool inTable(int year) { return year >= kFirstTermYear && year <= kLastTermYear; }

const unsigned char* entryBytes(int year, int entry) {
  return kSolarTermTable.data() + (year - kFirstTermYear) * kBytesPerYear +
         (entry - 1) * kBytesPerEntry;
}

// Program number 1-22 is table entry +2; 23 and 24 are January's 小寒 and 大寒.
constexpr int entryOfProgramNumber(int number) { return number <= 22 ? number + 2 : number - 22; }

}  // namespace

DateTime termEntryTime(int year, int entry) {
  if (!inTable(year) || entry < 1 || entry > kTermCount) return {};
  const unsigned char* e = entryBytes(year, entry);
  return {year, e[0], e[1], e[2], e[3], e[4]};
}

int termOfDay(Date date) {
  if (!inTable(date.year)) return 0;
  for (int entry = 1; entry <= kTermCount; ++entry) {
    const unsigned char* e = entryBytes(date.year, entry);
    if (e[0] > date.month) break;
    if (e[0] == date.month && e[1] == date.day) return entry;
  }
  return 0;
}

int lastTermBeforeDay(Date date) {
  if (!inTable(date.year)) return 0;
  int last = 0;
  for (int entry = 1; entry <= kTermCount; ++entry) {
    const unsigned char* e = entryBytes(date.year, entry);
    if (e[0] > date.month || (e[0] == date.month && e[1] >= date.day)) break;
    last = entry;
  }
  return last;
}

DateTime solarTermTime(int year, int number) {
  if (!inTable(year) || number < 1 || number > kTermCount) return {100, 1, 1, 0, 0, 0};
  return termEntryTime(year, entryOfProgramNumber(number));
}

std::string solarTermName(int number) {
  if (number < 1 || number > kTermCount) return {};
  return text::toGbk(kProgramTermNames[static_cast<std::size_t>(number - 1)]);
}

}  // namespace zeruda::calendar
