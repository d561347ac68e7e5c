#include "calendar/date_pattern.h"

#include "calendar/ganzhi.h"
#include "calendar/lunar.h"
#include "calendar/lunar_names.h"
#include "calendar/pillars.h"
#include "text/characters.h"
#include "text/gbk_literal.h"

#include <optional>

namespace zeruda::calendar {
namespace {

using namespace text::literals;

// What the codes of one date stand for, worked out once per call.
struct DateParts {
  Date date;
  std::string yearPillar;
  std::string zodiac;
  std::optional<LunarDate> lunar;
};

std::string codeValue(char code, const DateParts& p) {
  switch (code) {
    case 'y':
      return std::to_string(p.date.year);
    case 'm':
      return std::to_string(p.date.month);
    case 'd':
      return std::to_string(p.date.day);
    case 'Y':
      return p.yearPillar;
    case 'S':
      return p.zodiac;
    case 'M':
      return p.lunar ? dateBoxMonthName(p.lunar->month, p.lunar->leap) : std::string();
    case 'D':
      return p.lunar ? lunarDayName(p.lunar->day) : std::string();
    default:
      return {};
  }
}

constexpr std::string_view kCodes = "ymdYSMD";

}  // namespace

std::string formatDatePattern(std::string_view pattern, Date date) {
  if (pattern.empty()) pattern = defaultDatePattern();
  // At the last second of the day the year pillar already counts 立春 of that day.
  const Pair yearPair = fourPillars(DateTime::of(date, 23, 59, 59)).year;
  const DateParts parts{
      date, yearPair.text(),
      yearPair.valid() ? std::string(zodiacAnimalText(yearPair.branch())) : std::string(),
      solarToLunar(date)};
  std::string out;
  for (std::size_t pos = 0; pos < pattern.size();) {
    const std::size_t length = text::charLength(pattern, pos);
    if (pattern[pos] == '%' && pos + 1 < pattern.size() &&
        kCodes.find(pattern[pos + 1]) != std::string_view::npos) {
      out += codeValue(pattern[pos + 1], parts);
      pos += 2;
      continue;
    }
    out.append(pattern, pos, length);
    pos += length;
  }
  return out;
}

const std::string& defaultDatePattern() { return "%Y年(%S)%M%D %y-%m-%d"_gbk; }
const std::string& birthDateBoxPattern() { return "%y年%m月%d日 %Y(%S)%M%D"_gbk; }
const std::string& almanacDateBoxPattern() { return "%y年%m月%d日"_gbk; }

}  // namespace zeruda::calendar
