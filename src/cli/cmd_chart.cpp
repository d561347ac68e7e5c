// zeruda-cli chart DATE TIME [--json] [--svg FILE]: the birth-chart report of a birth moment,
// or its figures as JSON; on request its element chart as an SVG picture.
#include "cli/command_list.h"

#include "actions/calendar_actions.h"
#include "calendar/lunar.h"
#include "calendar/pillars.h"
#include "chart/chart_report.h"
#include "chart/element_strength.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/refusals.h"
#include "cli/svg_file.h"
#include "cli/terminal.h"
#include "json/calendar_json.h"
#include "pictures/element_chart.h"

namespace zeruda::cli {
int runChart(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const Args parsed(args, {"svg"}, {"json"});
  parsed.expectPositional(2, "DATE and TIME");
  const FieldOptions kOptions = {{Field::Day, "DATE"}, {Field::Time, "TIME"}};
  const calendar::DateTime moment =
      orRefuse(actions::chartMoment(gbkArg(parsed.positional()[0], Field::Day, kOptions),
                                    gbkArg(parsed.positional()[1], Field::Time, kOptions)),
               kOptions);
  const calendar::Date date = moment.date();
  if (auto svg = parsed.value("svg")) {
    const auto chart =
        pictures::elementChart(calendar::fourPillars(moment), chart::elementStrength(moment));
    if (!writeSvgFile(*svg, chart, err, "chart")) return kExitRefused;
  }
  if (parsed.flag("json")) {
    out << json::chartJson(moment) << '\n';
  } else {
    out << fromGbk(chart::birthChartReport(moment, calendar::solarToLunar(date)));
  }
  return kExitOk;
}

}  // namespace zeruda::cli
