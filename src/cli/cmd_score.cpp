// zeruda-cli score FILE|- [--base N] [--json] [--csv OUT]: a shortlist of names, one a
// line, each rated on the legal representative's base score and checked against the
// registration rules, best first.
#include "actions/shortlist_action.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/command_list.h"
#include "cli/command_session.h"
#include "cli/line_reader.h"
#include "cli/refusals.h"
#include "cli/terminal.h"
#include "generation/export.h"
#include "json/name_json.h"
#include "shortlist/shortlist.h"
#include "shortlist/shortlist_export.h"
#include "storage/atomic_file.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace zeruda::cli {
namespace {

using shortlist::ScoredName;

const FieldOptions kOptions = {{Field::BaseScore, "--base"}};

// Reads the names line by line; a line the action refuses is named on `err` and left
// out. False when one was. Of a line longer than any name only its start is kept;
// of a list over its size, nothing past it is read.
bool readNames(std::istream& in, actions::ShortlistLines& names, std::ostream& err) {
  // A byte past the list's size is enough to know it is too large.
  LineReader lines(in, actions::kMaxShortlistLineCharacters, actions::kMaxShortlistBytes + 1);
  bool allRead = true;
  std::string line;
  bool tooLong = false;
  while (!names.tooLarge() && lines.next(line, tooLong)) {
    if (auto refusal = names.add(line, tooLong, lines.lineBytes())) {
      printRefusal(err, "score", *refusal, kOptions);
      allRead = false;
    }
  }
  return allRead;
}

bool readSource(const std::string& source, actions::ShortlistLines& names, std::ostream& err) {
  if (source == "-") return readNames(std::cin, names, err);
  std::error_code error;
  if (std::filesystem::is_directory(source, error)) {
    throw UsageError("'" + source + "' is a folder, not a file of names");
  }
  std::ifstream file(source, std::ios::binary);
  if (!file) throw UsageError("cannot read '" + source + "'");
  return readNames(file, names, err);
}

std::string plainLine(const ScoredName& name) {
  return fromGbk(name.name) + '\t' + fromGbk(name.body()) + '\t' + std::to_string(name.stars) +
         '\t' + (name.rated ? shortlist::scoreText(name.score) : "-") + '\t' +
         fromGbk(registration::findingsLine(name.findings)) + '\n';
}

}  // namespace

int runScore(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const Args parsed(args, {"base", "csv"}, {"json"});
  parsed.expectPositional(1, "FILE (or - for standard input)");
  actions::ShortlistLines names;
  const bool allRead = readSource(parsed.positional()[0], names, err);
  const auto base = gbkOption(parsed.value("base"), Field::BaseScore, kOptions);

  CommandSession session(err);
  actions::Context context{session.tables(), &session.profile()};
  const actions::RankedShortlist ranked =
      orRefuse(actions::rankShortlist(names, base, context), kOptions);

  // Each name is written as its turn comes: to the output and, when asked, as the
  // next piece of the CSV, which the file takes as it comes.
  const bool json = parsed.flag("json");
  std::size_t rank = 0;
  auto writeNext = [&](std::string* csvLine) {
    if (rank == ranked.size()) return false;
    const ScoredName name = ranked.at(rank);
    if (json) {
      out << (rank > 0 ? "," : "") << json::scoredNameJson(name, rank + 1);
    } else {
      out << plainLine(name);
    }
    if (csvLine) *csvLine = shortlist::shortlistCsvLine(name, rank + 1);
    ++rank;
    return true;
  };
  if (json) out << '[';
  bool exported = true;
  if (auto file = parsed.value("csv")) {
    std::string line = shortlist::shortlistCsvHeader();
    bool headerGiven = false;
    const auto written = storage::writeFileAtomically(*file, [&](std::string_view& piece) {
      if (headerGiven && !writeNext(&line)) return false;
      headerGiven = true;
      piece = line;
      return true;
    });
    if (!written.ok()) {
      err << fromGbk(generation::exportMessage(written).text) << '\n';
      exported = false;
    }
  }
  // What a failed export left unwritten still goes to the output.
  while (writeNext(nullptr)) {
  }
  if (json) out << "]\n";
  if (!exported) return kExitRefused;
  return allRead ? kExitOk : kExitRefused;
}

}  // namespace zeruda::cli
