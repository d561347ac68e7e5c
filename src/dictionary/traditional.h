#pragma once

#include <string>
#include <string_view>

namespace zeruda::dictionary {

// The traditional form of a simplified GBK character (们 → 們, 国 → 國). Traditional
// characters, other characters, ASCII and anything but one two-byte GBK character
// come back unchanged.
std::string toTraditional(std::string_view unit);

}  // namespace zeruda::dictionary
