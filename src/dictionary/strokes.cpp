#include "dictionary/strokes.h"

#include "dictionary/data_lines.h"
#include "dictionary/gbk_code.h"
#include "dictionary/traditional.h"
#include "embedded/kKangxiStrokeGroups.h"
#include "embedded/kWrittenStrokeTable.h"
#include "text/characters.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <vector>

namespace zeruda::dictionary {
namespace {

struct StrokeIndex {
  std::vector<std::uint8_t> written = std::vector<std::uint8_t>(kGbkCodeCount, 0);
  std::vector<std::uint8_t> kangxi = std::vector<std::uint8_t>(kGbkCodeCount, 0);
};

int parseCount(std::string_view digits) {
  int value = 0;
  std::from_chars(digits.data(), digits.data() + digits.size(), value);
  return value;
}

// Entries are "字N," with line breaks allowed between them; a character listed twice
// keeps its first count.
void readWrittenTable(std::string_view table, std::vector<std::uint8_t>& written) {
  for (std::size_t pos = 0; pos < table.size();) {
    const auto slot = gbkSlot(table.substr(pos));
    if (!slot) {
      ++pos;
      continue;
    }
    const auto comma = table.find(',', pos + 2);
    if (comma == std::string_view::npos) break;
    if (written[*slot] == 0) {
      written[*slot] =
          static_cast<std::uint8_t>(parseCount(table.substr(pos + 2, comma - pos - 2)));
    }
    pos = comma + 1;
  }
}

// One line per group, "N<TAB>characters"; the greatest group of a character wins.
void readKangxiGroups(std::string_view groups, std::vector<std::uint8_t>& kangxi) {
  forEachTabbedLine(groups, [&](std::string_view count, std::string_view characters) {
    const auto value = static_cast<std::uint8_t>(parseCount(count));
    forEachGbkCharacter(characters,
                        [&](std::size_t slot) { kangxi[slot] = std::max(kangxi[slot], value); });
  });
}

// A unit in no group counts as its traditional form is written. Every GBK Chinese
// character has a group, so this answers only for units the groups do not list.
void fillFromTraditional(StrokeIndex& index) {
  for (std::size_t slot = 0; slot < kGbkCodeCount; ++slot) {
    if (index.kangxi[slot] != 0) continue;
    const auto traditional = gbkSlot(toTraditional(gbkCharacter(slot)));
    if (traditional) index.kangxi[slot] = index.written[*traditional];
  }
}

const StrokeIndex& strokeIndex() {
  static const StrokeIndex index = [] {
    StrokeIndex built;
    readWrittenTable(data::kWrittenStrokeTable, built.written);
    readKangxiGroups(data::kKangxiStrokeGroups, built.kangxi);
    fillFromTraditional(built);
    return built;
  }();
  return index;
}

template <typename Count>
std::string joinedCounts(std::string_view text, Count count) {
  std::string joined;
  text::forEachUnit(text, [&](std::string_view unit) {
    joined += std::to_string(count(unit));
    joined += '-';
  });
  if (!joined.empty()) joined.pop_back();
  return joined;
}

}  // namespace

int writtenStrokes(std::string_view unit) {
  const auto slot = gbkSlot(unit);
  return slot ? strokeIndex().written[*slot] : 0;
}

int kangxiStrokes(std::string_view unit) {
  const auto slot = gbkSlot(unit);
  return slot ? strokeIndex().kangxi[*slot] : 0;
}

std::string writtenStrokeText(std::string_view text) { return joinedCounts(text, writtenStrokes); }

std::string kangxiStrokeText(std::string_view text) { return joinedCounts(text, kangxiStrokes); }

}  // namespace zeruda::dictionary
