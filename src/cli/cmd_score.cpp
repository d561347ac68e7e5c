// zeruda-cli score FILE|- [--base N] [--json] [--csv OUT]: a shortlist of names, one a
// line, each rated on the legal representative's base score and checked against the
// registration rules, best first.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/command_list.h"
#include "cli/command_session.h"
#include "cli/line_reader.h"
#include "cli/terminal.h"
#include "generation/export.h"
#include "json/name_json.h"
#include "shortlist/shortlist.h"
#include "shortlist/shortlist_export.h"
#include "storage/atomic_file.h"
#include "storage/character_table.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace zeruda::cli {
namespace {

using shortlist::ScoredName;

// No name is this long; a longer line is a mistake (a pasted document, a binary
// file), refused on its own while the other lines are scored.
constexpr std::size_t kMaxLineCharacters = 100;

// The names of a long list, kept as one text and where each ends: a few bytes a
// name, where a string each would cost dozens.
class NameList {
 public:
  void add(std::string_view name) {
    text_ += name;
    ends_.push_back(static_cast<std::uint64_t>(text_.size()));
  }
  std::size_t size() const { return ends_.size(); }
  std::string operator[](std::size_t i) const {
    const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
    return text_.substr(begin, ends_[i] - begin);
  }

 private:
  std::string text_;
  std::vector<std::uint64_t> ends_;
};

// Reads the names line by line; a line too long is named on `err` and left out.
// False when one was.
bool readNames(std::istream& in, NameList& names, std::ostream& err) {
  LineReader lines(in, kMaxLineCharacters);
  bool allRead = true;
  std::string line;
  bool tooLong = false;
  while (lines.next(line, tooLong)) {
    const std::string label = "line " + std::to_string(lines.number());
    if (tooLong) {
      err << "zeruda-cli score: " << label << ": longer than " << kMaxLineCharacters
          << " characters or " << lines.maxBytes() << " bytes, not scored\n";
      allRead = false;
      continue;
    }
    const std::string name = shortlist::shortlistName(argToGbk(line, label));
    if (!name.empty()) names.add(name);
  }
  return allRead;
}

bool readSource(const std::string& source, NameList& names, std::ostream& err) {
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
  NameList names;
  const bool allRead = readSource(parsed.positional()[0], names, err);
  const std::optional<int> base =
      parsed.value("base") ? std::optional<int>(parsed.intValue("base", 0, 0, 5)) : std::nullopt;

  CommandSession session(err);
  // Elements from a table that cannot be read would be silently missing: say so.
  if (auto table = session.tables().open("zk"); !table.ok()) {
    err << "zeruda-cli score: " << fromGbk(table.error()) << '\n';
    return kExitRefused;
  }
  const double baseScore = base.value_or(session.profile().baseScore());
  const numerology::ElementLookup elementOf = storage::characterTable(session.tables());
  // A long list keeps only what its order rests on; each name is judged again when
  // its turn comes to be written.
  std::vector<shortlist::RankKey> keys;
  keys.reserve(names.size());
  for (std::size_t i = 0; i < names.size(); ++i) {
    keys.push_back(shortlist::rankKey(shortlist::scoreName(i, names[i], baseScore, elementOf)));
  }
  const std::vector<std::size_t> order = shortlist::rankOrder(keys);
  keys = {};

  // Each name is written as its turn comes: to the output and, when asked, as the
  // next piece of the CSV, which the file takes as it comes.
  const bool json = parsed.flag("json");
  std::size_t rank = 0;
  auto writeNext = [&](std::string* csvLine) {
    if (rank == order.size()) return false;
    const ScoredName name =
        shortlist::scoreName(order[rank], names[order[rank]], baseScore, elementOf);
    if (json) {
      out << (rank > 0 ? "," : "") << json::scoredNameJson(name);
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
