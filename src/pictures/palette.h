#pragma once

#include "pictures/picture.h"

#include <string>
#include <string_view>

namespace zeruda::pictures {

// The usual colours of an element: `strong` fills bars and draws borders, `pale`
// tints a cell, `ink` writes on white or on the pale tint.
struct ElementColours {
  Rgb strong;
  Rgb pale;
  Rgb ink;
};

// 木 green, 火 red, 土 ochre, 金 gold, 水 blue; neutral greys for anything else (an
// empty grid element, say).
ElementColours elementColours(std::string_view elementGbk);

// A luck value (1, 0.5 or 0) as its word: "吉", "半吉" or "凶" (GBK).
const std::string& luckWord(double luck);

// The badge colour of a luck value: red for 吉 as the tradition has it, amber for
// 半吉, slate for 凶. The badge always carries the word too.
Rgb luckColour(double luck);

// Shared neutrals.
inline constexpr Rgb kInk{0x2b, 0x2f, 0x36};
inline constexpr Rgb kMutedInk{0x6b, 0x72, 0x7c};
inline constexpr Rgb kFaintInk{0x9a, 0xa0, 0xa8};
inline constexpr Rgb kRule{0xc9, 0xce, 0xd6};
inline constexpr Rgb kCard{0xf5, 0xf6, 0xf8};
inline constexpr Rgb kWhite{0xff, 0xff, 0xff};

}  // namespace zeruda::pictures
