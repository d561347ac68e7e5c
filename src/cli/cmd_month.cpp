// zeruda-cli month YYYY-MM: the month as a grid of weeks from Sunday, each day with its
// lunar day name beneath (the month's name on the first of a lunar month, a term's name
// on the day it begins), then a line naming the month's terms and festivals;
// --today DATE puts that day's number in brackets.
#include "cli/command_list.h"

#include "actions/calendar_actions.h"
#include "actions/inputs.h"
#include "almanac/month_grid.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/refusals.h"
#include "cli/terminal.h"

#include <optional>

namespace zeruda::cli {

int runMonth(std::span<const std::string> args, std::ostream& out, std::ostream&) {
  const Args parsed(args, {"today"});
  parsed.expectPositional(1, "YYYY-MM");
  const FieldOptions kOptions = {{Field::Month, "YYYY-MM"}, {Field::Day, "--today"}};
  const calendar::TypedMonth m = orRefuse(
      actions::calendarMonth(gbkArg(parsed.positional()[0], Field::Month, kOptions)), kOptions);
  std::optional<calendar::Date> today;
  if (const auto todayText = gbkOption(parsed.value("today"), Field::Day, kOptions)) {
    today = orRefuse(actions::readDate(*todayText, Field::Day), kOptions);
  }
  out << fromGbk(almanac::monthView(m.year, m.month, today));
  return kExitOk;
}

}  // namespace zeruda::cli
