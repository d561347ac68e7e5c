// zeruda-cli name SURNAME GIVEN [--gender 男|女] [--birth DATE --time TIME] [--json]: the
// personal name report of a name one already has (测名), as the action judges it.
#include "actions/name_judgement.h"
#include "actions/name_report.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command_list.h"
#include "cli/command_session.h"
#include "cli/refusals.h"
#include "cli/terminal.h"
#include "json/name_json.h"

namespace zeruda::cli {
namespace {

const FieldOptions kOptions = {
    {Field::PersonSurname, "SURNAME"}, {Field::PersonGivenName, "GIVEN"},
    {Field::PersonGender, "--gender"}, {Field::BirthDate, "--birth"},
    {Field::BirthTime, "--time"},
};

}  // namespace

int runName(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const Args parsed(args, {"gender", "birth", "time"}, {"json"});
  parsed.expectPositional(2, "SURNAME GIVEN");
  actions::NameJudgementRequest request;
  request.surname = gbkArg(parsed.positional()[0], Field::PersonSurname, kOptions);
  request.given = gbkArg(parsed.positional()[1], Field::PersonGivenName, kOptions);
  request.gender = gbkOption(parsed.value("gender"), Field::PersonGender, kOptions);
  request.birthDate = gbkOption(parsed.value("birth"), Field::BirthDate, kOptions);
  request.birthTime = gbkOption(parsed.value("time"), Field::BirthTime, kOptions);

  CommandSession session(err);
  actions::Context context{session.tables(), nullptr};
  const actions::NameJudgementAnswer answer =
      orRefuse(actions::judgeName(request, context), kOptions);
  if (parsed.flag("json")) {
    out << json::nameJudgementJson(answer) << '\n';
  } else {
    out << fromGbk(actions::nameReportText(answer));
  }
  return kExitOk;
}

}  // namespace zeruda::cli
