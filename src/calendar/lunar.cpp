#include "calendar/lunar.h"

#include "calendar/gregorian.h"

#include <array>
#include <cstdint>

namespace zeruda::calendar {
namespace {

constexpr int kYearCount = kLastLunarYear - kFirstLunarYear + 1;

// Month lengths and leap months of the lunar years 1901-2049, from the published
// Chinese calendar. In each word bit 15 is month 1 and later months follow downwards,
// the leap month's bit directly after its month's; a set bit is a 30-day month.
// Leap months are stored two years to a byte, the earlier year in the high nibble.
struct LunarMonthTable {
  std::array<std::uint16_t, kYearCount> monthBits;
  std::array<std::uint8_t, (kYearCount + 1) / 2> leapMonths;
};

constexpr LunarMonthTable kLunarMonthTable = {
    {
        0x4AE0, 0xA570, 0x5268, 0xD260, 0xD950, 0x6AA8, 0x56A0, 0x9AD0, 0x4AE8, 0x4AE0,  // 1901
        0xA4D8, 0xA4D0, 0xD250, 0xD548, 0xB540, 0xD6A0, 0x96D0, 0x95B0, 0x49B8, 0x4970,  // 1911
        0xA4B0, 0xB258, 0x6A50, 0x6D40, 0xADA8, 0x2B60, 0x9570, 0x4978, 0x4970, 0x64B0,  // 1921
        0xD4A0, 0xEA50, 0x6D48, 0x5AD0, 0x2B60, 0x9370, 0x92E0, 0xC968, 0xC950, 0xD4A0,  // 1931
        0xDA50, 0xB550, 0x56A0, 0xAAD8, 0x25D0, 0x92D0, 0xC958, 0xA950, 0xB4A8, 0x6CA0,  // 1941
        0xB550, 0x55A8, 0x4DA0, 0xA5B0, 0x52B8, 0x52B0, 0xA950, 0xE950, 0x6AA0, 0xAD50,  // 1951
        0xAB50, 0x4B60, 0xA570, 0xA570, 0x5260, 0xE930, 0xD950, 0x5AA8, 0x56A0, 0x96D0,  // 1961
        0x4AE8, 0x4AD0, 0xA4D0, 0xD268, 0xD250, 0xD528, 0xB540, 0xB6A0, 0x96D0, 0x95B0,  // 1971
        0x49B0, 0xA4B8, 0xA4B0, 0xB258, 0x6A50, 0x6D40, 0xADA0, 0xAB60, 0x9570, 0x4978,  // 1981
        0x4970, 0x64B0, 0x6A50, 0xEA50, 0x6B28, 0x5AC0, 0xAB60, 0x9368, 0x92E0, 0xC960,  // 1991
        0xD4A8, 0xD4A0, 0xDA50, 0x5AA8, 0x56A0, 0xAAD8, 0x25D0, 0x92D0, 0xC958, 0xA950,  // 2001
        0xB4A0, 0xB550, 0xAD50, 0x55A8, 0x4BA0, 0xA5B0, 0x52B8, 0x52B0, 0xA930, 0x74A8,  // 2011
        0x6AA0, 0xAD50, 0x4DA8, 0x4B60, 0xA570, 0xA4E0, 0xD260, 0xE930, 0xD530, 0x5AA0,  // 2021
        0x6B50, 0x96D0, 0x4AE8, 0x4AD0, 0xA4D0, 0xD258, 0xD250, 0xD520, 0xDAA0, 0xB5A0,  // 2031
        0x56D0, 0x4AD8, 0x49B0, 0xA4B8, 0xA4B0, 0xAA50, 0xB528, 0x6D20, 0xADA0,          // 2041
    },
    {
        0x00, 0x50, 0x04, 0x00, 0x20, 0x60, 0x05, 0x00, 0x20, 0x70,  // 1901-1920
        0x05, 0x00, 0x40, 0x02, 0x06, 0x00, 0x50, 0x03, 0x07, 0x00,  // 1921-1940
        0x60, 0x04, 0x00, 0x20, 0x70, 0x05, 0x00, 0x30, 0x80, 0x06,  // 1941-1960
        0x00, 0x40, 0x03, 0x07, 0x00, 0x50, 0x04, 0x08, 0x00, 0x60,  // 1961-1980
        0x04, 0x0A, 0x00, 0x60, 0x05, 0x00, 0x30, 0x80, 0x05, 0x00,  // 1981-2000
        0x40, 0x02, 0x07, 0x00, 0x50, 0x04, 0x09, 0x00, 0x60, 0x04,  // 2001-2020
        0x00, 0x20, 0x60, 0x05, 0x00, 0x30, 0xB0, 0x06, 0x00, 0x50,  // 2021-2040
        0x02, 0x07, 0x00, 0x50, 0x00,                                // 2041-2050
    },
};

// Day number of lunar new year 1901 (1901-02-19).
constexpr int kFirstNewYearDay = 49;

constexpr bool inTable(int year) { return year >= kFirstLunarYear && year <= kLastLunarYear; }

constexpr int leapOf(int year) {
  if (!inTable(year)) return 0;
  const int index = year - kFirstLunarYear;
  const int packed = kLunarMonthTable.leapMonths[static_cast<std::size_t>(index / 2)];
  return index % 2 == 0 ? packed >> 4 : packed & 0x0F;
}

constexpr int lengthOfBit(int year, int bit) {
  const int word = kLunarMonthTable.monthBits[static_cast<std::size_t>(year - kFirstLunarYear)];
  return (word >> bit) & 1 ? 30 : 29;
}

constexpr int monthLength(int year, int month) {
  if (!inTable(year) || month < 1 || month > 12) return 0;
  const int leap = leapOf(year);
  return lengthOfBit(year, 16 - month - (leap != 0 && month > leap ? 1 : 0));
}

constexpr int leapLength(int year, int month) {
  if (!inTable(year) || month < 1 || month > 12 || leapOf(year) != month) return 0;
  return lengthOfBit(year, 15 - month);
}

constexpr int yearLength(int year) {
  int days = 0;
  for (int month = 1; month <= 12; ++month)
    days += monthLength(year, month) + leapLength(year, month);
  return days;
}

// Every lunar month of the table in order, leap months in their place, with the day
// number of its first day; a closing entry marks the day after the table's last month.
struct MonthStart {
  int firstDay = 0;
  int year = 0;
  int month = 0;
  bool leap = false;
};

constexpr int countMonths() {
  int count = 0;
  for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) count += leapOf(year) ? 13 : 12;
  return count;
}
constexpr int kMonthCount = countMonths();

constexpr std::array<MonthStart, kMonthCount + 1> kMonthStarts = [] {
  std::array<MonthStart, kMonthCount + 1> starts{};
  std::size_t i = 0;
  int day = kFirstNewYearDay;
  for (int year = kFirstLunarYear; year <= kLastLunarYear; ++year) {
    for (int month = 1; month <= 12; ++month) {
      starts[i++] = {day, year, month, false};
      day += monthLength(year, month);
      if (leapOf(year) == month) {
        starts[i++] = {day, year, month, true};
        day += leapLength(year, month);
      }
    }
  }
  starts[i] = {day, kLastLunarYear + 1, 1, false};
  return starts;
}();

// Index of each lunar year's first month in kMonthStarts.
constexpr std::array<int, kYearCount> kYearFirstMonth = [] {
  std::array<int, kYearCount> first{};
  for (std::size_t i = 0, year = 0; i < kMonthStarts.size() - 1; ++i) {
    if (kMonthStarts[i].month == 1 && !kMonthStarts[i].leap) first[year++] = static_cast<int>(i);
  }
  return first;
}();

// A first guess at the month holding day `number`, from the mean length of a lunar
// month (29.5306 days). Real months wander less than a day from the mean, so the guess
// is never more than one month out and one step mends it.
constexpr int guessMonthIndex(int number) {
  const int guess = static_cast<int>((number - kFirstNewYearDay) * 10000LL / 295306);
  return guess < 0 ? 0 : guess >= kMonthCount ? kMonthCount - 1 : guess;
}

constexpr bool guessIsNeverMoreThanOneOut() {
  for (int i = 0; i < kMonthCount; ++i) {
    const std::size_t at = static_cast<std::size_t>(i);
    for (int day : {kMonthStarts[at].firstDay, kMonthStarts[at + 1].firstDay - 1}) {
      const int guess = guessMonthIndex(day);
      if (guess < i - 1 || guess > i + 1) return false;
    }
  }
  return true;
}
static_assert(guessIsNeverMoreThanOneOut());

constexpr int kLastConvertibleDay = dayNumber(kLastLunarDate);
static_assert(dayNumber(kFirstLunarDate) == kFirstNewYearDay);

// The day number of a date in the convertible span; nothing for any other date. The
// one check every conversion makes.
constexpr std::optional<int> convertibleDay(Date date) {
  if (!isValidDate(date)) return std::nullopt;
  const int number = dayNumber(date);
  if (number < kFirstNewYearDay || number > kLastConvertibleDay) return std::nullopt;
  return number;
}

}  // namespace

int leapMonthOf(int lunarYear) { return leapOf(lunarYear); }
int lunarMonthLength(int lunarYear, int month) { return monthLength(lunarYear, month); }
int leapMonthLength(int lunarYear, int month) { return leapLength(lunarYear, month); }
int lunarYearLength(int lunarYear) { return inTable(lunarYear) ? yearLength(lunarYear) : 0; }

std::optional<LunarDate> solarToLunar(Date date) {
  const auto day = convertibleDay(date);
  if (!day) return std::nullopt;
  const int number = *day;
  int index = guessMonthIndex(number);
  if (kMonthStarts[static_cast<std::size_t>(index)].firstDay > number) {
    --index;
  } else if (kMonthStarts[static_cast<std::size_t>(index) + 1].firstDay <= number) {
    ++index;
  }
  const MonthStart& month = kMonthStarts[static_cast<std::size_t>(index)];
  return LunarDate{month.year, month.month, number - month.firstDay + 1, month.leap};
}

std::optional<Date> lunarToSolar(const LunarDate& lunar) {
  if (!inTable(lunar.year) || lunar.month < 1 || lunar.month > 12 || lunar.day < 1) {
    return std::nullopt;
  }
  const int length =
      lunar.leap ? leapLength(lunar.year, lunar.month) : monthLength(lunar.year, lunar.month);
  if (lunar.day > length) return std::nullopt;
  const int leap = leapOf(lunar.year);
  // Months after the year's leap month, and the leap month itself, sit one further on.
  const int offset = lunar.month - 1 + (lunar.leap || (leap != 0 && lunar.month > leap) ? 1 : 0);
  const int first =
      kMonthStarts[static_cast<std::size_t>(
                       kYearFirstMonth[static_cast<std::size_t>(lunar.year - kFirstLunarYear)] +
                       offset)]
          .firstDay;
  const int number = first + lunar.day - 1;
  if (number < kFirstNewYearDay || number > kLastConvertibleDay) return std::nullopt;
  return dateOfDayNumber(number);
}

}  // namespace zeruda::calendar
