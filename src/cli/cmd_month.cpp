// zeruda-cli month YYYY-MM: the month as a grid of weeks from Sunday, each day with its
// lunar day name beneath (the month's name on the first of a lunar month, a term's name
// on the day it begins).
#include "cli/command_list.h"

#include "almanac/perpetual_calendar.h"
#include "calendar/gregorian.h"
#include "calendar/lunar.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/date_args.h"
#include "cli/terminal.h"
#include "text/gbk_literal.h"

#include <array>
#include <charconv>
#include <string_view>

namespace zeruda::cli {
namespace {

using namespace text::literals;

// Terminal columns of one day cell: room for "闰四月" and for names of four
// characters. The grid is laid out in GBK, where a Chinese character's two bytes take
// the two columns it fills on the screen.
constexpr std::size_t kCellWidth = 8;

struct Month {
  int year = 0;
  int month = 0;
};

Month parseMonth(std::string_view text) {
  const auto fail = [&] {
    return UsageError("'" + std::string(text) + "' is not a month of the form YYYY-MM");
  };
  if (text.size() < 6 || text.size() > 7 || text[4] != '-') throw fail();
  Month m;
  const auto year = std::from_chars(text.data(), text.data() + 4, m.year);
  const auto month = std::from_chars(text.data() + 5, text.data() + text.size(), m.month);
  if (year.ec != std::errc() || year.ptr != text.data() + 4 || month.ec != std::errc() ||
      month.ptr != text.data() + text.size() || m.month < 1 || m.month > 12 || m.year < 1) {
    throw fail();
  }
  return m;
}

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

std::string monthGrid(Month m) {
  const std::string title = std::to_string(m.year) + "年"_gbk + std::to_string(m.month) + "月"_gbk;
  const std::size_t width = 7 * kCellWidth + 6;
  std::string grid = std::string((width - title.size()) / 2, ' ') + title + "\n";
  grid += gridLine({"日"_gbk, "一"_gbk, "二"_gbk, "三"_gbk, "四"_gbk, "五"_gbk, "六"_gbk});
  std::array<std::string, 7> days, names;
  const int length = calendar::daysInMonth(m.year, m.month);
  for (int day = 1; day <= length; ++day) {
    const calendar::Date date{m.year, m.month, day};
    const auto column = static_cast<std::size_t>(calendar::weekdayOf(date));
    days[column] = std::to_string(day);
    names[column] = almanac::dayCellName(date);
    if (column == 6 || day == length) {
      grid += gridLine(days) + gridLine(names);
      days = {};
      names = {};
    }
  }
  return grid;
}

}  // namespace

int runMonth(std::span<const std::string> args, std::ostream& out, std::ostream&) {
  const Args parsed(args, {});
  parsed.expectPositional(1, "YYYY-MM");
  const Month m = parseMonth(parsed.positional()[0]);
  // A month is shown when any of its days lies within the calendar.
  const calendar::Date first{m.year, m.month, 1};
  const calendar::Date last{m.year, m.month, calendar::daysInMonth(m.year, m.month)};
  if (last < calendar::kFirstLunarDate || first > calendar::kLastLunarDate) {
    throw OutOfRange(outsideCalendar(parsed.positional()[0]));
  }
  out << fromGbk(monthGrid(m));
  return kExitOk;
}

}  // namespace zeruda::cli
