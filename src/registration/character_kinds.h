#pragma once

#include <string_view>

namespace zeruda::registration {

// What a character of a name is, as far as the rule "standard Chinese characters
// only" is concerned.
enum class CharacterKind {
  Chinese,       // a Chinese character of GB2312, the common simplified set
  OtherChinese,  // a Chinese character GBK adds: mostly traditional, variant or rare forms
  Letter,        // Latin letters, ASCII or full-width, and pinyin letters with tones
  Digit,         // 0-9, ASCII or full-width
  Symbol,        // everything else: punctuation, spaces, kana, Greek, 〇 …
};

// The kind of one GBK character (one or two bytes).
CharacterKind characterKind(std::string_view character);

}  // namespace zeruda::registration
