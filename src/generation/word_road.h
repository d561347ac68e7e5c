#pragma once

#include "generation/engine_settings.h"
#include "run/random_source.h"

#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace zeruda::generation {

// The words road's draw for one run's settings. A two-character body is one 字号 word,
// a three-character body a word and one character of the words (before or after it,
// drawn), a four-character body two words. A word takes the fixed characters of its
// positions: it is drawn among the words that hold them there, and where no word does,
// those positions take the fixed characters and characters of the words around them.
// A character alone is one a word has in that place: a word's last at the body's end,
// a word's first elsewhere.
class WordRoad {
 public:
  explicit WordRoad(const EngineSettings& settings);

  // The body's characters in order (two GBK bytes each), the fixed ones in place; the
  // places past the body's length stay empty.
  std::array<std::string_view, 4> draw(run::DrawInteger& draw) const;

  int length() const { return length_; }

  // Whether a drawn body may be listed: no character stands in it twice (骏达立达), it
  // is no well-known trade name, and it neither
  // holds nor is heard as a word to avoid, read with the prefix's last character and
  // the suffix's first.
  bool accepts(std::span<const std::string_view> body) const;

 private:
  struct Segment {
    int start = 0;
    bool word = false;                    // a word's two positions, else one character's
    std::vector<std::string_view> words;  // the words that fit the fixed characters
  };
  using Layout = std::vector<Segment>;

  std::array<std::string_view, 4> fixed_;
  int length_ = 2;
  std::string_view before_;  // the prefix's last character, or nothing
  std::string_view after_;   // the suffix's first character, or nothing
  std::vector<Layout> layouts_;
};

}  // namespace zeruda::generation
