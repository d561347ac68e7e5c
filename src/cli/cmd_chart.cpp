// zeruda-cli chart DATE TIME [--json] [--svg FILE]: the birth-chart report of a birth moment,
// or its figures as JSON; on request its element chart as an SVG picture.
#include "cli/command_list.h"

#include "calendar/lunar_names.h"
#include "calendar/pillars.h"
#include "chart/birth_chart.h"
#include "chart/birth_time_warnings.h"
#include "chart/chart_report.h"
#include "chart/element_strength.h"
#include "cli/args.h"
#include "cli/cli.h"
#include "cli/command.h"
#include "cli/date_args.h"
#include "cli/json.h"
#include "cli/svg_file.h"
#include "cli/terminal.h"
#include "pictures/element_chart.h"

namespace zeruda::cli {
namespace {

std::string chartJson(const calendar::DateTime& moment) {
  chart::BirthChart chart;
  chart.birthMoment = moment;
  if (auto lunar = calendar::solarToLunar(moment.date())) {
    chart.lunarText = calendar::lunarText(*lunar, calendar::LeapMarker::Omit);
  }
  chart::fillChart(chart);
  chart.missingElements = chart::missingElementsOf(chart.pillarElements);
  const chart::ElementStrength s = chart::elementStrength(moment);

  Json json;
  json.beginObject().key("pillars").beginArray();
  for (const auto* p :
       {&chart.yearPillar, &chart.monthPillar, &chart.dayPillar, &chart.hourPillar}) {
    json.string(*p);
  }
  json.endArray();
  json.key("lunar").string(chart.lunarText);
  json.key("zodiac").string(chart.zodiacAnimal);
  json.key("starSign").string(chart.starSign);
  json.key("elements").string(chart.pillarElements);
  json.key("missing").string(chart.missingElements);
  json.key("nayin").beginArray();
  for (const auto& nayin : chart::chartNayin(chart)) json.string(nayin);
  json.endArray();
  json.key("scores").beginObject();
  for (int e = 0; e < calendar::kElementCount; ++e) {
    const auto element = static_cast<calendar::Element>(e);
    json.key(fromGbk(calendar::elementText(element))).number(static_cast<double>(s.score(element)));
  }
  json.endObject();
  json.key("dayMaster").string(s.dayMaster);
  json.key("sameScore").number(static_cast<double>(s.sameScore));
  json.key("otherScore").number(static_cast<double>(s.otherScore));
  json.key("balance").number(static_cast<double>(s.balance));
  json.key("verdict").string(s.verdict);
  json.key("favourable").string(s.favourable);
  json.key("warnings").beginArray();
  for (const auto& warning : chart::birthTimeWarnings(moment)) json.string(warning);
  json.endArray();
  json.endObject();
  return json.text();
}

}  // namespace

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
    out << chartJson(moment) << '\n';
  } else {
    out << fromGbk(chart::birthChartReport(moment, calendar::solarToLunar(date)));
  }
  return kExitOk;
}

}  // namespace zeruda::cli
