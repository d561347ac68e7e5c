#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zeruda::dictionary {

// Every two-byte GBK code (lead 0x81-0xFE, trail 0x40-0xFE) has a slot in the
// dictionary's lookup arrays, so a lookup is one index computation.
inline constexpr std::size_t kGbkLeadCount = 0xFE - 0x81 + 1;
inline constexpr std::size_t kGbkTrailCount = 0xFE - 0x40 + 1;
inline constexpr std::size_t kGbkCodeCount = kGbkLeadCount * kGbkTrailCount;

// Slot of the two-byte GBK character that `unit` begins with; nothing when the unit
// is ASCII, too short or not a GBK code.
inline std::optional<std::size_t> gbkSlot(std::string_view unit) {
  if (unit.size() < 2) return std::nullopt;
  const auto lead = static_cast<unsigned char>(unit[0]);
  const auto trail = static_cast<unsigned char>(unit[1]);
  if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE || trail == 0x7F) {
    return std::nullopt;
  }
  return (lead - 0x81) * kGbkTrailCount + (trail - 0x40);
}

// The two bytes of the character in `slot`.
inline std::string gbkCharacter(std::size_t slot) {
  return {static_cast<char>(0x81 + slot / kGbkTrailCount),
          static_cast<char>(0x40 + slot % kGbkTrailCount)};
}

}  // namespace zeruda::dictionary
