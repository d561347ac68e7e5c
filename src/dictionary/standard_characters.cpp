#include "dictionary/standard_characters.h"

#include "dictionary/data_lines.h"
#include "dictionary/gbk_code.h"
#include "embedded/kStandardCharacters.h"

#include <cstdint>
#include <vector>

namespace zeruda::dictionary {
namespace {

// The level of each GBK slot, 0 outside the table.
const std::vector<std::uint8_t>& levels() {
  static const std::vector<std::uint8_t> built = [] {
    std::vector<std::uint8_t> table(kGbkCodeCount, 0);
    forEachTabbedLine(
        data::kStandardCharacters, [&](std::string_view level, std::string_view characters) {
          if (level.size() != 1 || level[0] < '1' || level[0] > '3') return;
          const auto value = static_cast<std::uint8_t>(level[0] - '0');
          forEachGbkCharacter(characters, [&](std::size_t slot) { table[slot] = value; });
        });
    return table;
  }();
  return built;
}

}  // namespace

int standardCharacterLevel(std::string_view gbkCharacter) {
  const auto slot = gbkSlot(gbkCharacter);
  if (!slot || gbkCharacter.size() != 2) return 0;
  return levels()[*slot];
}

}  // namespace zeruda::dictionary
