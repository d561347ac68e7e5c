// zeruda-cli rate BODY [--base N]: the star rating of a company-name body.
#include "actions/name_actions.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command_list.h"
#include "cli/command_session.h"
#include "cli/refusals.h"
#include "cli/terminal.h"
#include "numerology/rating.h"

namespace zeruda::cli {

int runRate(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args parsed(args, {"base"});
  parsed.expectPositional(1, "BODY");
  const FieldOptions kOptions = {{Field::NameBody, "BODY"}, {Field::BaseScore, "--base"}};
  actions::RateRequest request;
  request.body = gbkArg(parsed.positional()[0], Field::NameBody, kOptions);
  request.base = gbkOption(parsed.value("base"), Field::BaseScore, kOptions);
  CommandSession session(err);
  actions::Context context{session.tables(), &session.profile()};
  const numerology::Rating rating = orRefuse(actions::rate(request, context), kOptions);
  out << rating.stars << '\t' << fromGbk(numerology::starText(rating.stars)) << '\n';
  return kExitOk;
}

}  // namespace zeruda::cli
