#pragma once

#include "registration/finding.h"
#include "registration/text_index.h"

#include <bitset>
#include <string>
#include <string_view>
#include <vector>

namespace zeruda::registration {

// Where in a name a word counts: at its very start, in the trade name only, or in the
// trade name and the industry part.
enum class Place { Start, Body, Anywhere };

// A group of words with what their use means (data/registration/words.txt).
struct WordRule {
  Place place = Place::Anywhere;
  Level level = Level::Note;
  bool exempt = false;  // a word that is fine and hides the shorter words inside it
  std::string reason;   // each "{}" stands for the word found
  std::string source;
  Finding findingFor(std::string_view word) const;
};

// A restricted word found in a part of a name.
struct WordHit {
  std::string word;
  const WordRule* rule = nullptr;
};

// The words a name may use only with approval, or not at all.
class WordList {
 public:
  static const WordList& builtIn();

  explicit WordList(std::string_view rules);

  // The longest word of a Start rule that `name` begins with; empty when none.
  std::string_view crownAtStart(std::string_view name) const;
  const WordRule* crownRule(std::string_view word) const;

  // The words of Body and Anywhere rules inside `part`, each once, in the order they
  // stand; a word inside a longer one found (政府 in 人民政府, 毒 in 消毒) is left out.
  // Exempt words are among the hits.
  std::vector<WordHit> findIn(std::string_view part) const;

 private:
  std::vector<WordRule> rules_;
  TextMap<const WordRule*> crowns_;
  TextMap<const WordRule*> inner_;
  // Two-byte characters some inner word begins with, by their code: most positions
  // of a name are passed over with one bit test.
  std::bitset<0x10000> innerStarts_;
  std::size_t longestCrown_ = 0;
  std::size_t longestInner_ = 0;
};

}  // namespace zeruda::registration
