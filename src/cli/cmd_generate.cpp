// zeruda-cli generate: the company page's generate button from the command line. The
// request is checked and run as the page runs it (checks, chart, profile), then each
// accepted row is printed as its seven cells separated by tabs, or, with --json, all
// rows as one JSON array once the run has ended.
#include "actions/company_actions.h"
#include "actions/name_report.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/command_list.h"
#include "cli/command_session.h"
#include "cli/refusals.h"
#include "cli/terminal.h"
#include "cli/user_message_out.h"
#include "generation/export.h"
#include "json/run_json.h"
#include "run/stop_flag.h"

#include <vector>

namespace zeruda::cli {
namespace {

using generation::CandidateRow;

const FieldOptions kOptions = {
    {Field::LegalSurname, "--surname"},
    {Field::LegalGivenName, "--given"},
    {Field::BirthDate, "--birth"},
    {Field::BirthTime, "--time"},
    {Field::RegionPrefix, "--prefix"},
    {Field::TradeSuffix, "--suffix"},
    {Field::BodyLength, "--length"},
    {Field::FixedCharacter1, "--fixed1"},
    {Field::FixedCharacter2, "--fixed2"},
    {Field::FixedCharacter3, "--fixed3"},
    {Field::FixedCharacter4, "--fixed4"},
    {Field::WantedElements, "--element"},
    {Field::MinimumStars, "--min-stars"},
    {Field::NameCount, "--count"},
    {Field::Seed, "--seed"},
    {Field::NamingRoad, "--road"},
};

// The arguments as the request's texts; the action checks them all.
actions::GenerateRequest requestOf(const Args& args) {
  auto text = [&](std::string_view option, Field field) {
    return gbkOption(args.value(option), field, kOptions);
  };
  actions::GenerateRequest request;
  request.surname = text("surname", Field::LegalSurname).value_or("");
  request.givenName = text("given", Field::LegalGivenName).value_or("");
  request.birthDate = text("birth", Field::BirthDate).value_or("");
  request.birthTime = text("time", Field::BirthTime).value_or("");
  request.prefix = text("prefix", Field::RegionPrefix);
  request.suffix = text("suffix", Field::TradeSuffix);
  request.shopName = args.flag("shop");
  request.takeAsTyped = args.flag("raw");
  request.autoElements = args.flag("auto-elements");
  for (const auto& element : args.values("element")) {
    request.elements.push_back(gbkArg(element, Field::WantedElements, kOptions));
  }
  request.bodyLength = text("length", Field::BodyLength);
  for (std::size_t box = 0; box < request.fixed.size(); ++box) {
    const Field field = static_cast<Field>(static_cast<int>(Field::FixedCharacter1) + box);
    request.fixed[box] = text("fixed" + std::to_string(box + 1), field);
  }
  request.minimumStars = text("min-stars", Field::MinimumStars);
  request.count = text("count", Field::NameCount);
  request.seed = text("seed", Field::Seed);
  request.road = text("road", Field::NamingRoad);
  return request;
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
  if (auto file = args.value("rich-csv")) {
    const auto written = actions::exportRichRows(*file, rows);
    if (!written.ok()) {
      printUserMessage(err, generation::exportMessage(written));
      ok = false;
    }
  }
  return ok;
}

}  // namespace

int runGenerate(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const Args parsed(args,
                    {"surname", "given", "birth", "time", "prefix", "suffix", "length", "fixed1",
                     "fixed2", "fixed3", "fixed4", "element", "min-stars", "count", "seed", "road",
                     "csv", "txt", "rich-csv"},
                    {"shop", "raw", "auto-elements", "json"});
  parsed.expectPositional(0, "");
  const actions::GenerateRequest request = requestOf(parsed);

  CommandSession session(err);
  actions::Context context{session.tables(), &session.profile()};
  const actions::GenerateStart start =
      orRefuse(actions::checkGenerate(request, context).start, kOptions);

  // Nothing here waits for the engine, so it runs on this thread.
  const bool json = parsed.flag("json");
  std::vector<CandidateRow> rows;
  run::StopFlag stop;
  const actions::RunEnd end = actions::runGenerate(
      start, context,
      [&](std::span<const CandidateRow> batch) {
        for (const CandidateRow& row : batch) {
          if (!json) out << rowLine(row);
          rows.push_back(row);
        }
      },
      stop);
  if (json) out << json::generateJson(rows) << '\n';
  const bool exported = exportAsked(parsed, rows, err);
  // The rows found before the engine gave up are printed and exported all the same.
  if (end.message) {
    printUserMessage(err, userMessageOf(*end.message));
    return kExitRefused;
  }
  return exported ? kExitOk : kExitRefused;
}

}  // namespace zeruda::cli
