// zeruda-cli opening-days --from DATE --days N [--birth DATE --time HH:MM] [--json]: the
// days after DATE fit to open a business for the legal representative (the one saved
// in the profile unless --birth gives another), best first, each with its weekday, good
// points, cautions and lucky hours; then the days left out for a clash, with a note.
#include "cli/command_list.h"

#include "actions/calendar_actions.h"
#include "almanac/opening_days.h"
#include "calendar/ganzhi.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/command_session.h"
#include "cli/refusals.h"
#include "cli/terminal.h"
#include "json/calendar_json.h"
#include "text/gbk_literal.h"

#include <optional>

namespace zeruda::cli {
namespace {

using namespace text::literals;

std::string dayLines(const almanac::OpeningDaySearch& search) {
  std::string lines;
  for (const almanac::OpeningDay& day : search.days) {
    lines += calendar::isoDate(day.date) + "\t" + day.weekday + "\t" +
             almanac::officerText(day.officer) + "\t" + day.pillars[2].text() + "\t" +
             almanac::openingDayText(day) + "\n";
  }
  for (const almanac::LeftOutDay& left : search.leftOut) {
    lines += calendar::isoDate(left.date) + "\t" + left.note + "\n";
  }
  return lines;
}

}  // namespace

int runOpeningDays(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const Args parsed(args, {"from", "days", "birth", "time"}, {"json"});
  parsed.expectPositional(0, "");
  const FieldOptions kOptions = {{Field::FromDate, "--from"},
                                 {Field::DayCount, "--days"},
                                 {Field::BirthDate, "--birth"},
                                 {Field::BirthTime, "--time"}};
  actions::OpeningDaysRequest request;
  request.from = gbkOption(parsed.value("from"), Field::FromDate, kOptions).value_or("");
  request.days = gbkOption(parsed.value("days"), Field::DayCount, kOptions);
  request.birthDate = gbkOption(parsed.value("birth"), Field::BirthDate, kOptions);
  request.birthTime = gbkOption(parsed.value("time"), Field::BirthTime, kOptions);
  CommandSession session(err);
  const auto found = orRefuse(actions::openingDays(request, session.profile().path()), kOptions);
  if (parsed.flag("json")) {
    out << json::openingDaysJson(found.days) << '\n';
  } else {
    out << fromGbk(dayLines(found));
  }
  return kExitOk;
}

}  // namespace zeruda::cli
