// zeruda-cli grids BODY [--json] [--svg FILE]: the five grids, three talents and their luck,
// and on request the five-grid diagram as an SVG picture.
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command_list.h"
#include "cli/dictionary_characters.h"
#include "cli/svg_file.h"
#include "cli/terminal.h"
#include "json/name_json.h"
#include "numerology/grids.h"
#include "pictures/grid_diagram.h"

namespace zeruda::cli {
namespace {

std::string luckText(double luck) { return luck == 1 ? "1" : luck == 0.5 ? "0.5" : "0"; }

}  // namespace

int runGrids(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args parsed(args, {"svg"}, {"json"});
  parsed.expectPositional(1, "BODY");
  const std::string body = argToGbk(parsed.positional()[0], "BODY");
  requireDictionaryCharacters(body, "BODY");
  numerology::NameGrids record;
  numerology::loadNameParts(record, body);
  record.grids = numerology::computeGrids(record.surnamePart, record.givenPart);
  if (auto svg = parsed.value("svg")) {
    // Without both parts there is no name to draw.
    if (record.surnamePart.empty() || record.givenPart.empty()) {
      err << "zeruda-cli grids: a diagram needs a body of 2 to 4 Chinese characters\n";
      return kExitRefused;
    }
    if (!writeSvgFile(*svg, pictures::gridDiagram(record), err, "grids")) return kExitRefused;
  }
  const std::string talents = numerology::threeTalents(record.grids);
  const double luck = numerology::threeTalentsLuck(talents);
  if (parsed.flag("json")) {
    out << json::gridsJson(body, record) << '\n';
    return 0;
  }
  for (std::size_t i = 0; i < record.grids.size(); ++i) {
    out << (i ? " " : "") << record.grids[i];
  }
  out << '\t' << fromGbk(talents) << '\t' << luckText(luck) << '\n';
  return 0;
}

}  // namespace zeruda::cli
