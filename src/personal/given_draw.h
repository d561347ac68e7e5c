#pragma once

#include "personal/name_picker.h"
#include "personal/worker.h"
#include "run/random_source.h"

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace zeruda::personal {

// A road gives up on a name after this many draws that all held a word to avoid.
inline constexpr int kMostDrawsForName = 5000;

// The given names of one run, drawn on its road. On the verse and pairs roads a name
// that holds a word to avoid, or is heard as one with the surname, is drawn again; the
// stroke road draws as it always has and lists every name.
//
// The verse road places a pair from the classics in the given name: a pair kept as a
// name that suits the gender (naming/verse_names.h), both of its characters of the
// gender's list, common and of four strokes or more:
// a one-character name takes one character of a pair, a three-character name a pair
// at positions 1-2 or 2-3 and a name character in the third place. A fixed character
// takes the pairs that hold it at its position; where none does (or a pair could not
// hold it), the road draws as the pairs road does around it.
class GivenNameDraw {
 public:
  // Keeps a reference to `settings`, which must outlive the draw.
  explicit GivenNameDraw(const WorkerSettings& settings);

  // Fills every position of `given` but the fixed one. False when kMostDrawsForName
  // draws in a row held a word to avoid. The verse road draws each of its pairs once
  // before it draws any again.
  bool fill(std::vector<numerology::CharStroke>& given, run::DrawInteger& draw) const;

 private:
  struct Sound {
    std::string syllable;  // without tones; empty when not known
    int tone = 0;
  };

  struct PlacedPair {
    std::array<PickedCharacter, 2> pair;
    int start = 0;  // the 0-based position of its first character
  };

  void drawStrokes(std::vector<numerology::CharStroke>& given, run::DrawInteger& draw) const;
  void drawVerse(std::vector<numerology::CharStroke>& given, run::DrawInteger& draw) const;
  void drawPairs(std::vector<numerology::CharStroke>& given, run::DrawInteger& draw) const;
  bool readsWell(const std::vector<numerology::CharStroke>& given, run::DrawInteger& draw) const;
  bool clear(const std::vector<numerology::CharStroke>& given) const;
  bool pairsRoad() const;

  const WorkerSettings& settings_;
  std::vector<std::string_view> surname_;
  std::vector<PickedCharacter> singles_;     // level 1-2, fit the gender, clear beside the surname
  std::vector<PlacedPair> placed_;           // the verse road's pairs where they may stand
  mutable std::vector<std::size_t> unused_;  // of placed_, not drawn since the last round
  // The sounds of the surname's last character, the fixed one and the singles, read
  // once for the pairs road's test of how a name reads.
  std::unordered_map<std::string_view, Sound> sounds_;
};

}  // namespace zeruda::personal
