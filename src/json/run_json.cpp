#include "json/run_json.h"

#include "json/name_facts_json.h"
#include "json/writer.h"
#include "numerology/rating.h"

#include <array>
#include <string_view>

namespace zeruda::json {
namespace {

// The result list's columns, left to right.
constexpr std::array<std::string_view, generation::kColumnCount> kColumnKeys = {
    "sequence", "full_name", "body", "written_strokes", "kangxi_strokes", "elements", "stars"};

void writeChart(Writer& json, const personal::NamingStart& start) {
  const chart::BirthChart& chart = start.chart;
  json.key("chart").beginObject().key("pillars").beginArray();
  const calendar::FourPillars& p = chart.pillars;
  for (calendar::Pair pillar : {p.year, p.month, p.day, p.hour}) json.string(pillar.text());
  json.endArray();
  json.key("missing").string(chart.missingElements.text());
  json.key("base").number(static_cast<long long>(start.settings.baseScore));
  json.endObject();
}

void writeName(Writer& json, const std::string& surname, const personal::NameRow& row) {
  json.beginObject();
  json.key("name").string(surname + row.given);
  json.key("given").string(row.given);
  json.key("stars").number(static_cast<long long>(row.stars));
  json.key("score").number(row.score);
  json.key("grids").beginArray();
  for (int grid : row.grids) json.number(static_cast<long long>(grid));
  json.endArray();
  if (row.judgement) writeJudgement(json, *row.judgement);
  writeStarParts(json, row.parts, row.stars);
  json.endObject();
}

}  // namespace

std::string generateJson(std::span<const generation::CandidateRow> rows) {
  Writer json;
  json.beginArray();
  for (const generation::CandidateRow& row : rows) {
    json.beginObject();
    for (std::size_t column = 0; column < kColumnKeys.size(); ++column) {
      json.key(kColumnKeys[column]).string(row.cells[column]);
    }
    if (row.judgement) {
      writeJudgement(json, *row.judgement);
      const auto rounded = numerology::roundHalfAway(row.parts.sum());
      writeStarParts(json, row.parts, numerology::starsForScore(static_cast<double>(rounded)));
    }
    json.endObject();
  }
  json.endArray();
  return json.text();
}

std::string personalJson(const personal::NamingStart& start,
                         std::span<const personal::NameRow> rows) {
  Writer json;
  json.beginObject();
  writeChart(json, start);
  json.key("rows").beginArray();
  for (const auto& row : rows) writeName(json, start.settings.surname, row);
  json.endArray().key("recommended").beginArray();
  for (const auto& row : rows) {
    if (row.recommended) json.string(row.text);
  }
  json.endArray().key("notes").beginArray();
  if (!start.note.empty()) json.string(start.note);
  json.endArray().endObject();
  return json.text();
}

}  // namespace zeruda::json
