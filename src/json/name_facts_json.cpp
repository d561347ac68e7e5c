#include "json/name_facts_json.h"

namespace zeruda::json {
namespace {

void writeSource(Writer& json, const naming::Verse& verse) {
  json.key("source").beginObject().key("text").string(verse.clause);
  json.key("title").string(verse.title).key("author").string(verse.author);
  json.key("dynasty").string(verse.dynasty).key("book").string(verse.book).endObject();
}

}  // namespace

void writePartKeys(Writer& json, const numerology::ScoreParts& parts) {
  json.key("base").number(parts.base).key("talents").number(parts.talents);
  json.key("grids").beginArray();
  for (double luck : parts.grids) json.number(luck);
  json.endArray().key("elements").number(parts.elements);
}

void writeStarParts(Writer& json, const numerology::ScoreParts& parts, int stars) {
  json.key("star_parts").beginObject();
  writePartKeys(json, parts);
  json.key("sum").number(parts.sum()).key("threshold");
  const auto threshold = numerology::starThreshold(stars);
  threshold ? json.number(static_cast<long long>(*threshold)) : json.null();
  json.endObject();
}

void writeStrings(Writer& json, std::string_view key, const std::vector<std::string>& texts) {
  json.key(key).beginArray();
  for (const std::string& text : texts) json.string(text);
  json.endArray();
}

void writeJudgement(Writer& json, const naming::NameJudgement& judged) {
  json.key("pinyin").string(judged.pinyin).key("tones").beginArray();
  for (int tone : judged.tones) json.number(static_cast<long long>(tone));
  json.endArray().key("tone_pattern").string(judged.tonePattern);
  json.key("meanings").beginArray();
  for (const std::string_view meaning : judged.meanings) json.string(meaning);
  json.endArray();
  if (judged.source) writeSource(json, *judged.source);
  writeStrings(json, "warnings", judged.warnings);
  writeStrings(json, "notes", judged.notes);
}

}  // namespace zeruda::json
