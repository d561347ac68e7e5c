// zeruda-cli month YYYY-MM: the month as a grid of weeks from Sunday, each day with its
// lunar day name beneath (the month's name on the first of a lunar month, a term's name
// on the day it begins).
#include "cli/command_list.h"

#include "actions/calendar_actions.h"
#include "almanac/month_grid.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/refusals.h"
#include "cli/terminal.h"

namespace zeruda::cli {

int runMonth(std::span<const std::string> args, std::ostream& out, std::ostream&) {
  const Args parsed(args, {});
  parsed.expectPositional(1, "YYYY-MM");
  const FieldOptions kOptions = {{Field::Month, "YYYY-MM"}};
  const calendar::TypedMonth m = orRefuse(
      actions::calendarMonth(gbkArg(parsed.positional()[0], Field::Month, kOptions)), kOptions);
  out << fromGbk(almanac::monthGrid(m.year, m.month));
  return kExitOk;
}

}  // namespace zeruda::cli
