#include "naming/name_readings.h"

#include "dictionary/gbk_code.h"
#include "embedded/kNamingTones.h"
#include "naming/character_facts.h"
#include "naming/table_rows.h"
#include "naming/toneless.h"
#include "text/characters.h"
#include "text/gbk_literal.h"

#include <map>

namespace zeruda::naming {

using namespace text::literals;

namespace {

struct Table {
  std::vector<std::string_view> usual;  // by GBK slot
  std::map<std::string_view, std::string_view, std::less<>> surnames;
};

// Columns: character (or compound surname), reading, 字 or 姓.
Table readTable() {
  Table table;
  table.usual.assign(dictionary::kGbkCodeCount, {});
  forEachRow<3>(data::kNamingTones, [&](const auto& fields) {
    if (fields[2] == "姓"_gbk) {
      table.surnames.emplace(fields[0], fields[1]);
    } else if (const auto slot = dictionary::gbkSlot(fields[0]); slot && fields[0].size() == 2) {
      table.usual[*slot] = fields[1];
    }
  });
  return table;
}

const Table& table() {
  static const Table built = readTable();
  return built;
}

std::string_view surnameReading(std::string_view surname) {
  const auto found = table().surnames.find(surname);
  return found == table().surnames.end() ? std::string_view{} : found->second;
}

void addCharacters(NameSound& sound, std::string_view text) {
  text::forEachUnit(text, [&](std::string_view unit) {
    if (unit.size() == 2) sound.characters.emplace_back(unit);
  });
}

}  // namespace

std::string_view usualReadingOf(std::string_view character) {
  const auto slot = dictionary::gbkSlot(character);
  if (!slot || character.size() != 2) return {};
  return table().usual[*slot];
}

NameSound nameSoundOf(std::string_view surname, std::string_view given) {
  NameSound sound;
  addCharacters(sound, surname);
  sound.surnameLength = sound.characters.size();
  addCharacters(sound, given);
  std::string surnameText;
  for (std::size_t k = 0; k < sound.surnameLength; ++k) surnameText += sound.characters[k];
  // The surname as a whole first (欧阳 ōu yáng, 单 shàn), taken only at one syllable a character.
  forEachWord(surnameReading(surnameText),
              [&](std::string_view syllable) { sound.syllables.push_back(syllable); });
  if (sound.syllables.size() != sound.surnameLength) sound.syllables.clear();
  for (std::size_t k = sound.syllables.size(); k < sound.characters.size(); ++k) {
    const std::string& character = sound.characters[k];
    std::string_view reading =
        k < sound.surnameLength ? surnameReading(character) : readingOf(character);
    if (reading.empty()) reading = usualReadingOf(character);
    sound.syllables.push_back(reading);
  }
  for (const std::string_view syllable : sound.syllables) {
    sound.toneless.push_back(tonelessOf(syllable));
    sound.tones.push_back(toneOf(syllable));
  }
  return sound;
}

}  // namespace zeruda::naming
