// zeruda-cli almanac-search --from DATE --range DAYS --activity TEXT [--avoid] [--lists]: the days
// after DATE within the range on which the activity is favourable (or, with --avoid,
// unfavourable), one per line as the almanac's list shows them. The officer texts are
// searched for their own activities; the traditional activities (开市, 纳财 …), or any
// activity with --lists, are looked for in the day's 宜 or 忌 list.
#include "cli/command_list.h"

#include "almanac/almanac.h"
#include "calendar/date_time.h"
#include "calendar/gregorian.h"
#include "calendar/lunar.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/date_args.h"
#include "cli/terminal.h"

#include <algorithm>

namespace zeruda::cli {
namespace {

// One of the almanac's ranges: 7, 15, 30, 60, 90 or 180 days.
int rangeDays(const std::string& text) {
  const int days = parseInt(text, 1, 180, "--range");
  const auto ranges = almanac::searchRanges();
  const bool offered = std::any_of(ranges.begin(), ranges.end(),
                                   [days](const auto& range) { return range.days == days; });
  if (!offered) throw UsageError("--range must be 7, 15, 30, 60, 90 or 180, not '" + text + "'");
  return days;
}

// The activity must be one the almanac offers: other text would be matched
// character by character and find days that mean nothing ("、" finds every day).
// True when it is one of the officer texts' activities (and --lists is not given), so
// the officer texts are searched; false when the day lists are.
bool searchesOfficerTexts(const std::string& activity, const std::string& given, bool lists) {
  const auto has = [&](std::span<const std::string> words) {
    return std::find(words.begin(), words.end(), activity) != words.end();
  };
  if (!lists && has(almanac::almanacActivities())) return true;
  if (has(almanac::traditionalAlmanacActivities())) return false;
  std::string list;
  for (const auto offered :
       {almanac::almanacActivities(), almanac::traditionalAlmanacActivities()}) {
    for (auto it = offered.begin(); it != offered.end(); ++it) {
      if (std::find(offered.begin(), it, *it) == it) list += ' ' + fromGbk(*it);
    }
  }
  throw UsageError("--activity '" + given + "' is not one of the almanac's activities:" + list);
}

}  // namespace

int runAlmanacSearch(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const Args parsed(args, {"from", "range", "activity"}, {"avoid", "lists"});
  parsed.expectPositional(0, "");
  const auto fromText = parsed.value("from");
  const auto rangeText = parsed.value("range");
  const auto activityText = parsed.value("activity");
  if (!fromText || !rangeText || !activityText) {
    throw UsageError("--from DATE, --range DAYS and --activity TEXT are all needed");
  }
  const calendar::Date from = parseDate(*fromText, "--from");
  const int days = rangeDays(*rangeText);
  const std::string activity = argToGbk(*activityText, "--activity");
  if (activity.empty()) throw UsageError("--activity must not be empty");
  const bool officerTexts = searchesOfficerTexts(activity, *activityText, parsed.flag("lists"));
  const auto column = parsed.flag("avoid") ? almanac::AlmanacColumn::Unfavourable
                                           : almanac::AlmanacColumn::Favourable;
  std::string lines;
  for (const calendar::Date& day : officerTexts
                                       ? almanac::searchAlmanac(from, days, column, activity)
                                       : almanac::searchDayLists(from, days, column, activity)) {
    lines += almanac::almanacDateText(day) + "\n";
  }
  out << fromGbk(lines);
  // Days past the calendar's end have no officer: say that they were not searched.
  const int daysLeft = calendar::dayNumber(calendar::kLastLunarDate) - calendar::dayNumber(from);
  if (daysLeft < days) {
    err << "zeruda-cli almanac-search: the calendar ends on "
        << calendar::isoDate(calendar::kLastLunarDate) << ": only " << daysLeft << " of the "
        << days << " days after " << *fromText << " were searched\n";
  }
  return kExitOk;
}

}  // namespace zeruda::cli
