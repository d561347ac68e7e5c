// zeruda-cli terms YEAR: the year's 24 solar terms, 立春 first, with their moments.
#include "cli/command_list.h"

#include "actions/calendar_actions.h"
#include "calendar/date_time.h"
#include "calendar/solar_terms.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/refusals.h"
#include "cli/terminal.h"

namespace zeruda::cli {

int runTerms(std::span<const std::string> args, std::ostream& out, std::ostream&) {
  const Args parsed(args, {});
  parsed.expectPositional(1, "YEAR");
  const FieldOptions kOptions = {{Field::Year, "YEAR"}};
  const int year =
      orRefuse(actions::termYear(gbkArg(parsed.positional()[0], Field::Year, kOptions)), kOptions);
  std::string list;
  for (int number = 1; number <= calendar::kTermCount; ++number) {
    list += calendar::solarTermName(number) + ":" +
            calendar::dateTimeText(calendar::solarTermTime(year, number)) + "\n";
  }
  out << fromGbk(list);
  return kExitOk;
}

}  // namespace zeruda::cli
