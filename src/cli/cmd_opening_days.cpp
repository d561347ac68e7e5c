// zeruda-cli opening-days --from DATE --days N [--birth DATE --time HH:MM] [--json]: the
// days after DATE fit to open a business for the legal representative (the one saved
// in the profile unless --birth gives another), best first, each with its weekday, good
// points, cautions and lucky hours; then the days left out for a clash, with a note.
#include "cli/command_list.h"

#include "almanac/opening_days.h"
#include "calendar/ganzhi.h"
#include "calendar/lunar.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/command_session.h"
#include "cli/date_args.h"
#include "cli/terminal.h"
#include "json/calendar_json.h"
#include "profile/legal_birth.h"
#include "profile/profile.h"
#include "text/gbk_literal.h"

#include <optional>

namespace zeruda::cli {
namespace {

using namespace text::literals;

// The birth given on the line, or nothing when neither --birth nor --time is.
std::optional<calendar::DateTime> givenBirth(const Args& parsed) {
  const auto birthText = parsed.value("birth");
  const auto timeText = parsed.value("time");
  if (!birthText && !timeText) return std::nullopt;
  if (!birthText || !timeText) throw UsageError("--birth DATE and --time HH:MM go together");
  const calendar::Date date = parseDate(*birthText, "--birth");
  const calendar::DateTime time = parseTime(*timeText, "--time");
  return calendar::DateTime::of(date, time.hour, time.minute, time.second);
}

// The saved legal representative's birth, or a refusal that says what to do instead.
std::optional<calendar::DateTime> savedBirth(std::ostream& err) {
  CommandSession session(err);
  const auto saved = profile::savedLegalPerson(session.profile().path());
  if (!saved) {
    err << "zeruda-cli opening-days: no legal representative is saved in the profile; "
           "give --birth DATE --time HH:MM\n";
    return std::nullopt;
  }
  const calendar::Date date = saved->birth.date();
  if (date < calendar::kFirstLunarDate || calendar::kLastLunarDate < date) {
    throw OutOfRange("the saved legal representative's birth " +
                     outsideCalendar(calendar::isoDate(date)));
  }
  return saved->birth;
}

std::string dayLines(const almanac::OpeningDaySearch& search) {
  std::string lines;
  for (const almanac::OpeningDay& day : search.days) {
    lines += calendar::isoDate(day.date) + "\t" + day.weekday + "\t" +
             almanac::officerText(day.officer) + "\t" + calendar::pairText(day.pillars[2]) + "\t" +
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
  const auto fromText = parsed.value("from");
  const auto daysText = parsed.value("days");
  if (!fromText || !daysText) throw UsageError("--from DATE and --days N are both needed");
  const calendar::Date from = parseDate(*fromText, "--from");
  const int days =
      parseInt(*daysText, almanac::kFewestOpeningDays, almanac::kMostOpeningDays, "--days");
  const calendar::Date end = almanac::openingRangeEnd(from, days);
  if (calendar::kLastLunarDate < end) throw OutOfRange(outsideCalendar(calendar::isoDate(end)));

  std::optional<calendar::DateTime> birth = givenBirth(parsed);
  if (!birth) birth = savedBirth(err);
  if (!birth) return kExitRefused;
  const auto found = almanac::searchOpeningDays(from, days, *birth);
  if (parsed.flag("json")) {
    out << json::openingDaysJson(found.days) << '\n';
  } else {
    out << fromGbk(dayLines(found));
  }
  return kExitOk;
}

}  // namespace zeruda::cli
