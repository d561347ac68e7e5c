// zeruda-cli almanac DATE [--json]: the almanac's five lines of a day (date, stems and
// branches with the day officer, Nayin, 宜, 忌) and the traditional tables' reading of
// it, or its figures as JSON.
// zeruda-cli almanac --from DATE --to DATE [--json]: one line per day with its lunar
// date, day pillar and officer, tab separated; with --json each day's JSON on a line.
#include "cli/command_list.h"

#include "actions/calendar_actions.h"
#include "almanac/almanac.h"
#include "calendar/ganzhi.h"
#include "calendar/gregorian.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/refusals.h"
#include "cli/terminal.h"
#include "json/calendar_json.h"

namespace zeruda::cli {
namespace {

std::string dayLines(const almanac::AlmanacDay& day) {
  return day.dateLine + "\n" + day.pillarsLine + "\n" + day.nayin + "\n" + day.favourable + "\n" +
         day.unfavourable + "\n" +
         (day.traditional ? almanac::traditionalLines(*day.traditional) : std::string());
}

int runRange(const Args& parsed, bool json, std::ostream& out) {
  parsed.expectPositional(0, "");
  const FieldOptions kOptions = {{Field::FromDate, "--from"}, {Field::ToDate, "--to"}};
  const actions::DayRange range = orRefuse(
      actions::dayRange(gbkOption(parsed.value("from"), Field::FromDate, kOptions).value_or(""),
                        gbkOption(parsed.value("to"), Field::ToDate, kOptions).value_or("")),
      kOptions);
  const calendar::Date from = range.from;
  const calendar::Date to = range.to;
  std::string lines;      // GBK
  std::string jsonLines;  // UTF-8
  for (calendar::Date date = from;; date = calendar::nextDay(date)) {
    const almanac::AlmanacDay day = almanac::almanacDay(date);
    if (json) {
      jsonLines += json::almanacJson(day) + "\n";
    } else {
      lines += calendar::isoDate(date) + "\t" + almanac::lunarMonthDay(day) + "\t" +
               day.pillars[2].text() + "\t" + almanac::officerName(day) + "\n";
    }
    if (date == to) break;
  }
  out << jsonLines << fromGbk(lines);
  return kExitOk;
}

}  // namespace

int runAlmanac(std::span<const std::string> args, std::ostream& out, std::ostream&) {
  const Args parsed(args, {"from", "to"}, {"json"});
  if (parsed.value("from") || parsed.value("to")) {
    return runRange(parsed, parsed.flag("json"), out);
  }
  parsed.expectPositional(1, "DATE");
  const FieldOptions kOptions = {{Field::Day, "DATE"}};
  const almanac::AlmanacDay day =
      orRefuse(actions::almanacOf(gbkArg(parsed.positional()[0], Field::Day, kOptions)), kOptions);
  if (parsed.flag("json")) {
    out << json::almanacJson(day) << '\n';
  } else {
    out << fromGbk(dayLines(day));
  }
  return kExitOk;
}

}  // namespace zeruda::cli
