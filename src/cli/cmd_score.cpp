// zeruda-cli score FILE|- [--base N] [--json] [--csv OUT]: a shortlist of names, one a
// line, each rated on the legal representative's base score and checked against the
// registration rules, best first.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/command_list.h"
#include "cli/command_session.h"
#include "cli/terminal.h"
#include "generation/export.h"
#include "json/name_json.h"
#include "shortlist/shortlist.h"
#include "shortlist/shortlist_export.h"
#include "storage/character_table.h"

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace zeruda::cli {
namespace {

using shortlist::ScoredName;

std::string readAll(const std::string& source) {
  if (source == "-") {
    return {std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>()};
  }
  std::ifstream file(source, std::ios::binary);
  if (!file) throw UsageError("cannot read '" + source + "'");
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// The UTF-8 input as GBK, line by line so that a bad line is named.
std::string inputAsGbk(std::string utf8) {
  if (utf8.rfind("\xEF\xBB\xBF", 0) == 0) utf8.erase(0, 3);
  std::string gbk;
  std::istringstream lines(utf8);
  std::string line;
  for (int number = 1; std::getline(lines, line); ++number) {
    gbk += argToGbk(line, "line " + std::to_string(number)) + '\n';
  }
  return gbk;
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
  const std::vector<std::string> names =
      shortlist::shortlistNames(inputAsGbk(readAll(parsed.positional()[0])));
  const std::optional<int> base =
      parsed.value("base") ? std::optional<int>(parsed.intValue("base", 0, 0, 5)) : std::nullopt;

  CommandSession session(err);
  // Elements from a table that cannot be read would be silently missing: say so.
  if (auto table = session.tables().open("zk"); !table.ok()) {
    err << "zeruda-cli score: " << fromGbk(table.error()) << '\n';
    return kExitRefused;
  }
  const std::vector<ScoredName> scored =
      shortlist::scoreShortlist(names, base.value_or(session.profile().baseScore()),
                                storage::characterTable(session.tables()));
  if (parsed.flag("json")) {
    out << json::scoreJson(scored) << '\n';
  } else {
    for (const ScoredName& name : scored) out << plainLine(name);
  }
  if (auto file = parsed.value("csv")) {
    const auto written = shortlist::exportShortlist(*file, scored);
    if (!written.ok()) {
      err << fromGbk(generation::exportMessage(written).text) << '\n';
      return kExitRefused;
    }
  }
  return kExitOk;
}

}  // namespace zeruda::cli
