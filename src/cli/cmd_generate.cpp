// zeruda-cli generate: the company page's generate button from the command line. The
// request runs as the page runs it (checks, chart, profile), then the engine prints
// each accepted row as its seven cells separated by tabs, or, with --json, all rows
// as one JSON array once the run has ended.
#include "calendar/ganzhi.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/command_list.h"
#include "cli/command_session.h"
#include "cli/date_args.h"
#include "cli/dictionary_characters.h"
#include "cli/terminal.h"
#include "cli/user_message_out.h"
#include "generation/engine.h"
#include "generation/engine_services.h"
#include "generation/export.h"
#include "generation/request.h"
#include "json/run_json.h"
#include "run/random_source.h"
#include "run/stop_flag.h"

#include <limits>
#include <vector>

namespace zeruda::cli {
namespace {

using generation::CandidateRow;
using generation::CompanyForm;

// The element an --element value names.
calendar::Element elementOf(const std::string& value) {
  if (auto element = calendar::elementFromText(argToGbk(value, "--element"))) return *element;
  throw UsageError("--element must be one of 金 木 水 火 土, not '" + value + "'");
}

std::string required(const Args& args, std::string_view name) {
  auto value = args.value(name);
  if (!value) throw UsageError("missing --" + std::string(name));
  return *value;
}

CompanyForm formFromArgs(const Args& args) {
  CompanyForm form = generation::defaultCompanyForm();
  form.surname = argToGbk(required(args, "surname"), "--surname");
  form.givenName = argToGbk(required(args, "given"), "--given");
  const calendar::Date birthDate = parseDate(required(args, "birth"), "--birth");
  const calendar::DateTime time = parseTime(required(args, "time"), "--time");
  if (time.second != 0) throw UsageError("--time takes hours and minutes only (HH:MM)");
  form.birthMoment = calendar::DateTime::of(birthDate, time.hour, time.minute, 0);
  if (auto prefix = args.value("prefix")) form.prefix = argToGbk(*prefix, "--prefix");
  if (auto suffix = args.value("suffix")) form.suffix = argToGbk(*suffix, "--suffix");
  form.shopName = args.flag("shop");
  form.takeAsTyped = args.flag("raw");
  form.autoElements = args.flag("auto-elements");
  // The request would quietly replace the chosen elements with the favourable ones.
  if (form.autoElements && !args.values("element").empty()) {
    throw UsageError("--auto-elements and --element cannot be used together");
  }
  form.bodyLength = args.intValue("length", 2, 2, 4);
  for (int box = 1; box <= 4; ++box) {
    const std::string name = "--fixed" + std::to_string(box);
    auto fixed = args.value(name.substr(2));
    if (!fixed) continue;
    if (box > form.bodyLength) {
      throw UsageError(name + " lies beyond a body of --length " + std::to_string(form.bodyLength));
    }
    form.fixed[box - 1] = argToGbk(*fixed, name);
    // Taken as typed, the text goes as it is, as the page's box does; else it must
    // be a character the names can be built from.
    if (!form.takeAsTyped) requireDictionaryCharacters(form.fixed[box - 1], name);
  }
  for (const auto& element : args.values("element")) {
    form.wantedElements[static_cast<std::size_t>(elementOf(element))] = true;
  }
  if (args.value("min-stars")) form.minimumStars = args.intValue("min-stars", 1, 1, 5);
  return form;
}

std::string rowLine(const CandidateRow& row) {
  std::string line;
  for (const auto& cell : row.cells) {
    if (!line.empty()) line += '\t';
    line += fromGbk(cell);
  }
  return line + '\n';
}

// Writes the list to the asked files; false when a write failed (its message is on
// `err`).
bool exportAsked(const Args& args, const std::vector<CandidateRow>& rows, std::ostream& err) {
  bool ok = true;
  const std::pair<const char*, generation::ExportFormat> formats[] = {
      {"csv", generation::ExportFormat::Csv}, {"txt", generation::ExportFormat::Txt}};
  for (const auto& [option, format] : formats) {
    auto file = args.value(option);
    if (!file) continue;
    const auto written = generation::exportRows(*file, rows, format);
    if (!written.ok()) {
      printUserMessage(err, generation::exportMessage(written));
      ok = false;
    }
  }
  return ok;
}

}  // namespace

int runGenerate(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const Args parsed(
      args,
      {"surname", "given", "birth", "time", "prefix", "suffix", "length", "fixed1", "fixed2",
       "fixed3", "fixed4", "element", "min-stars", "count", "seed", "csv", "txt"},
      {"shop", "raw", "auto-elements", "json"});
  parsed.expectPositional(0, "");
  CompanyForm form = formFromArgs(parsed);
  const int count = parsed.intValue("count", 0, 1, generation::kRowCap + 1);
  const auto seed = parsed.value("seed") ? static_cast<std::uint32_t>(parsed.intValue(
                                               "seed", 0, 0, std::numeric_limits<int>::max()))
                                         : run::millisecondTickSeed();

  CommandSession session(err);
  const generation::RequestOutcome request =
      generation::runGenerationRequest(std::move(form), session.tables(), session.profile().path());
  if (request.message) {
    printUserMessage(err, *request.message);
    return kExitRefused;
  }

  // Nothing here waits for the engine, so it runs on this thread.
  std::vector<CandidateRow> rows;
  run::StopFlag stop;
  generation::EngineServices services =
      generation::programEngineServices(seed, request.start->baseScore, session.tables());
  const generation::EngineOutcome outcome =
      generation::runEngine(generation::SettingsSnapshot(request.start->settings), stop, services,
                            [&](const CandidateRow& row) {
                              if (!parsed.flag("json")) out << rowLine(row);
                              rows.push_back(row);
                              if (static_cast<int>(rows.size()) == count) stop.requestStop();
                            });
  if (outcome.refusal) {
    printUserMessage(err, *outcome.refusal);
    return kExitRefused;
  }
  if (parsed.flag("json")) out << json::generateJson(rows) << '\n';
  const bool exported = exportAsked(parsed, rows, err);
  // The rows found before the engine gave up are printed and exported all the same.
  if (outcome.gaveUp) {
    printUserMessage(err, *outcome.gaveUp);
    return kExitRefused;
  }
  return exported ? kExitOk : kExitRefused;
}

}  // namespace zeruda::cli
