#pragma once

#include <cstdint>

namespace zeruda {

// A colour by its red, green and blue parts (0-255 each): the one form in which the
// core hands colours to the front ends and the picture writers.
struct Rgb {
  std::uint8_t r = 0, g = 0, b = 0;
  bool operator==(const Rgb&) const = default;
};

}  // namespace zeruda
