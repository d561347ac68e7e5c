// zeruda-cli almanac-search --from DATE --range DAYS --activity TEXT [--avoid] [--lists]: the days
// after DATE within the range on which the activity is favourable (or, with --avoid,
// unfavourable), one per line as the almanac's list shows them. The officer texts are
// searched for their own activities; the traditional activities (开市, 纳财 …), or any
// activity with --lists, are looked for in the day's 宜 or 忌 list.
#include "cli/command_list.h"

#include "actions/calendar_actions.h"
#include "almanac/almanac.h"
#include "calendar/date_time.h"
#include "calendar/gregorian.h"
#include "calendar/lunar.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/refusals.h"
#include "cli/terminal.h"

#include <algorithm>

namespace zeruda::cli {

int runAlmanacSearch(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const Args parsed(args, {"from", "range", "activity"}, {"avoid", "lists"});
  parsed.expectPositional(0, "");
  const FieldOptions kOptions = {
      {Field::FromDate, "--from"}, {Field::DayCount, "--range"}, {Field::Activity, "--activity"}};
  actions::AlmanacSearchRequest request;
  request.from = gbkOption(parsed.value("from"), Field::FromDate, kOptions).value_or("");
  request.range = gbkOption(parsed.value("range"), Field::DayCount, kOptions);
  request.activity = gbkOption(parsed.value("activity"), Field::Activity, kOptions).value_or("");
  request.avoid = parsed.flag("avoid");
  request.dayLists = parsed.flag("lists");
  const actions::AlmanacSearchAnswer found = orRefuse(actions::searchAlmanac(request), kOptions);
  std::string lines;
  for (const calendar::Date& day : found.days) lines += almanac::almanacDateText(day) + "\n";
  out << fromGbk(lines);
  // Days past the calendar's end have no officer: say that they were not searched.
  if (found.daysSearched < found.daysAsked) {
    err << "zeruda-cli almanac-search: the calendar ends on "
        << calendar::isoDate(calendar::kLastLunarDate) << ": only " << found.daysSearched
        << " of the " << found.daysAsked << " days after " << *parsed.value("from")
        << " were searched\n";
  }
  return kExitOk;
}

}  // namespace zeruda::cli
