#include "almanac/month_grid.h"

#include "almanac/perpetual_calendar.h"
#include "calendar/festivals.h"
#include "calendar/gregorian.h"
#include "text/gbk_literal.h"

#include <array>
#include <utility>

namespace zeruda::almanac {
namespace {

using namespace text::literals;

// Columns of one day cell: room for "闰四月" and for names of four characters.
constexpr std::size_t kCellWidth = 8;

// Cells side by side, each padded to the cell width, the line's trailing blanks cut.
std::string gridLine(const std::array<std::string, 7>& cells) {
  std::string line;
  for (const std::string& cell : cells) {
    line += cell;
    if (cell.size() < kCellWidth) line.append(kCellWidth - cell.size(), ' ');
    line += ' ';
  }
  line.erase(line.find_last_not_of(' ') + 1);
  return line + "\n";
}

}  // namespace

std::string monthGrid(int year, int month, std::optional<calendar::Date> today) {
  const std::string title = std::to_string(year) + "年"_gbk + std::to_string(month) + "月"_gbk;
  const std::size_t width = 7 * kCellWidth + 6;
  std::string grid = std::string((width - title.size()) / 2, ' ') + title + "\n";
  grid += gridLine({"日"_gbk, "一"_gbk, "二"_gbk, "三"_gbk, "四"_gbk, "五"_gbk, "六"_gbk});
  std::array<std::string, 7> days, names;
  const int length = calendar::daysInMonth(year, month);
  for (int day = 1; day <= length; ++day) {
    const calendar::Date date{year, month, day};
    const auto column = static_cast<std::size_t>(calendar::weekdayOf(date));
    days[column] = today == date ? "[" + std::to_string(day) + "]" : std::to_string(day);
    names[column] = dayCellName(date);
    if (column == 6 || day == length) {
      grid += gridLine(days) + gridLine(names);
      days = {};
      names = {};
    }
  }
  return grid;
}

DayMarks dayMarks(calendar::Date date) {
  DayMarks marks{termNameOfDay(date), calendar::festivalNames(date)};
  std::erase(marks.festivals, marks.term);
  return marks;
}

std::string monthEventsLine(int year, int month) {
  std::string events;
  const int length = calendar::daysInMonth(year, month);
  for (int day = 1; day <= length; ++day) {
    DayMarks marks = dayMarks({year, month, day});
    std::vector<std::string> names = std::move(marks.festivals);
    if (!marks.term.empty()) names.insert(names.begin(), marks.term);
    for (const std::string& name : names) {
      events += (events.empty() ? std::string() : "、"_gbk) + std::to_string(day) + "日"_gbk + name;
    }
  }
  return events.empty() ? events : "节气与节日："_gbk + events;
}

std::string monthView(int year, int month, std::optional<calendar::Date> today) {
  const std::string events = monthEventsLine(year, month);
  return monthGrid(year, month, today) + events + (events.empty() ? "" : "\n");
}

}  // namespace zeruda::almanac
