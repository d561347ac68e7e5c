// zeruda-cli rate BODY [--base N]: the star rating of a company-name body.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command_list.h"
#include "cli/environment.h"
#include "cli/terminal.h"
#include "dictionary/table_element.h"
#include "numerology/rating.h"
#include "profile/base_score.h"

namespace zeruda::cli {

int runRate(std::span<const std::string> args, std::ostream& out, std::ostream&) {
  Args parsed(args, {"base"});
  parsed.expectPositional(1, "BODY");
  const std::string body = argToGbk(parsed.positional()[0], "BODY");
  const std::optional<int> base =
      parsed.value("base") ? std::optional<int>(parsed.intValue("base", 0, 0, 5)) : std::nullopt;
  ProgramEnvironment environment;
  const auto rating = numerology::rateName(body, base.value_or(profile::profileBaseScore()),
                                           dictionary::tableElement);
  out << rating.stars << '\t' << fromGbk(numerology::starText(rating.stars)) << '\n';
  return kExitOk;
}

}  // namespace zeruda::cli
