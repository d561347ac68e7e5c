#include "dictionary/elements.h"

#include "dictionary/data_lines.h"
#include "dictionary/gbk_code.h"
#include "embedded/kElementGroups.h"
#include "text/characters.h"
#include "text/gbk_literal.h"

#include <array>
#include <cstdint>
#include <vector>

namespace zeruda::dictionary {
namespace {

using namespace text::literals;

// The elements in the order their lists are searched; an index entry holds the
// position here plus one, 0 for none.
const std::array<std::string_view, 5>& elementOrder() {
  static const std::array<std::string_view, 5> order = {"土"_gbk, "木"_gbk, "火"_gbk, "水"_gbk,
                                                        "金"_gbk};
  return order;
}

std::uint8_t elementNumber(std::string_view element) {
  const auto& order = elementOrder();
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (order[i] == element) return static_cast<std::uint8_t>(i + 1);
  }
  return 0;
}

// Lists are applied in search order, so a character in two lists keeps the later one.
const std::vector<std::uint8_t>& elementIndex() {
  static const std::vector<std::uint8_t> index = [] {
    std::vector<std::uint8_t> built(kGbkCodeCount, 0);
    std::array<std::string_view, 5> lists{};
    forEachTabbedLine(data::kElementGroups, [&](std::string_view element, std::string_view chars) {
      if (const auto number = elementNumber(element)) lists[number - 1] = chars;
    });
    for (std::size_t i = 0; i < lists.size(); ++i) {
      forEachGbkCharacter(
          lists[i], [&](std::size_t slot) { built[slot] = static_cast<std::uint8_t>(i + 1); });
    }
    return built;
  }();
  return index;
}

}  // namespace

std::string_view listElement(std::string_view unit) {
  const auto slot = gbkSlot(unit);
  if (!slot) return {};
  const auto number = elementIndex()[*slot];
  return number == 0 ? std::string_view{} : elementOrder()[number - 1];
}

std::string elementText(std::string_view text) {
  std::string joined;
  bool first = true;
  text::forEachUnit(text, [&](std::string_view unit) {
    if (!first) joined += '-';
    joined += listElement(unit);
    first = false;
  });
  return joined;
}

}  // namespace zeruda::dictionary
