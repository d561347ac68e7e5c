#pragma once

#include <string_view>

namespace zeruda::cli {

// A body or a fixed character given on the command line must be Chinese characters
// the dictionary has: anything else (Latin letters, full-width digits, spaces,
// punctuation) has no strokes and would be rated as zeros without a word. Throws
// OutOfRange naming `what` and the first character that is not one; an empty text
// is refused too. `gbk` is GBK.
void requireDictionaryCharacters(std::string_view gbk, std::string_view what);

}  // namespace zeruda::cli
