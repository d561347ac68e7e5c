#include "naming/road_screen.h"

#include "dictionary/gbk_code.h"
#include "dictionary/pinyin.h"
#include "naming/character_facts.h"
#include "naming/toneless.h"
#include "text/gbk.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace zeruda::naming {
namespace {

// A run of up to four characters as one number: four 16-bit parts, 0 where none. The
// words to avoid have at most four characters, so no longer run can be one.
constexpr std::size_t kLongestWord = 4;
using RunKey = std::uint64_t;

RunKey extended(RunKey key, std::size_t index, std::uint16_t part) {
  return key | static_cast<RunKey>(part) << (16 * index);
}

// Every syllable the words to avoid use gets a number from 1; a character whose sound
// none of them uses gets 0, which no word matches.
struct Sounds {
  std::uint16_t toneful = 0;
  std::uint16_t toneless = 0;
};

// Most runs of a name are no word at all: a bit for each key's hash lets them pass
// without a lookup.
constexpr std::size_t kFilterBits = 1 << 16;

std::size_t filterBit(RunKey key) {
  key ^= key >> 29;
  key *= 0xBF58476D1CE4E5B9ULL;
  key ^= key >> 32;
  return static_cast<std::size_t>(key % kFilterBits);
}

struct Index {
  std::bitset<kFilterBits> maybe;  // set for the key of every entry of the three maps
  std::unordered_map<RunKey, const AvoidWord*> written;   // by the characters' codes
  std::unordered_map<RunKey, const AvoidWord*> toneful;   // two characters or more
  std::unordered_map<RunKey, const AvoidWord*> toneless;  // two characters or more
  std::vector<Sounds> bySlot;                             // a sound for every GBK code
};

std::uint16_t codeOf(std::string_view character) {
  const auto slot = dictionary::gbkSlot(character);
  return character.size() == 2 && slot ? static_cast<std::uint16_t>(*slot + 1) : 0;
}

// The dictionary writes ü as v; the words to avoid keep ü.
std::string tonelessFromDictionary(std::string_view character) {
  static const std::string umlaut = text::toGbk("ü");
  std::string out;
  for (const char c : dictionary::pinyinOf(character)) {
    if (c == 'v') {
      out += umlaut;
    } else {
      out += c;
    }
  }
  return out;
}

Index buildIndex() {
  Index index;
  std::unordered_map<std::string, std::uint16_t> toneful;
  std::unordered_map<std::string, std::uint16_t> toneless;
  auto number = [](std::unordered_map<std::string, std::uint16_t>& known, std::string_view text) {
    return known.emplace(std::string(text), static_cast<std::uint16_t>(known.size() + 1))
        .first->second;
  };
  for (const AvoidWord& word : avoidWords()) {
    const std::size_t length = word.toneful.size();
    if (length > kLongestWord) continue;
    RunKey written = 0, heard = 0, bare = 0;
    for (std::size_t i = 0; i < length; ++i) {
      written = extended(written, i, codeOf(word.word.substr(i * 2, 2)));
      heard = extended(heard, i, number(toneful, word.toneful[i]));
      bare = extended(bare, i, number(toneless, word.toneless[i]));
    }
    index.written.emplace(written, &word);
    index.maybe.set(filterBit(written));
    if (length < 2) continue;
    index.toneful.emplace(heard, &word);
    index.toneless.emplace(bare, &word);
    index.maybe.set(filterBit(heard));
    index.maybe.set(filterBit(bare));
  }
  auto find = [](const std::unordered_map<std::string, std::uint16_t>& known,
                 const std::string& text) -> std::uint16_t {
    const auto found = known.find(text);
    return found == known.end() ? 0 : found->second;
  };
  index.bySlot.resize(dictionary::kGbkCodeCount);
  for (std::size_t slot = 0; slot < dictionary::kGbkCodeCount; ++slot) {
    const std::string character = dictionary::gbkCharacter(slot);
    const std::string_view reading = readingOf(character);
    Sounds& sounds = index.bySlot[slot];
    if (!reading.empty()) {
      sounds.toneful = find(toneful, std::string(reading));
      sounds.toneless = find(toneless, tonelessOf(reading));
    } else {
      sounds.toneless = find(toneless, tonelessFromDictionary(character));
    }
  }
  return index;
}

const Index& index() {
  static const Index built = buildIndex();
  return built;
}

const AvoidWord* found(const Index& index,
                       const std::unordered_map<RunKey, const AvoidWord*>& words, RunKey key) {
  if (!index.maybe.test(filterBit(key))) return nullptr;
  const auto at = words.find(key);
  return at == words.end() ? nullptr : at->second;
}

}  // namespace

const AvoidWord* screenedAvoidWord(std::span<const std::string_view> characters) {
  const Index& words = index();
  std::array<std::uint16_t, 16> codes{};
  const std::size_t count = std::min(characters.size(), codes.size());
  for (std::size_t i = 0; i < count; ++i) codes[i] = codeOf(characters[i]);
  // The longest run first, so 杜子腾 is heard as 肚子疼 rather than 肚子.
  for (std::size_t first = 0; first < count; ++first) {
    const std::size_t end = std::min(count, first + kLongestWord);
    for (std::size_t last = end; last-- > first;) {
      RunKey written = 0, heard = 0, bare = 0;
      bool tonesKnown = true, soundsKnown = true;
      for (std::size_t i = first; i <= last; ++i) {
        const Sounds sounds = codes[i] ? words.bySlot[codes[i] - 1u] : Sounds{};
        written = extended(written, i - first, codes[i]);
        heard = extended(heard, i - first, sounds.toneful);
        bare = extended(bare, i - first, sounds.toneless);
        tonesKnown = tonesKnown && sounds.toneful != 0;
        soundsKnown = soundsKnown && sounds.toneless != 0;
      }
      if (const AvoidWord* word = found(words, words.written, written)) return word;
      if (last == first) continue;
      if (tonesKnown) {
        if (const AvoidWord* word = found(words, words.toneful, heard)) return word;
      }
      if (soundsKnown) {
        if (const AvoidWord* word = found(words, words.toneless, bare)) return word;
      }
    }
  }
  return nullptr;
}

}  // namespace zeruda::naming
