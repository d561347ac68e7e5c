#include "json/calendar_json.h"

#include "calendar/ganzhi.h"
#include "calendar/lunar_names.h"
#include "calendar/sixty_pair.h"
#include "chart/birth_chart.h"
#include "chart/birth_time_warnings.h"
#include "chart/element_strength.h"
#include "json/writer.h"
#include "text/gbk.h"

#include <array>
#include <span>

namespace zeruda::json {
namespace {

chart::BirthChart chartOf(const calendar::DateTime& moment) {
  chart::BirthChart chart;
  chart.birthMoment = moment;
  if (auto lunar = calendar::solarToLunar(moment.date())) {
    chart.lunarText = calendar::lunarText(*lunar, calendar::LeapMarker::Omit);
  }
  chart::fillChart(chart);
  chart.missingElements = chart::missingElementsOf(chart.pillarElements);
  return chart;
}

void writeStrength(Writer& json, const chart::ElementStrength& s) {
  json.key("scores").beginObject();
  for (int e = 0; e < calendar::kElementCount; ++e) {
    const auto element = static_cast<calendar::Element>(e);
    json.key(text::displayUtf8(calendar::elementText(element)))
        .number(static_cast<double>(s.score(element)));
  }
  json.endObject();
  json.key("dayMaster").string(s.dayMaster);
  json.key("sameScore").number(static_cast<double>(s.sameScore));
  json.key("otherScore").number(static_cast<double>(s.otherScore));
  json.key("balance").number(static_cast<double>(s.balance));
  json.key("verdict").string(s.verdict);
  json.key("favourable").string(s.favourable.text());
}

void writePillars(Writer& json, std::span<const calendar::Pair> pillars) {
  json.key("pillars").beginArray();
  for (calendar::Pair pair : pillars) json.string(pair.text());
  json.endArray();
}

void writeList(Writer& json, std::string_view key, const std::vector<std::string>& words) {
  json.key(key).beginArray();
  for (const std::string& word : words) json.string(word);
  json.endArray();
}

void writeHour(Writer& json, const almanac::AlmanacHour& hour) {
  json.beginObject().key("branch").string(std::string(calendar::branchText(hour.branch)));
  json.key("pillar").string(hour.pillar.text());
  json.key("god").string(hour.god);
  json.key("luck").string(almanac::luckText(hour.lucky));
  json.endObject();
}

// The traditional tables' keys; empty lists and texts out of the calendar's span.
void writeTraditional(Writer& json, const almanac::TraditionalDay& day) {
  writeList(json, "day_yi", day.favourable);
  writeList(json, "day_ji", day.unfavourable);
  json.key("chong_animal").string(day.clashAnimal);
  json.key("chong_pillar").string(day.clashPillar.text());
  json.key("sha").string(day.sha);
  writeList(json, "pengzu", {day.pengzu.begin(), day.pengzu.end()});
  writeList(json, "ji_shen", day.luckyGods);
  writeList(json, "xiong_sha", day.fiends);
  json.key("day_god").string(day.dayGod);
  json.key("day_luck")
      .string(day.dayGod.empty() ? std::string() : almanac::roadText(day.yellowRoad));
  json.key("hours").beginArray();
  for (const almanac::AlmanacHour& hour : day.hours) {
    if (!hour.god.empty()) writeHour(json, hour);
  }
  json.endArray();
}

}  // namespace

std::string chartJson(const calendar::DateTime& moment) {
  const chart::BirthChart chart = chartOf(moment);
  Writer json;
  json.beginObject();
  const calendar::FourPillars& p = chart.pillars;
  writePillars(json, std::array{p.year, p.month, p.day, p.hour});
  json.key("lunar").string(chart.lunarText);
  json.key("zodiac").string(chart.zodiacAnimal);
  json.key("starSign").string(chart.starSign);
  json.key("elements").string(chart.pillarElements);
  json.key("missing").string(chart.missingElements.text());
  json.key("nayin").beginArray();
  for (const auto& nayin : chart::chartNayin(chart)) json.string(nayin);
  json.endArray();
  writeStrength(json, chart::elementStrength(moment));
  json.key("warnings").beginArray();
  for (const auto& warning : chart::birthTimeWarnings(moment)) json.string(warning);
  json.endArray();
  json.endObject();
  return json.text();
}

std::string almanacJson(const almanac::AlmanacDay& day) {
  Writer json;
  json.beginObject().key("date").string(calendar::isoDate(day.date));
  json.key("lunar").string(almanac::lunarMonthDay(day));
  writePillars(json, day.pillars);
  json.key("zodiac").string(day.zodiac);
  json.key("officer").string(almanac::officerName(day));
  json.key("nayin").string(day.nayin);
  json.key("yi").string(day.favourable);
  json.key("ji").string(day.unfavourable);
  writeTraditional(json, day.traditional.value_or(almanac::TraditionalDay{}));
  json.endObject();
  return json.text();
}

std::string openingDaysJson(std::span<const almanac::OpeningDay> days) {
  Writer json;
  json.beginArray();
  for (const almanac::OpeningDay& day : days) {
    json.beginObject().key("date").string(calendar::isoDate(day.date));
    json.key("officer").string(almanac::officerText(day.officer));
    writePillars(json, day.pillars);
    writeList(json, "reasons", day.reasons);
    json.key("weekday").string(day.weekday);
    writeList(json, "cautions", day.cautions);
    json.key("lucky_hours").beginArray();
    for (const almanac::AlmanacHour& hour : day.luckyHours) writeHour(json, hour);
    json.endArray().endObject();
  }
  json.endArray();
  return json.text();
}

}  // namespace zeruda::json
