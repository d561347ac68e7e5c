#include "generation/trade_words.h"

#include "dictionary/strokes.h"
#include "embedded/kTradeWords.h"
#include "naming/character_facts.h"
#include "naming/road_screen.h"
#include "registration/famous_names.h"
#include "text/lines.h"

#include <array>
#include <unordered_set>
#include <vector>

namespace zeruda::generation {

namespace {

bool usable(std::string_view word) {
  const std::array<std::string_view, 2> characters{word.substr(0, 2), word.substr(2, 2)};
  for (const auto character : characters) {
    if (naming::factsOf(character) == nullptr || dictionary::kangxiStrokes(character) <= 0) {
      return false;
    }
  }
  return registration::FamousNames::builtIn().withTradeName(word).empty() &&
         naming::screenedAvoidWord(characters) == nullptr;
}

// Lines of words with blanks between; lines starting with '#' are notes.
std::vector<std::string_view> readWords() {
  std::vector<std::string_view> read;
  text::forEachLine(data::kTradeWords, [&](std::string_view line) {
    if (line.empty() || line.front() == '#') return;
    while (!line.empty()) {
      const auto blank = line.find(' ');
      const std::string_view word = line.substr(0, blank);
      line = blank == std::string_view::npos ? std::string_view{} : line.substr(blank + 1);
      if (word.size() != 4 || !usable(word)) continue;
      read.push_back(word);
    }
  });
  return read;
}

const std::vector<std::string_view>& words() {
  static const std::vector<std::string_view> read = readWords();
  return read;
}

}  // namespace

std::span<const std::string_view> tradeWords() { return words(); }

bool isTradeWord(std::string_view body) {
  static const std::unordered_set<std::string_view> known(words().begin(), words().end());
  return known.contains(body);
}

}  // namespace zeruda::generation
