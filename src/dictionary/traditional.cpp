#include "dictionary/traditional.h"

#include "dictionary/data_lines.h"
#include "dictionary/gbk_code.h"
#include "embedded/kTraditionalPairs.h"

#include <cstdint>
#include <vector>

namespace zeruda::dictionary {
namespace {

// Slot of each character's traditional form plus one; 0 where it has none.
const std::vector<std::uint16_t>& traditionalSlots() {
  static const std::vector<std::uint16_t> slots = [] {
    std::vector<std::uint16_t> built(kGbkCodeCount, 0);
    forEachTabbedLine(data::kTraditionalPairs,
                      [&](std::string_view simple, std::string_view traditional) {
                        const auto from = gbkSlot(simple);
                        const auto to = gbkSlot(traditional);
                        if (from && to && simple.size() == 2 && traditional.size() == 2) {
                          built[*from] = static_cast<std::uint16_t>(*to + 1);
                        }
                      });
    return built;
  }();
  return slots;
}

}  // namespace

std::string toTraditional(std::string_view unit) {
  const auto slot = gbkSlot(unit);
  if (!slot || unit.size() != 2) return std::string(unit);
  const auto traditional = traditionalSlots()[*slot];
  return traditional == 0 ? std::string(unit) : gbkCharacter(traditional - 1u);
}

}  // namespace zeruda::dictionary
