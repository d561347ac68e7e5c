#include "personal/given_draw.h"

#include "dictionary/strokes.h"
#include "naming/character_facts.h"
#include "naming/road_screen.h"
#include "naming/toneless.h"
#include "naming/verse_names.h"
#include "naming/verses.h"

#include <algorithm>
#include <span>
#include <string>
#include <unordered_set>

namespace zeruda::personal {

namespace {

// Characters of one to three strokes (一 乙 丁 人) read as filler in a given name.
constexpr int kFewestPairStrokes = 4;
constexpr int kHighestPairLevel = 2;  // of the 通用规范汉字表: the common characters

bool fitsGender(std::string_view character, Gender gender) {
  const auto leaning = naming::genderOf(character);
  if (!leaning) return false;
  const auto other = gender == Gender::Male ? naming::Leaning::Female : naming::Leaning::Male;
  return *leaning != other;
}

bool pairFitsGender(std::string_view pair, Gender gender) {
  const auto leaning = naming::verseNameLeaning(pair);
  if (!leaning) return false;
  const auto other = gender == Gender::Male ? naming::Leaning::Female : naming::Leaning::Male;
  return *leaning != other;
}

bool commonCharacter(std::string_view character) {
  const int level = naming::levelOf(character);
  return level >= 1 && level <= kHighestPairLevel;
}

int pickedStrokes(std::string_view character) {
  const int strokes = dictionary::kangxiStrokes(character);
  return strokes > 0 ? strokes : 0;
}

void place(numerology::CharStroke& entry, const PickedCharacter& picked) {
  entry.character.assign(picked.character);
  entry.strokes = picked.strokes;
}

int drawIndex(std::size_t size, run::DrawInteger& draw) {
  return draw(0, static_cast<int>(size) - 1);
}

// No two third tones in a row, no three equal tones in a row; an unknown tone (0)
// breaks neither rule.
bool tonesFlow(std::span<const int> tones) {
  for (std::size_t i = 1; i < tones.size(); ++i) {
    if (tones[i] == 3 && tones[i - 1] == 3) return false;
    if (i >= 2 && tones[i] != 0 && tones[i] == tones[i - 1] && tones[i] == tones[i - 2]) {
      return false;
    }
  }
  return true;
}

// A three-character name whose single repeats a character of its pair (清清扬) is
// drawn again.
bool noCharacterTwice(const std::vector<numerology::CharStroke>& given) {
  for (std::size_t i = 1; i < given.size(); ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (given[i].character == given[j].character) return false;
    }
  }
  return true;
}

}  // namespace

GivenNameDraw::GivenNameDraw(const WorkerSettings& settings) : settings_(settings) {
  for (const auto& entry : settings.surnameEntries) surname_.push_back(entry.character);
  if (settings.road == NamingRoad::Strokes) return;
  auto clearBeside = [&](std::initializer_list<std::string_view> given) {
    std::vector<std::string_view> whole = surname_;
    whole.insert(whole.end(), given);
    return naming::screenedAvoidWord(whole) == nullptr;
  };
  for (const auto character : nameCharacters(settings.gender).characters()) {
    const int strokes = pickedStrokes(character);
    if (strokes < kFewestPairStrokes || !commonCharacter(character)) continue;
    if (!fitsGender(character, settings.gender) || !clearBeside({character})) continue;
    singles_.push_back({character, strokes});
  }
  auto addSound = [&](std::string_view character) {
    const std::string_view reading = naming::readingOf(character);
    sounds_.emplace(character, Sound{naming::tonelessOf(reading), naming::toneOf(reading)});
  };
  addSound(surname_.back());
  if (settings.fixedPosition > 0) addSound(settings.fixedEntry.character);
  for (const auto& single : singles_) addSound(single.character);
  if (settings.road != NamingRoad::Verse) return;
  const int length = settings.givenLength;
  const int fixed = settings.fixedPosition - 1;  // -1 when nothing is fixed
  // A verse pair stands as a name of the gender by our reading of the pair; its
  // characters are common ones of four strokes or more, as the pairs road takes.
  std::unordered_set<std::string_view> nameable;
  for (const auto character : nameCharacters(settings.gender).characters()) {
    if (pickedStrokes(character) >= kFewestPairStrokes && commonCharacter(character)) {
      nameable.insert(character);
    }
  }
  std::string_view previous;
  for (const naming::Verse& verse : naming::allVerses()) {
    if (verse.pair == previous) continue;
    previous = verse.pair;
    const std::array<std::string_view, 2> characters{verse.pair.substr(0, 2),
                                                     verse.pair.substr(2, 2)};
    const bool fits = pairFitsGender(verse.pair, settings.gender) &&
                      std::all_of(characters.begin(), characters.end(),
                                  [&](auto character) { return nameable.contains(character); });
    if (!fits || !clearBeside({characters[0], characters[1]})) continue;
    const std::array<PickedCharacter, 2> pair{
        PickedCharacter{characters[0], pickedStrokes(characters[0])},
        PickedCharacter{characters[1], pickedStrokes(characters[1])}};
    for (int start = 0; start <= std::max(length - 2, 0); ++start) {
      const bool holdsFixed = fixed == start || fixed == start + 1;
      if (holdsFixed && (length == 1 || characters[static_cast<std::size_t>(fixed - start)] !=
                                            settings.fixedEntry.character)) {
        continue;
      }
      placed_.push_back({pair, start});
    }
  }
}

bool GivenNameDraw::pairsRoad() const {
  return settings_.road == NamingRoad::Pairs || placed_.empty();
}

bool GivenNameDraw::fill(std::vector<numerology::CharStroke>& given, run::DrawInteger& draw) const {
  const int length = static_cast<int>(given.size());
  const bool nothingToDraw = length == 1 && settings_.fixedPosition == 1;
  if (settings_.road == NamingRoad::Strokes) {
    drawStrokes(given, draw);
    return true;
  }
  if (nothingToDraw) return clear(given);
  if (singles_.empty()) return false;
  for (int tries = 0; tries < kMostDrawsForName; ++tries) {
    if (pairsRoad()) {
      drawPairs(given, draw);
      if (!readsWell(given, draw)) continue;
    } else {
      drawVerse(given, draw);
      if (!noCharacterTwice(given)) continue;
    }
    if (clear(given)) return true;
  }
  return false;
}

// The stroke road: every position but the fixed one gets a drawn stroke count and a
// character of it.
void GivenNameDraw::drawStrokes(std::vector<numerology::CharStroke>& given,
                                run::DrawInteger& draw) const {
  for (int position = 1; position <= static_cast<int>(given.size()); ++position) {
    if (position == settings_.fixedPosition) continue;
    const int strokes = draw(kMinDrawnStrokes, kMaxDrawnStrokes);
    place(given[static_cast<std::size_t>(position - 1)],
          pickCharacter(strokes, settings_.gender, draw));
  }
}

void GivenNameDraw::drawVerse(std::vector<numerology::CharStroke>& given,
                              run::DrawInteger& draw) const {
  // Each pair once before any comes again, so a list does not repeat its first names.
  if (unused_.empty()) {
    for (std::size_t i = 0; i < placed_.size(); ++i) unused_.push_back(i);
  }
  const auto pick = static_cast<std::size_t>(drawIndex(unused_.size(), draw));
  const PlacedPair& placed = placed_[unused_[pick]];
  unused_[pick] = unused_.back();
  unused_.pop_back();
  if (given.size() == 1) {
    place(given[0], placed.pair[static_cast<std::size_t>(draw(0, 1))]);
    return;
  }
  for (int position = 0; position < static_cast<int>(given.size()); ++position) {
    if (position + 1 == settings_.fixedPosition) continue;
    const int inPair = position - placed.start;
    place(given[static_cast<std::size_t>(position)],
          inPair == 0 || inPair == 1
              ? placed.pair[static_cast<std::size_t>(inPair)]
              : singles_[static_cast<std::size_t>(drawIndex(singles_.size(), draw))]);
  }
}

void GivenNameDraw::drawPairs(std::vector<numerology::CharStroke>& given,
                              run::DrawInteger& draw) const {
  for (int position = 1; position <= static_cast<int>(given.size()); ++position) {
    if (position == settings_.fixedPosition) continue;
    place(given[static_cast<std::size_t>(position - 1)],
          singles_[static_cast<std::size_t>(drawIndex(singles_.size(), draw))]);
  }
}

// Pairs that read well: no character or syllable twice (with the surname's last
// character too), tones that flow, and a level tone to end preferred: a name ending
// on a third or fourth tone is kept one time in two.
bool GivenNameDraw::readsWell(const std::vector<numerology::CharStroke>& given,
                              run::DrawInteger& draw) const {
  std::array<std::string_view, kMaxGivenLength + 1> characters{surname_.back()};
  std::array<const Sound*, kMaxGivenLength + 1> sounds{};
  const std::size_t count = given.size() + 1;
  for (std::size_t i = 1; i < count; ++i) characters[i] = given[i - 1].character;
  std::array<int, kMaxGivenLength + 1> tones{};
  for (std::size_t i = 0; i < count; ++i) {
    const auto found = sounds_.find(characters[i]);
    if (found == sounds_.end()) return false;
    sounds[i] = &found->second;
    tones[i] = found->second.tone;
  }
  for (std::size_t i = 1; i < count; ++i) {
    for (std::size_t j = 0; j < i; ++j) {
      if (characters[i] == characters[j]) return false;
      if (!sounds[i]->syllable.empty() && sounds[i]->syllable == sounds[j]->syllable) return false;
    }
  }
  if (!tonesFlow(std::span<const int>(tones).first(count))) return false;
  return tones[count - 1] < 3 || draw(0, 1) == 0;
}

bool GivenNameDraw::clear(const std::vector<numerology::CharStroke>& given) const {
  std::vector<std::string_view> whole = surname_;
  for (const auto& entry : given) whole.push_back(entry.character);
  return naming::screenedAvoidWord(whole) == nullptr;
}

}  // namespace zeruda::personal
