#include "calendar/typed_date.h"

#include "calendar/gregorian.h"
#include "calendar/lunar.h"
#include "calendar/lunar_names.h"
#include "text/gbk_literal.h"

#include <algorithm>
#include <array>
#include <vector>

namespace zeruda::calendar {
namespace {

using namespace text::literals;

// A run of digits in a typed date: its digits as ASCII and where it stands.
struct DigitRun {
  std::string digits;
  std::size_t begin = 0;
  std::size_t end = 0;
  std::vector<std::size_t> digitEnds;  // a full-width digit takes two bytes
  bool leap = false;                   // "闰" came right before it
};

// What a typed date holds: its digit runs, and whether anything else than digits,
// separators and leap marks stood in it.
struct Scan {
  std::vector<DigitRun> runs;
  bool clean = true;
  bool strayLeap = false;  // a "闰" not followed by digits
};

bool isAsciiSeparator(char byte) {
  return byte == ' ' || byte == '-' || byte == '/' || byte == '.';
}

bool isWideSeparator(std::string_view unit) {
  static const std::array<std::string, 7> separators = {"年"_gbk, "月"_gbk, "日"_gbk, "　"_gbk,
                                                        "－"_gbk, "／"_gbk, "．"_gbk};
  return std::find(separators.begin(), separators.end(), unit) != separators.end();
}

// Full-width digits are GBK A3B0 to A3B9.
bool isWideDigit(std::string_view unit) {
  return static_cast<unsigned char>(unit[0]) == 0xA3 &&
         static_cast<unsigned char>(unit[1]) >= 0xB0 && static_cast<unsigned char>(unit[1]) <= 0xB9;
}

Scan scan(std::string_view text) {
  Scan out;
  bool inRun = false;
  bool leapPending = false;
  auto addDigit = [&](char digit, std::size_t begin, std::size_t end) {
    if (!inRun) {
      DigitRun run;
      run.begin = begin;
      run.leap = leapPending;
      out.runs.push_back(run);
      leapPending = false;
      inRun = true;
    }
    out.runs.back().digits += digit;
    out.runs.back().end = end;
    out.runs.back().digitEnds.push_back(end);
  };
  std::size_t i = 0;
  while (i < text.size()) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if (byte >= '0' && byte <= '9') {
      addDigit(static_cast<char>(byte), i, i + 1);
      ++i;
      continue;
    }
    if (byte < 0x80) {
      if (!isAsciiSeparator(static_cast<char>(byte))) out.clean = false;
      inRun = false;
      ++i;
      continue;
    }
    const std::string_view unit = text.substr(i, 2);
    if (unit.size() == 2 && isWideDigit(unit)) {
      addDigit(static_cast<char>('0' + (static_cast<unsigned char>(unit[1]) - 0xB0)), i, i + 2);
      i += 2;
      continue;
    }
    inRun = false;
    if (unit.size() < 2) {
      out.clean = false;
    } else if (unit == "闰"_gbk) {
      if (leapPending) out.strayLeap = true;
      leapPending = true;
    } else if (!isWideSeparator(unit)) {
      out.clean = false;
    }
    i += 2;
  }
  if (leapPending) out.strayLeap = true;
  return out;
}

// The year, month and day the runs stand for, each with where its digits end.
struct Parts {
  std::array<int, 3> values{};
  std::array<std::size_t, 3> ends{};
  std::array<std::size_t, 3> begins{};
  bool leap = false;
  bool leapElsewhere = false;  // a "闰" before the year or the day
};

// Runs longer than any date part stay too large to pass as one.
int numberOf(std::string_view digits) {
  int value = 0;
  for (char digit : digits) value = std::min(value * 10 + (digit - '0'), 99'999'999);
  return value;
}

std::optional<Parts> partsOf(const Scan& found) {
  Parts parts;
  if (found.runs.size() == 3) {
    for (std::size_t k = 0; k < 3; ++k) {
      parts.values[k] = numberOf(found.runs[k].digits);
      parts.begins[k] = found.runs[k].begin;
      parts.ends[k] = found.runs[k].end;
    }
    parts.leap = found.runs[1].leap;
    parts.leapElsewhere = found.runs[0].leap || found.runs[2].leap;
    return parts;
  }
  // Eight digits in a row: four of the year, two of the month, two of the day.
  if (found.runs.size() == 1 && found.runs[0].digits.size() == 8) {
    const DigitRun& run = found.runs[0];
    constexpr std::array<std::size_t, 3> kStarts = {0, 4, 6};
    constexpr std::array<std::size_t, 3> kLengths = {4, 2, 2};
    for (std::size_t k = 0; k < 3; ++k) {
      parts.values[k] = numberOf(std::string_view(run.digits).substr(kStarts[k], kLengths[k]));
      parts.begins[k] = kStarts[k] == 0 ? run.begin : run.digitEnds[kStarts[k] - 1];
      parts.ends[k] = run.digitEnds[kStarts[k] + kLengths[k] - 1];
    }
    parts.leapElsewhere = run.leap;
    return parts;
  }
  return std::nullopt;
}

std::string dayText(int year, int month, int day, bool leap) {
  return std::to_string(year) + "年"_gbk + (leap ? "闰"_gbk : std::string()) +
         std::to_string(month) + "月"_gbk + std::to_string(day) + "日"_gbk;
}

Error outOfRange() { return {"日期须在1901年2月19日至2048年12月31日之间"_gbk}; }

bool inRange(Date date) { return withinCalendar(date); }

// Length of a lunar month, its leap copy when `leap`; 0 when it does not exist.
int monthLength(int year, int month, bool leap) {
  return leap ? leapMonthLength(year, month) : lunarMonthLength(year, month);
}

std::optional<Date> stepLunarMonths(LunarDate lunar, int steps) {
  for (; steps > 0; --steps) {
    if (!lunar.leap && leapMonthOf(lunar.year) == lunar.month) {
      lunar.leap = true;
    } else {
      lunar.leap = false;
      if (++lunar.month > 12) {
        lunar.month = 1;
        ++lunar.year;
      }
    }
  }
  for (; steps < 0; ++steps) {
    if (lunar.leap) {
      lunar.leap = false;
    } else {
      if (--lunar.month < 1) {
        lunar.month = 12;
        --lunar.year;
      }
      lunar.leap = leapMonthOf(lunar.year) == lunar.month;
    }
  }
  const int length = monthLength(lunar.year, lunar.month, lunar.leap);
  if (length == 0) return std::nullopt;
  lunar.day = std::min(lunar.day, length);
  return lunarToSolar(lunar);
}

std::optional<Date> stepLunarYears(LunarDate lunar, int steps) {
  lunar.year += steps;
  // A leap month the new year lacks becomes its plain month of the same number.
  if (lunar.leap && leapMonthOf(lunar.year) != lunar.month) lunar.leap = false;
  const int length = monthLength(lunar.year, lunar.month, lunar.leap);
  if (length == 0) return std::nullopt;
  lunar.day = std::min(lunar.day, length);
  return lunarToSolar(lunar);
}

}  // namespace

Result<Date> parseTypedDate(std::string_view text, DateCalendar calendar) {
  const Scan found = scan(text);
  const std::optional<Parts> parts = found.clean ? partsOf(found) : std::nullopt;
  if (!parts || found.strayLeap || parts->leapElsewhere) {
    return Error{"请按年、月、日的次序输入日期，如1985-06-15或1985年6月15日"_gbk};
  }
  const auto [year, month, day] = parts->values;
  if (calendar == DateCalendar::Gregorian) {
    if (parts->leap) return Error{"公历没有闰月"_gbk};
    const Date date{year, month, day};
    if (!isValidDate(date)) return Error{"没有这一天："_gbk + dayText(year, month, day, false)};
    if (!inRange(date)) return outOfRange();
    return date;
  }
  if (year < kFirstLunarYear || year > kLastLunarDate.year) return outOfRange();
  if (month < 1 || month > 12 || day < 1 || day > monthLength(year, month, parts->leap)) {
    return Error{"农历没有这一天："_gbk + dayText(year, month, day, parts->leap)};
  }
  // Lunar dates late in the last year fall into January of the next.
  const std::optional<Date> date = lunarToSolar({year, month, day, parts->leap});
  if (!date || !inRange(*date)) return outOfRange();
  return *date;
}

Result<TypedMonth> parseTypedMonth(std::string_view text) {
  const Scan found = scan(text);
  const bool twoRuns = found.clean && !found.strayLeap && found.runs.size() == 2 &&
                       !found.runs[0].leap && !found.runs[1].leap;
  // Six digits in a row: four of the year, two of the month.
  const bool sixDigits = found.clean && found.runs.size() == 1 &&
                         found.runs[0].digits.size() == 6 && !found.runs[0].leap;
  if (!twoRuns && !sixDigits) return Error{"请按年、月的次序输入月份，如2026-12或2026年12月"_gbk};
  const std::string_view first = found.runs[0].digits;
  const TypedMonth month =
      twoRuns ? TypedMonth{numberOf(first), numberOf(found.runs[1].digits)}
              : TypedMonth{numberOf(first.substr(0, 4)), numberOf(first.substr(4, 2))};
  if (month.month < 1 || month.month > 12) {
    return Error{"没有这个月份："_gbk + std::to_string(month.year) + "年"_gbk +
                 std::to_string(month.month) + "月"_gbk};
  }
  // A month is shown when any of its days lies within the calendar.
  const bool reached = month.year >= kFirstLunarDate.year && month.year <= kLastLunarDate.year &&
                       (month.year != kFirstLunarDate.year || month.month >= kFirstLunarDate.month);
  if (!reached) return Error{"月份须在1901年2月至2048年12月之间"_gbk};
  return month;
}

std::string typedDateText(Date date, DateCalendar calendar) {
  if (calendar == DateCalendar::Gregorian) return dayText(date.year, date.month, date.day, false);
  const std::optional<LunarDate> lunar = solarToLunar(date);
  return lunar ? lunarText(*lunar, LeapMarker::Show) : std::string();
}

DateField typedDateFieldAt(std::string_view text, std::size_t offset) {
  const Scan found = scan(text);
  if (const std::optional<Parts> parts = partsOf(found)) {
    for (std::size_t k = 3; k-- > 1;) {
      if (offset >= parts->begins[k]) return static_cast<DateField>(k);
    }
    return DateField::Year;
  }
  // A date half typed: the runs count in their order.
  std::size_t field = 0;
  for (std::size_t k = 0; k < found.runs.size() && k < 3; ++k) {
    if (offset >= found.runs[k].begin) field = k;
  }
  return static_cast<DateField>(field);
}

std::size_t typedDateFieldEnd(std::string_view text, DateField field) {
  const Scan found = scan(text);
  const auto k = static_cast<std::size_t>(field);
  if (const std::optional<Parts> parts = partsOf(found)) return parts->ends[k];
  return k < found.runs.size() ? found.runs[k].end : text.size();
}

std::optional<Date> stepTypedDate(Date date, DateCalendar calendar, DateField field, int steps) {
  std::optional<Date> stepped;
  if (field == DateField::Day) {
    stepped = dateOfDayNumber(dayNumber(date) + steps);
  } else if (calendar == DateCalendar::Lunar) {
    if (const std::optional<LunarDate> lunar = solarToLunar(date)) {
      stepped =
          field == DateField::Year ? stepLunarYears(*lunar, steps) : stepLunarMonths(*lunar, steps);
    }
  } else {
    // Months counted from year 0 carry into the neighbouring years.
    const int months = date.year * 12 + (date.month - 1) + (field == DateField::Month ? steps : 0);
    const int year = months / 12 + (field == DateField::Year ? steps : 0);
    const int month = months % 12 + 1;
    stepped = Date{year, month, std::min(date.day, daysInMonth(year, month))};
  }
  if (!stepped || !inRange(*stepped)) return std::nullopt;
  return stepped;
}

}  // namespace zeruda::calendar
