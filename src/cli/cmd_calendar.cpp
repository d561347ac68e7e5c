// zeruda-cli calendar --from DATE --to DATE [--time TIME]: one line per day with its
// lunar date and four pillars, tab separated.
#include "cli/command_list.h"

#include "calendar/gregorian.h"
#include "calendar/lunar.h"
#include "calendar/pillars.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/date_args.h"
#include "cli/terminal.h"

#include <cstdio>

namespace zeruda::cli {
namespace {

// Lines are gathered as GBK and converted to UTF-8 a block at a time, which keeps a
// run over the whole calendar fast.
constexpr std::size_t kFlushBytes = 1 << 16;

void appendDay(std::string& out, const calendar::Date& date, const calendar::DateTime& time) {
  char iso[16];
  std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", date.year, date.month, date.day);
  out += iso;
  if (auto lunar = calendar::solarToLunar(date)) {
    out += '\t' + std::to_string(lunar->year) + '\t' + std::to_string(lunar->month) + '\t' +
           std::to_string(lunar->day) + '\t' + (lunar->leap ? '1' : '0');
  } else {
    out += "\t\t\t\t";
  }
  const auto pillars =
      calendar::fourPillars(calendar::DateTime::of(date, time.hour, time.minute, time.second));
  for (const std::string* p : {&pillars.year, &pillars.month, &pillars.day, &pillars.hour}) {
    out += '\t';
    out += *p;
  }
  out += '\n';
}

}  // namespace

int runCalendar(std::span<const std::string> args, std::ostream& out, std::ostream&) {
  const Args parsed(args, {"from", "to", "time"});
  parsed.expectPositional(0, "");
  const auto fromText = parsed.value("from");
  const auto toText = parsed.value("to");
  if (!fromText || !toText) throw UsageError("--from DATE and --to DATE are both needed");
  const calendar::Date from = parseDate(*fromText, "--from");
  const calendar::Date to = parseDate(*toText, "--to");
  if (to < from) throw UsageError("--to " + *toText + " is before --from " + *fromText);
  const auto timeText = parsed.value("time");
  const calendar::DateTime time =
      timeText ? parseTime(*timeText, "--time") : calendar::DateTime{0, 0, 0, 12, 0, 0};

  std::string block;
  for (calendar::Date day = from;; day = calendar::nextDay(day)) {
    appendDay(block, day, time);
    if (block.size() >= kFlushBytes) {
      out << fromGbk(block);
      block.clear();
    }
    if (day == to) break;
  }
  out << fromGbk(block);
  return kExitOk;
}

}  // namespace zeruda::cli
