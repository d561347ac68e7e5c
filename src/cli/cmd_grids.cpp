// zeruda-cli grids BODY [--json] [--svg FILE]: the five grids, three talents and their luck,
// and on request the five-grid diagram as an SVG picture.
#include "actions/name_actions.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command_list.h"
#include "cli/refusals.h"
#include "cli/svg_file.h"
#include "cli/terminal.h"
#include "json/name_json.h"
#include "numerology/grids.h"

namespace zeruda::cli {
namespace {

std::string luckText(double luck) { return luck == 1 ? "1" : luck == 0.5 ? "0.5" : "0"; }

}  // namespace

int runGrids(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args parsed(args, {"svg"}, {"json"});
  parsed.expectPositional(1, "BODY");
  const FieldOptions kOptions = {{Field::NameBody, "BODY"}};
  const std::string body = gbkArg(parsed.positional()[0], Field::NameBody, kOptions);
  const actions::NamedGrids named = orRefuse(actions::grids(body), kOptions);
  const numerology::NameGrids& record = named.record;
  if (auto svg = parsed.value("svg")) {
    const pictures::Picture picture = orRefuse(actions::gridPicture(body), kOptions);
    if (!writeSvgFile(*svg, picture, err, "grids")) return kExitRefused;
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
