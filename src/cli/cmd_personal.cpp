// zeruda-cli personal: the 取名 page's start button from the command line. The request
// is checked and run as the page runs it (checks, chart, the profile section "先天八字",
// the scratch table emptied), then the worker makes names until --count of them stand.
#include "actions/personal_actions.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/command_list.h"
#include "cli/command_session.h"
#include "cli/refusals.h"
#include "cli/terminal.h"
#include "cli/user_message_out.h"
#include "json/run_json.h"
#include "run/stop_flag.h"

#include <vector>

namespace zeruda::cli {
namespace {

using personal::NameRow;

const FieldOptions kOptions = {
    {Field::PersonSurname, "--surname"},
    {Field::PersonGender, "--gender"},
    {Field::BirthDate, "--birth"},
    {Field::BirthTime, "--time"},
    {Field::GivenLength, "--length"},
    {Field::FixedPosition, "--fixed-pos"},
    {Field::PersonFixedCharacter, "--fixed"},
    {Field::StarLevel, "--level"},
    {Field::NameCount, "--count"},
    {Field::Seed, "--seed"},
    {Field::NamingRoad, "--road"},
};

// The arguments as the request's texts; the action checks them all. Without --count
// a hundred names are made.
actions::PersonalRequest requestOf(const Args& args) {
  auto text = [&](std::string_view option, Field field) {
    return gbkOption(args.value(option), field, kOptions);
  };
  actions::PersonalRequest request;
  request.surname = text("surname", Field::PersonSurname).value_or("");
  request.gender = text("gender", Field::PersonGender).value_or("");
  request.birthDate = text("birth", Field::BirthDate).value_or("");
  request.birthTime = text("time", Field::BirthTime).value_or("");
  request.givenLength = text("length", Field::GivenLength);
  request.fixedPosition = text("fixed-pos", Field::FixedPosition);
  request.fixed = text("fixed", Field::PersonFixedCharacter);
  request.level = text("level", Field::StarLevel);
  request.count = text("count", Field::NameCount).value_or("100");
  request.seed = text("seed", Field::Seed);
  request.road = text("road", Field::NamingRoad);
  return request;
}

std::vector<const NameRow*> recommendedRows(const std::vector<NameRow>& rows) {
  std::vector<const NameRow*> recommended;
  for (const auto& row : rows) {
    if (row.recommended) recommended.push_back(&row);
  }
  return recommended;
}

void printPlain(std::ostream& out, const std::vector<NameRow>& rows) {
  for (const auto& row : rows) out << fromGbk(row.text) << '\n';
  out << '\n';
  for (const NameRow* row : recommendedRows(rows)) out << fromGbk(row->text) << '\n';
}

}  // namespace

int runPersonal(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const Args parsed(args,
                    {"surname", "gender", "birth", "time", "length", "fixed-pos", "fixed", "level",
                     "count", "seed", "road"},
                    {"json"});
  parsed.expectPositional(0, "");
  const actions::PersonalRequest request = requestOf(parsed);

  CommandSession session(err);
  actions::Context context{session.tables(), &session.profile()};
  const actions::PersonalStart start = orRefuse(actions::checkPersonal(request, context), kOptions);

  // Nothing here waits for the worker, so it runs on this thread.
  std::vector<NameRow> rows;
  run::StopFlag stop;
  const actions::RunEnd end = actions::runPersonal(
      start, context,
      [&](std::span<const NameRow> batch) { rows.insert(rows.end(), batch.begin(), batch.end()); },
      stop);
  if (end.message) {
    printUserMessage(err, userMessageOf(*end.message));
    return kExitRefused;
  }
  if (!start.naming.note.empty()) err << fromGbk(start.naming.note) << '\n';
  if (parsed.flag("json")) {
    out << json::personalJson(start.naming, rows) << '\n';
  } else {
    printPlain(out, rows);
  }
  return kExitOk;
}

}  // namespace zeruda::cli
