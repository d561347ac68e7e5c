// zeruda-cli chart DATE TIME [--json] [--svg FILE]: the birth-chart report of a birth moment,
// or its figures as JSON; on request its element chart as an SVG picture.
#include "cli/command_list.h"

#include "calendar/lunar.h"
#include "calendar/pillars.h"
#include "chart/chart_report.h"
#include "chart/element_strength.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/date_args.h"
#include "cli/svg_file.h"
#include "cli/terminal.h"
#include "json/calendar_json.h"
#include "pictures/element_chart.h"

namespace zeruda::cli {
int runChart(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  const Args parsed(args, {"svg"}, {"json"});
  parsed.expectPositional(2, "DATE and TIME");
  const calendar::Date date = parseDate(parsed.positional()[0], "DATE");
  const calendar::DateTime time = parseTime(parsed.positional()[1], "TIME");
  const auto moment = calendar::DateTime::of(date, time.hour, time.minute, time.second);
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
