// zeruda-cli personal: the 取名 page's start button from the command line. The request
// runs as the page runs it (checks, chart, the profile section "先天八字", the scratch
// table emptied), then the worker makes names until --count of them stand.
#include "calendar/lunar.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/command_list.h"
#include "cli/command_session.h"
#include "cli/date_args.h"
#include "cli/terminal.h"
#include "cli/user_message_out.h"
#include "json/run_json.h"
#include "personal/request.h"
#include "personal/worker.h"
#include "personal/worker_services.h"
#include "run/random_source.h"
#include "run/stop_flag.h"

#include <limits>
#include <vector>

namespace zeruda::cli {
namespace {

using personal::NameRow;
using personal::PersonalForm;

std::string required(const Args& args, std::string_view name) {
  auto value = args.value(name);
  if (!value) throw UsageError("missing --" + std::string(name));
  return *value;
}

personal::Gender genderOf(const std::string& value) {
  if (value == "男") return personal::Gender::Male;
  if (value == "女") return personal::Gender::Female;
  throw UsageError("--gender must be 男 or 女, not '" + value + "'");
}

void readFixed(const Args& args, PersonalForm& form) {
  const auto position = args.value("fixed-pos");
  const auto character = args.value("fixed");
  if (!position && !character) return;
  if (!position || !character) throw UsageError("--fixed-pos and --fixed go together");
  const int fixedPosition = args.intValue("fixed-pos", 1, 1, 3);
  if (fixedPosition > form.givenLength) throw UsageError("--fixed-pos must not exceed --length");
  form.fixed = personal::FixedCharacter{fixedPosition, argToGbk(*character, "--fixed")};
}

PersonalForm formFromArgs(const Args& args) {
  PersonalForm form;
  form.surname = argToGbk(required(args, "surname"), "--surname");
  form.gender = genderOf(required(args, "gender"));
  const calendar::Date birthDate = parseDate(required(args, "birth"), "--birth");
  if (!calendar::solarToLunar(birthDate)) {
    throw UsageError("--birth must lie between " + calendar::isoDate(calendar::kFirstLunarDate) +
                     " and " + calendar::isoDate(calendar::kLastLunarDate) +
                     ", the span of the date box");
  }
  const calendar::DateTime time = parseTime(required(args, "time"), "--time");
  if (time.second != 0) throw UsageError("--time takes hours and minutes only (HH:MM)");
  form.birthMoment = calendar::DateTime::of(birthDate, time.hour, time.minute, 0);
  form.givenLength = parseInt(required(args, "length"), personal::kMinGivenLength,
                              personal::kMaxGivenLength, "--length");
  readFixed(args, form);
  if (args.value("level")) form.wantedStars = args.intValue("level", 4, 1, 5);
  return form;
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
                     "count", "seed"},
                    {"json"});
  parsed.expectPositional(0, "");
  const PersonalForm form = formFromArgs(parsed);
  const int count = parsed.intValue("count", 100, 1, personal::kNameCap);
  const auto seed = parsed.value("seed") ? static_cast<std::uint32_t>(parsed.intValue(
                                               "seed", 0, 0, std::numeric_limits<int>::max()))
                                         : run::millisecondTickSeed();

  CommandSession session(err);
  const personal::PersonalRequestOutcome request =
      personal::runPersonalRequest(form, session.tables(), session.profile().path());
  if (request.message) {
    printUserMessage(err, *request.message);
    return kExitRefused;
  }
  auto services = personal::programWorkerServices(seed, session.tables());
  if (!services.ok()) {
    err << fromGbk(services.error()) << '\n';
    return kExitRefused;
  }

  // Nothing here waits for the worker, so it runs on this thread.
  std::vector<NameRow> rows;
  run::StopFlag stop;
  const personal::WorkerOutcome outcome = personal::runNamingWorker(
      request.start->settings, stop, services.value(), [&](const NameRow& row) {
        rows.push_back(row);
        if (static_cast<int>(rows.size()) == count) stop.requestStop();
      });
  if (outcome.failure) {
    printUserMessage(err, *outcome.failure);
    return kExitRefused;
  }
  if (!request.start->note.empty()) err << fromGbk(request.start->note) << '\n';
  if (parsed.flag("json")) {
    out << json::personalJson(*request.start, rows) << '\n';
  } else {
    printPlain(out, rows);
  }
  return kExitOk;
}

}  // namespace zeruda::cli
