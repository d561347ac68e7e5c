#include "naming/road_screen.h"

#include "dictionary/pinyin.h"
#include "naming/character_facts.h"
#include "naming/toneless.h"
#include "text/gbk.h"

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

namespace zeruda::naming {
namespace {

// The words to avoid of two characters or more, by their readings joined with blanks.
struct HeardIndex {
  std::unordered_map<std::string, const AvoidWord*> toneful;
  std::unordered_map<std::string, const AvoidWord*> toneless;
};

std::string joined(const std::vector<std::string_view>& syllables) {
  std::string out;
  for (const auto syllable : syllables) {
    if (!out.empty()) out += ' ';
    out += syllable;
  }
  return out;
}

const HeardIndex& heardIndex() {
  static const HeardIndex built = [] {
    HeardIndex index;
    for (const AvoidWord& word : avoidWords()) {
      if (word.toneful.size() < 2) continue;
      index.toneful.emplace(joined(word.toneful), &word);
      index.toneless.emplace(joined(word.toneless), &word);
    }
    return index;
  }();
  return built;
}

struct Heard {
  std::string toneful;  // empty when the character is outside the name facts
  std::string toneless;
};

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

Heard heardOf(std::string_view character) {
  const std::string_view reading = readingOf(character);
  if (!reading.empty()) return {std::string(reading), tonelessOf(reading)};
  return {{}, tonelessFromDictionary(character)};
}

const AvoidWord* heardIn(std::span<const Heard> run) {
  std::string toneful;
  std::string toneless;
  bool tonesKnown = true;
  for (const Heard& heard : run) {
    if (heard.toneless.empty()) return nullptr;
    if (!toneless.empty()) {
      toneful += ' ';
      toneless += ' ';
    }
    tonesKnown = tonesKnown && !heard.toneful.empty();
    toneful += heard.toneful;
    toneless += heard.toneless;
  }
  const HeardIndex& index = heardIndex();
  if (tonesKnown) {
    if (auto found = index.toneful.find(toneful); found != index.toneful.end()) {
      return found->second;
    }
  }
  const auto found = index.toneless.find(toneless);
  return found == index.toneless.end() ? nullptr : found->second;
}

}  // namespace

const AvoidWord* screenedAvoidWord(std::span<const std::string_view> characters) {
  std::vector<Heard> heard;
  heard.reserve(characters.size());
  for (const auto character : characters) heard.push_back(heardOf(character));
  // The longest run first, so 杜子腾 is heard as 肚子疼 rather than 肚子.
  for (std::size_t first = 0; first < characters.size(); ++first) {
    for (std::size_t last = characters.size(); last-- > first;) {
      std::string written;
      for (std::size_t i = first; i <= last; ++i) written += characters[i];
      if (const AvoidWord* word = findAvoidWord(written)) return word;
      if (last == first) continue;
      const auto run = std::span<const Heard>(heard).subspan(first, last - first + 1);
      if (const AvoidWord* word = heardIn(run)) return word;
    }
  }
  return nullptr;
}

int toneOf(std::string_view tonefulGbk) {
  // The toned vowels by tone, UTF-8 here, converted to GBK once.
  static const std::array<std::string, 4> marks = [] {
    constexpr std::array<std::string_view, 4> kMarks{"āēīōūǖ", "áéíóúǘń", "ǎěǐǒǔǚň", "àèìòùǜ"};
    std::array<std::string, 4> gbk;
    for (std::size_t tone = 0; tone < kMarks.size(); ++tone) gbk[tone] = text::toGbk(kMarks[tone]);
    return gbk;
  }();
  for (std::size_t pos = 0; pos + 1 < tonefulGbk.size(); ++pos) {
    if (static_cast<unsigned char>(tonefulGbk[pos]) < 0x80) continue;
    const auto unit = tonefulGbk.substr(pos, 2);
    for (std::size_t tone = 0; tone < marks.size(); ++tone) {
      for (std::size_t at = 0; at + 1 < marks[tone].size(); at += 2) {
        if (marks[tone].compare(at, 2, unit) == 0) return static_cast<int>(tone) + 1;
      }
    }
    ++pos;
  }
  return 0;
}

}  // namespace zeruda::naming
