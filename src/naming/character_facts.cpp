#include "naming/character_facts.h"

#include "dictionary/gbk_code.h"
#include "embedded/kNamingReadings.h"
#include "naming/table_rows.h"
#include "text/gbk.h"

#include <cstdint>
#include <vector>

namespace zeruda::naming {
namespace {

struct Table {
  std::vector<CharacterFacts> facts;
  std::vector<std::int16_t> index;  // by GBK slot: position in `facts`, -1 for none
};

// Columns: character, reading, level, leaning, meaning, other readings ("-" for none).
Table readTable() {
  Table table;
  table.index.assign(dictionary::kGbkCodeCount, -1);
  forEachRow<6>(data::kNamingReadings, [&](const auto& fields) {
    const auto slot = dictionary::gbkSlot(fields[0]);
    const auto leaning = leaningFromText(fields[3]);
    if (!slot || fields[0].size() != 2 || fields[2].size() != 1 || !leaning) return;
    table.index[*slot] = static_cast<std::int16_t>(table.facts.size());
    table.facts.push_back({.character = fields[0],
                           .reading = fields[1],
                           .level = fields[2][0] - '0',
                           .leaning = *leaning,
                           .meaning = fields[4],
                           .otherReadings = fields[5] == "-" ? std::string_view{} : fields[5]});
  });
  return table;
}

const Table& table() {
  static const Table built = readTable();
  return built;
}

}  // namespace

std::optional<Leaning> leaningFromText(std::string_view gbk) {
  static const std::string male = text::toGbk("男"), female = text::toGbk("女"),
                           either = text::toGbk("中");
  if (gbk == male) return Leaning::Male;
  if (gbk == female) return Leaning::Female;
  if (gbk == either) return Leaning::Either;
  return std::nullopt;
}

std::span<const CharacterFacts> nameCharacters() { return table().facts; }

const CharacterFacts* factsOf(std::string_view character) {
  const auto slot = dictionary::gbkSlot(character);
  if (!slot || character.size() != 2) return nullptr;
  const auto at = table().index[*slot];
  return at < 0 ? nullptr : &table().facts[static_cast<std::size_t>(at)];
}

std::string_view readingOf(std::string_view character) {
  const auto* facts = factsOf(character);
  return facts ? facts->reading : std::string_view{};
}

int levelOf(std::string_view character) {
  const auto* facts = factsOf(character);
  return facts ? facts->level : 0;
}

std::optional<Leaning> genderOf(std::string_view character) {
  const auto* facts = factsOf(character);
  return facts ? std::optional{facts->leaning} : std::nullopt;
}

std::string_view meaningOf(std::string_view character) {
  const auto* facts = factsOf(character);
  return facts ? facts->meaning : std::string_view{};
}

}  // namespace zeruda::naming
