// zeruda-cli opening-days --from DATE --days N [--birth DATE --time HH:MM] [--json]: the
// days after DATE fit to open a business for the legal representative (the one saved
// in the profile unless --birth gives another), best first, each with its reasons.
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

std::string reasonsText(const almanac::OpeningDay& day) {
  std::string text;
  for (const std::string& reason : day.reasons) text += (text.empty() ? "" : "；"_gbk) + reason;
  return text;
}

std::string dayLines(const std::vector<almanac::OpeningDay>& days) {
  std::string lines;
  for (const almanac::OpeningDay& day : days) {
    lines += calendar::isoDate(day.date) + "\t" + almanac::officerText(day.officer) + "\t" +
             calendar::pairText(day.pillars[2]) + "\t" + reasonsText(day) + "\n";
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
    out << json::openingDaysJson(found) << '\n';
  } else {
    out << fromGbk(dayLines(found));
  }
  return kExitOk;
}

}  // namespace zeruda::cli
