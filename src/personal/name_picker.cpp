#include "personal/name_picker.h"

#include "dictionary/strokes.h"
#include "embedded/kBoyNameCharacters.h"
#include "embedded/kGirlNameCharacters.h"
#include "text/lines.h"

#include <algorithm>
#include <cstdlib>

namespace zeruda::personal {
namespace {

// The characters after the tab of every "theme<TAB>characters" line.
std::vector<std::string_view> readList(std::string_view text) {
  std::vector<std::string_view> characters;
  text::forEachLine(text, [&](std::string_view line) {
    const auto tab = line.find('\t');
    if (line.starts_with('#') || tab == std::string_view::npos) return;
    line.remove_prefix(tab + 1);
    for (std::size_t pos = 0; pos + 1 < line.size();) {
      if (static_cast<unsigned char>(line[pos]) < 0x80) {
        ++pos;  // a stray blank
        continue;
      }
      characters.push_back(line.substr(pos, 2));
      pos += 2;
    }
  });
  return characters;
}

// The lists are built into the program; one without a usable character is a broken
// build, not something a user could meet.
CharacterGroups builtInList(std::string_view text) {
  CharacterGroups list(text);
  if (list.empty()) std::abort();
  return list;
}

}  // namespace

CharacterGroups::CharacterGroups(std::string_view listText) : characters_(readList(listText)) {
  for (std::string_view character : characters_) {
    const int strokes = dictionary::kangxiStrokes(character);
    if (strokes >= kMinDrawnStrokes && strokes <= kMaxDrawnStrokes) {
      groups_[static_cast<std::size_t>(strokes)].push_back(character);
    }
  }
  for (int strokes = kMinDrawnStrokes; strokes <= kMaxDrawnStrokes; ++strokes) {
    for (int distance = 0; distance < kMaxDrawnStrokes && answeringCount_[strokes] == 0;
         ++distance) {
      for (int count : {strokes - distance, strokes + distance}) {
        if (count >= kMinDrawnStrokes && count <= kMaxDrawnStrokes && !group(count).empty()) {
          answeringCount_[static_cast<std::size_t>(strokes)] = count;
          break;
        }
      }
    }
  }
}

std::span<const std::string_view> CharacterGroups::group(int strokes) const {
  if (strokes < kMinDrawnStrokes || strokes > kMaxDrawnStrokes) return {};
  return groups_[static_cast<std::size_t>(strokes)];
}

PickedCharacter CharacterGroups::pick(int strokes, run::DrawInteger& draw) const {
  const int count = answeringCount_[static_cast<std::size_t>(
      std::clamp(strokes, kMinDrawnStrokes, kMaxDrawnStrokes))];
  const auto members = group(count);
  if (members.empty()) return {};
  const int last = static_cast<int>(members.size()) - 1;
  const int index = std::clamp(draw(0, last), 0, last);
  return {members[static_cast<std::size_t>(index)], count};
}

const CharacterGroups& nameCharacters(Gender gender) {
  static const CharacterGroups boys = builtInList(data::kBoyNameCharacters);
  static const CharacterGroups girls = builtInList(data::kGirlNameCharacters);
  return gender == Gender::Female ? girls : boys;
}

PickedCharacter pickCharacter(int strokes, Gender gender, run::DrawInteger& draw) {
  return nameCharacters(gender).pick(strokes, draw);
}

}  // namespace zeruda::personal
