#include "naming/homophones.h"

#include "dictionary/gbk_code.h"
#include "text/gbk_literal.h"

#include <algorithm>
#include <bitset>
#include <cstdint>
#include <span>
#include <unordered_map>
#include <utility>
#include <vector>

namespace zeruda::naming {

using namespace text::literals;

namespace {

using How = HeardWord::How;

// A run of up to four characters as one number of four 16-bit parts, by the
// characters' codes or by their syllables' numbers; no word to avoid is longer.
constexpr std::size_t kLongestWord = 4;
using RunKey = std::uint64_t;

RunKey extended(RunKey key, std::size_t index, std::uint16_t part) {
  return key | static_cast<RunKey>(part) << (16 * index);
}

std::uint16_t codeOf(std::string_view character) {
  const auto slot = dictionary::gbkSlot(character);
  return character.size() == 2 && slot ? static_cast<std::uint16_t>(*slot + 1) : 0;
}

using Numbers = std::unordered_map<std::string_view, std::uint16_t>;

// 0 for a syllable no word to avoid uses, which then matches none.
std::uint16_t numberOf(const Numbers& numbers, std::string_view syllable) {
  const auto at = numbers.find(syllable);
  return at == numbers.end() ? 0 : at->second;
}

using Words = std::unordered_map<RunKey, std::vector<std::size_t>>;

// The words to avoid of two to four characters by their characters, by their
// syllables with tones and by their syllables without; indices into avoidWords(),
// ascending, so the words are tried in the list's order. Most runs of a name are no
// word at all: a bit for each key's hash lets them pass without a lookup.
struct WordIndex {
  Numbers toneful;
  Numbers toneless;
  Words written;
  Words heard;
  Words bare;
  std::bitset<1 << 16> maybe;
  std::vector<bool> single;  // by character code: a word of one character
};

std::size_t filterBit(RunKey key) {
  key ^= key >> 29;
  key *= 0xBF58476D1CE4E5B9ULL;
  key ^= key >> 32;
  return static_cast<std::size_t>(key % (1 << 16));
}

std::uint16_t numbered(Numbers& numbers, std::string_view syllable) {
  return numbers.emplace(syllable, static_cast<std::uint16_t>(numbers.size() + 1)).first->second;
}

const WordIndex& wordIndex() {
  static const WordIndex index = [] {
    WordIndex built;
    built.single.assign(dictionary::kGbkCodeCount + 1, false);
    const auto words = avoidWords();
    for (std::size_t i = 0; i < words.size(); ++i) {
      const AvoidWord& word = words[i];
      if (word.word.size() == 2) built.single[codeOf(word.word)] = true;
      const std::size_t length = word.toneful.size();
      if (length < 2 || length > kLongestWord || word.word.size() != length * 2) continue;
      RunKey written = 0, heard = 0, bare = 0;
      for (std::size_t k = 0; k < length; ++k) {
        written = extended(written, k, codeOf(word.word.substr(k * 2, 2)));
        heard = extended(heard, k, numbered(built.toneful, word.toneful[k]));
        bare = extended(bare, k, numbered(built.toneless, word.toneless[k]));
      }
      for (auto [words, key] : {std::pair{&built.written, written}, std::pair{&built.heard, heard},
                                std::pair{&built.bare, bare}}) {
        (*words)[key].push_back(i);
        built.maybe.set(filterBit(key));
      }
    }
    return built;
  }();
  return index;
}

const std::vector<std::size_t>* wordsOf(const WordIndex& index, const Words& words, RunKey key) {
  if (!index.maybe.test(filterBit(key))) return nullptr;
  const auto at = words.find(key);
  return at == words.end() ? nullptr : &at->second;
}

bool holds(const std::vector<std::size_t>* words, std::size_t i) {
  return words && std::find(words->begin(), words->end(), i) != words->end();
}

// Each position's character code and syllable numbers; 0 where unknown.
struct Position {
  std::uint16_t code = 0;
  std::uint16_t toneful = 0;
  std::uint16_t toneless = 0;
};

// The syllables' numbers of each character's given-name sound, beside givenSounds().
const std::vector<Position>& givenNumbers() {
  static const std::vector<Position> numbers = [] {
    const WordIndex& index = wordIndex();
    std::vector<Position> built;
    for (const GivenSound& given : givenSounds()) {
      built.push_back(
          {0, numberOf(index.toneful, given.reading), numberOf(index.toneless, given.toneless)});
    }
    return built;
  }();
  return numbers;
}

Position positionOf(const NameSound& sound, std::size_t k) {
  Position position;
  position.code = codeOf(sound.characters[k]);
  // A syllable of no reading is not heard; its toneless form is empty too.
  const std::string_view syllable = sound.syllables[k];
  if (syllable.empty()) return position;
  const GivenSound* given = givenSoundOf(sound.characters[k]);
  if (given && given->reading == syllable) {
    const Position& known = givenNumbers()[static_cast<std::size_t>(given - givenSounds().data())];
    position.toneful = known.toneful;
    position.toneless = known.toneless;
    return position;
  }
  const WordIndex& index = wordIndex();
  position.toneful = numberOf(index.toneful, syllable);
  position.toneless = numberOf(index.toneless, sound.toneless[k]);
  return position;
}

// The words one run is heard as, with how, in the list's order: written as it, else
// the same syllables with the same tones, else the same without. A run with a
// character of no known reading is heard as none.
template <typename Found>
void hearRun(std::span<const Position> run, Found found) {
  const WordIndex& index = wordIndex();
  RunKey written = 0, heard = 0, bare = 0;
  bool tonesKnown = true, soundsKnown = true;
  for (std::size_t k = 0; k < run.size(); ++k) {
    written = extended(written, k, run[k].code);
    heard = extended(heard, k, run[k].toneful);
    bare = extended(bare, k, run[k].toneless);
    tonesKnown = tonesKnown && run[k].toneful != 0;
    soundsKnown = soundsKnown && run[k].toneless != 0;
  }
  const auto* spelled = wordsOf(index, index.written, written);
  const auto* same = tonesKnown ? wordsOf(index, index.heard, heard) : nullptr;
  const auto* near = soundsKnown ? wordsOf(index, index.bare, bare) : nullptr;
  if (!spelled && !same && !near) return;
  std::vector<std::size_t> all;
  for (const auto* words : {spelled, same, near}) {
    if (words) all.insert(all.end(), words->begin(), words->end());
  }
  std::sort(all.begin(), all.end());
  all.erase(std::unique(all.begin(), all.end()), all.end());
  for (const std::size_t i : all) {
    found(i, holds(spelled, i) ? How::Written : holds(same, i) ? How::SameTones : How::OtherTones);
  }
}

std::string quoted(std::string_view text) { return "“"_gbk + std::string(text) + "”"_gbk; }

std::string joined(const std::vector<std::string_view>& syllables) {
  std::string out;
  for (auto s : syllables) out += (out.empty() ? "" : " ") + std::string(s);
  return out;
}

}  // namespace

std::vector<HeardWord> heardWords(const NameSound& sound) {
  std::vector<HeardWord> found;
  auto add = [&](const AvoidWord& word, const std::string& heardIn, How how) {
    if (std::any_of(found.begin(), found.end(),
                    [&](const HeardWord& h) { return h.word == &word; }))
      return;
    found.push_back({&word, heardIn, how});
  };
  const std::size_t n = sound.characters.size();
  std::vector<Position> positions(n);
  for (std::size_t k = 0; k < n; ++k) positions[k] = positionOf(sound, k);
  // Runs of two characters or more that reach into the given name, longest first.
  for (std::size_t length = std::min(n, kLongestWord); length >= 2; --length) {
    for (std::size_t from = 0; from + length <= n; ++from) {
      if (from + length <= sound.surnameLength) continue;
      hearRun(std::span(positions).subspan(from, length), [&](std::size_t i, How how) {
        std::string heardIn;
        for (std::size_t k = from; k < from + length; ++k) heardIn += sound.characters[k];
        add(avoidWords()[i], heardIn, how);
      });
    }
  }
  for (std::size_t k = sound.surnameLength; k < n; ++k) {
    if (!wordIndex().single[positions[k].code]) continue;
    if (const AvoidWord* word = findAvoidWord(sound.characters[k])) {
      add(*word, sound.characters[k], How::Written);
    }
  }
  return found;
}

std::string heardWordWarning(const HeardWord& heard) {
  const std::string word = quoted(heard.word->word);
  const std::string reading = "（"_gbk + joined(heard.word->toneful) + "）"_gbk;
  switch (heard.how) {
    case How::Written:
      return "忌用字词：名中有"_gbk + word;
    case How::SameTones:
      return "谐音："_gbk + quoted(heard.heardIn) + "与"_gbk + word + "同音"_gbk + reading;
    case How::OtherTones:
      return "谐音："_gbk + quoted(heard.heardIn) + "音近"_gbk + word + reading;
  }
  return {};
}

}  // namespace zeruda::naming
