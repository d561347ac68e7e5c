#pragma once

#include "personal/personal_form.h"
#include "run/random_source.h"

#include <array>
#include <span>
#include <string_view>
#include <vector>

namespace zeruda::personal {

// The stroke counts the worker draws for a given-name position.
inline constexpr int kMinDrawnStrokes = 1;
inline constexpr int kMaxDrawnStrokes = 24;

// A character for a given-name position, with the Kangxi count its grids use.
struct PickedCharacter {
  std::string_view character;  // two GBK bytes
  int strokes = 0;
};

// A list of given-name characters grouped by Kangxi count. The groups are computed
// from the character data, never written down, so a character's group always equals
// the count the grids are built on, whatever the data says.
class CharacterGroups {
 public:
  // `listText`: GBK lines "theme<TAB>characters"; lines starting with "#" are
  // comments. The text must outlive the groups.
  explicit CharacterGroups(std::string_view listText);

  // True when no character of the list has a count the worker draws.
  bool empty() const { return answeringCount_[kMinDrawnStrokes] == 0; }

  // Every character of the list, in list order.
  const std::vector<std::string_view>& characters() const { return characters_; }

  // The characters with `strokes` strokes; empty for a count none of them has.
  std::span<const std::string_view> group(int strokes) const;

  // The character for a drawn count (1-24): one of that count's group, chosen by
  // `draw`. A count without characters takes the nearest count that has some (the
  // lower one when two are as near), and the pick carries that count, so the grids
  // are those of the name shown. Nothing (an empty character) from an empty list.
  PickedCharacter pick(int strokes, run::DrawInteger& draw) const;

 private:
  std::vector<std::string_view> characters_;
  std::array<std::vector<std::string_view>, kMaxDrawnStrokes + 1> groups_;
  std::array<int, kMaxDrawnStrokes + 1> answeringCount_{};  // the count a draw is served from
};

// The program's curated lists: boys' and girls' given-name characters.
const CharacterGroups& nameCharacters(Gender gender);

// The given-name character picker: nameCharacters(gender).pick(strokes, draw).
PickedCharacter pickCharacter(int strokes, Gender gender, run::DrawInteger& draw);

}  // namespace zeruda::personal
