// zeruda-cli month YYYY-MM: the month as a grid of weeks from Sunday, each day with its
// lunar day name beneath (the month's name on the first of a lunar month, a term's name
// on the day it begins), then a line naming the month's terms and festivals;
// --today DATE puts that day's number in brackets.
#include "cli/command_list.h"

#include "almanac/month_grid.h"
#include "calendar/gregorian.h"
#include "calendar/lunar.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/date_args.h"
#include "cli/terminal.h"

#include <charconv>
#include <optional>
#include <string_view>

namespace zeruda::cli {
namespace {

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

}  // namespace

int runMonth(std::span<const std::string> args, std::ostream& out, std::ostream&) {
  const Args parsed(args, {"today"});
  parsed.expectPositional(1, "YYYY-MM");
  const Month m = parseMonth(parsed.positional()[0]);
  // A month is shown when any of its days lies within the calendar.
  const calendar::Date first{m.year, m.month, 1};
  const calendar::Date last{m.year, m.month, calendar::daysInMonth(m.year, m.month)};
  if (last < calendar::kFirstLunarDate || first > calendar::kLastLunarDate) {
    throw OutOfRange(outsideCalendar(parsed.positional()[0]));
  }
  std::optional<calendar::Date> today;
  if (const auto todayText = parsed.value("today")) today = parseDate(*todayText, "--today");
  out << fromGbk(almanac::monthView(m.year, m.month, today));
  return kExitOk;
}

}  // namespace zeruda::cli
