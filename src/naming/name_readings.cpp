#include "naming/name_readings.h"

#include "dictionary/gbk_code.h"
#include "embedded/kNamingTones.h"
#include "naming/character_facts.h"
#include "naming/table_rows.h"
#include "naming/toneless.h"
#include "text/characters.h"
#include "text/gbk_literal.h"

#include <cstdint>
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

// By GBK slot, through an index, as only the characters with a reading have one.
struct GivenSounds {
  std::vector<std::int32_t> at;  // by GBK slot, -1 for none
  std::vector<GivenSound> sounds;
};

const GivenSounds& givenTable() {
  static const GivenSounds built = [] {
    GivenSounds given;
    given.at.assign(dictionary::kGbkCodeCount, -1);
    for (std::size_t slot = 0; slot < dictionary::kGbkCodeCount; ++slot) {
      std::string_view reading = readingOf(dictionary::gbkCharacter(slot));
      if (reading.empty()) reading = table().usual[slot];
      if (reading.empty()) continue;
      given.at[slot] = static_cast<std::int32_t>(given.sounds.size());
      given.sounds.push_back({reading, tonelessOf(reading), toneOf(reading)});
    }
    return given;
  }();
  return built;
}

void addCharacters(NameSound& sound, std::string_view text) {
  text::forEachUnit(text, [&](std::string_view unit) {
    if (unit.size() == 2) sound.characters.emplace_back(unit);
  });
}

}  // namespace

std::span<const GivenSound> givenSounds() { return givenTable().sounds; }

const GivenSound* givenSoundOf(std::string_view character) {
  const auto slot = dictionary::gbkSlot(character);
  if (!slot || character.size() != 2) return nullptr;
  const std::int32_t at = givenTable().at[*slot];
  return at < 0 ? nullptr : &givenTable().sounds[static_cast<std::size_t>(at)];
}

std::string_view usualReadingOf(std::string_view character) {
  const auto slot = dictionary::gbkSlot(character);
  if (!slot || character.size() != 2) return {};
  return table().usual[*slot];
}

NameSound nameSoundOf(std::string_view surname, std::string_view given) {
  NameSound sound;
  // At most one character to two bytes: room made once, not as the lists grow.
  const std::size_t most = (surname.size() + given.size()) / 2;
  sound.characters.reserve(most);
  sound.syllables.reserve(most);
  addCharacters(sound, surname);
  sound.surnameLength = sound.characters.size();
  addCharacters(sound, given);
  if (sound.surnameLength > 0) {
    std::string surnameText;
    for (std::size_t k = 0; k < sound.surnameLength; ++k) surnameText += sound.characters[k];
    // The surname as a whole first (欧阳 ōu yáng, 单 shàn), taken only at one syllable a
    // character.
    forEachWord(surnameReading(surnameText),
                [&](std::string_view syllable) { sound.syllables.push_back(syllable); });
    if (sound.syllables.size() != sound.surnameLength) sound.syllables.clear();
  }
  for (std::size_t k = sound.syllables.size(); k < sound.surnameLength; ++k) {
    const std::string& character = sound.characters[k];
    std::string_view reading = surnameReading(character);
    if (reading.empty()) reading = usualReadingOf(character);
    sound.syllables.push_back(reading);
  }
  sound.toneless.reserve(sound.characters.size());
  sound.tones.reserve(sound.characters.size());
  for (const std::string_view syllable : sound.syllables) {
    sound.toneless.push_back(tonelessOf(syllable));
    sound.tones.push_back(toneOf(syllable));
  }
  for (std::size_t k = sound.surnameLength; k < sound.characters.size(); ++k) {
    const GivenSound* known = givenSoundOf(sound.characters[k]);
    sound.syllables.push_back(known ? known->reading : std::string_view{});
    sound.toneless.push_back(known ? known->toneless : std::string{});
    sound.tones.push_back(known ? known->tone : 0);
  }
  return sound;
}

}  // namespace zeruda::naming
