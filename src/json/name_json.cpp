#include "json/name_json.h"

#include "dictionary/pinyin.h"
#include "dictionary/strokes.h"
#include "dictionary/traditional.h"
#include "json/name_facts_json.h"
#include "json/writer.h"
#include "numerology/number_luck.h"
#include "registration/finding.h"
#include "text/characters.h"

namespace zeruda::json {
namespace {

void writePart(Writer& json, const std::vector<numerology::CharStroke>& part) {
  json.beginArray();
  for (const auto& c : part) {
    json.beginObject().key("char").string(c.character);
    json.key("kangxi").number(static_cast<long long>(c.strokes)).endObject();
  }
  json.endArray();
}

void writeParts(Writer& json, const numerology::ScoreParts& parts) {
  json.beginObject();
  writePartKeys(json, parts);
  json.endObject();
}

void writeNumbers(Writer& json, const numerology::NameGrids& record) {
  json.key("grids").beginArray();
  for (int n : record.grids) json.number(static_cast<long long>(n));
  json.endArray().key("grid_luck").beginArray();
  for (std::size_t k = 0; k < 5; ++k) json.number(numerology::numberLuck(record.grids[k]));
  const std::string talents = numerology::threeTalents(record.grids);
  json.endArray().key("talents").string(talents);
  json.key("talents_luck").number(numerology::threeTalentsLuck(talents));
}

void writeStars(Writer& json, const actions::StarCount& count) {
  json.key("stars").number(static_cast<long long>(count.stars)).key("star_parts").beginObject();
  writePartKeys(json, count.parts);
  json.key("sum").number(count.parts.sum()).key("rounded").number(count.rounded);
  json.key("threshold");
  count.threshold ? json.number(static_cast<long long>(*count.threshold)) : json.null();
  json.key("missing_elements").string(count.missingElements).endObject();
}

void writeFindings(Writer& json, const std::vector<registration::Finding>& findings) {
  json.key("findings").beginArray();
  for (const registration::Finding& finding : findings) {
    json.beginObject().key("level").string(registration::levelText(finding.level));
    json.key("reason").string(finding.reason).endObject();
  }
  json.endArray();
}

}  // namespace

std::string charsJson(std::string_view text) {
  Writer json;
  json.beginArray();
  for (const auto& unit : text::splitCharacters(text)) {
    json.beginObject().key("char").string(unit);
    json.key("written").number(static_cast<long long>(dictionary::writtenStrokes(unit)));
    json.key("kangxi").number(static_cast<long long>(dictionary::kangxiStrokes(unit)));
    json.key("traditional").string(dictionary::toTraditional(unit));
    json.key("pinyin").string(dictionary::pinyinOf(unit)).endObject();
  }
  json.endArray();
  return json.text();
}

std::string gridsJson(std::string_view body, const numerology::NameGrids& record) {
  const std::string talents = numerology::threeTalents(record.grids);
  Writer json;
  json.beginObject().key("body").string(body).key("surname");
  writePart(json, record.surnamePart);
  json.key("given");
  writePart(json, record.givenPart);
  json.key("grids").beginArray();
  for (int n : record.grids) json.number(static_cast<long long>(n));
  json.endArray().key("talents").string(talents);
  json.key("luck").number(numerology::threeTalentsLuck(talents)).endObject();
  return json.text();
}

std::string scoreJson(std::span<const shortlist::ScoredName> names) {
  std::string text = "[";
  for (std::size_t k = 0; k < names.size(); ++k) {
    if (k > 0) text += ',';
    text += scoredNameJson(names[k], k + 1);
  }
  return text + ']';
}

std::string scoredNameJson(const shortlist::ScoredName& name, std::size_t rank) {
  Writer json;
  const registration::NameSplit split = name.split();
  json.beginObject().key("rank").number(static_cast<long long>(rank));
  json.key("name").string(name.name).key("body").string(split.body);
  json.key("region").string(split.region).key("industry").string(split.industry);
  json.key("form").string(split.form).key("branch").string(split.branch);
  json.key("stars").number(static_cast<long long>(name.stars)).key("score");
  name.rated ? json.number(name.score) : json.null();
  json.key("parts");
  name.rated ? writeParts(json, name.scoreParts) : void(json.null());
  writeFindings(json, name.findings);
  json.endObject();
  return json.text();
}

std::string nameJudgementJson(const actions::NameJudgementAnswer& answer) {
  Writer json;
  json.beginObject().key("name").string(answer.surname + answer.given);
  json.key("surname").string(answer.surname).key("given").string(answer.given);
  writeJudgement(json, answer.judgement);
  json.key("surname_strokes");
  writePart(json, answer.record.surnamePart);
  json.key("given_strokes");
  writePart(json, answer.record.givenPart);
  writeNumbers(json, answer.record);
  if (answer.stars) writeStars(json, *answer.stars);
  json.endObject();
  return json.text();
}

}  // namespace zeruda::json
