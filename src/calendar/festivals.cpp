#include "calendar/festivals.h"

#include "calendar/gregorian.h"
#include "calendar/lunar.h"
#include "embedded/kFestivalTable.h"
#include "text/characters.h"
#include "text/gbk_literal.h"
#include "text/lines.h"

#include <algorithm>
#include <charconv>
#include <optional>
#include <string_view>

namespace zeruda::calendar {
namespace {

using namespace text::literals;

// One row of the festival table. A day of 0 is the month's last day.
struct Festival {
  std::string name;
  bool lunar = false;
  int month = 0;
  int day = 0;
  int firstYear = 0;
};

std::optional<int> numberOf(std::string_view text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// A data row: name, calendar, month, day and an optional first year, tab-separated;
// nothing for comments, the heading and anything malformed.
std::optional<Festival> parseRow(std::string_view line) {
  std::vector<std::string_view> cells;
  for (std::size_t start = 0;;) {
    const std::size_t tab = line.find('\t', start);
    cells.push_back(text::trimBlanks(line.substr(start, tab - start)));
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  if (cells.size() < 4 || cells.size() > 5 || cells[0].empty() || cells[0].front() == '#') {
    return std::nullopt;
  }
  Festival festival{.name = std::string(cells[0]), .lunar = cells[1] == "农历"_gbk};
  if (!festival.lunar && cells[1] != "公历"_gbk) return std::nullopt;
  const auto month = numberOf(cells[2]);
  const auto day = cells[3] == "末"_gbk ? std::optional<int>(0) : numberOf(cells[3]);
  if (!month || !day || *month < 1 || *month > 12 || *day < 0 || *day > 31) return std::nullopt;
  festival.month = *month;
  festival.day = *day;
  if (cells.size() == 5 && !cells[4].empty()) {
    const auto first = numberOf(cells[4]);
    if (!first) return std::nullopt;
    festival.firstYear = *first;
  }
  return festival;
}

const std::vector<Festival>& festivalTable() {
  static const std::vector<Festival> table = [] {
    std::vector<Festival> rows;
    text::forEachLine(data::kFestivalTable, [&](std::string_view line) {
      if (auto row = parseRow(line)) rows.push_back(std::move(*row));
    });
    return rows;
  }();
  return table;
}

}  // namespace

std::vector<std::string> festivalNames(Date date) {
  std::vector<std::string> names;
  const auto lunar = solarToLunar(date);
  if (!lunar) return names;
  for (const Festival& festival : festivalTable()) {
    if (date.year < festival.firstYear) continue;
    bool falls = false;
    if (festival.lunar) {
      const int day =
          festival.day != 0 ? festival.day : lunarMonthLength(lunar->year, festival.month);
      falls = !lunar->leap && lunar->month == festival.month && lunar->day == day;
    } else {
      const int day = festival.day != 0 ? festival.day : daysInMonth(date.year, festival.month);
      falls = date.month == festival.month && date.day == day;
    }
    if (falls) names.push_back(festival.name);
  }
  return names;
}

}  // namespace zeruda::calendar
