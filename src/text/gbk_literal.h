#pragma once

#include <algorithm>
#include <cstddef>
#include <string>

#include "text/gbk.h"

namespace zeruda::text {

// A string literal usable as a template argument.
template <std::size_t N>
struct FixedString {
  char bytes[N]{};
  constexpr FixedString(const char (&s)[N]) { std::copy_n(s, N, bytes); }
  constexpr std::string_view view() const { return {bytes, N - 1}; }
};

namespace literals {

// "成都"_gbk: the GBK form of a UTF-8 literal in our sources, converted once on first
// use and kept for the life of the program. Sources stay readable; the core still
// sees the bytes it counts.
template <FixedString S>
const std::string& operator""_gbk() {
  static const std::string converted = toGbk(S.view());
  return converted;
}

}  // namespace literals
}  // namespace zeruda::text
