#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace zeruda::text {

// The GBK full-width space "　".
inline constexpr std::string_view kFullWidthSpace = "\xA1\xA1";

// Byte length of the unit starting at `pos` when a text is cut for the stroke and
// element lookups: a byte of 122 or less stands alone, a byte of 123 or more takes
// the next byte with it ("{" "|" "}" "~" included). A lead byte at the very end of
// the text makes a one-byte unit rather than a read past the end.
inline std::size_t unitLength(std::string_view text, std::size_t pos) {
  if (static_cast<unsigned char>(text[pos]) <= 122) return 1;
  return pos + 1 < text.size() ? 2 : 1;
}

// Byte length of the character at `pos` for searching and space handling: a byte
// of 0x80 or more starts a two-byte GBK character.
inline std::size_t charLength(std::string_view text, std::size_t pos) {
  if (static_cast<unsigned char>(text[pos]) < 0x80) return 1;
  return pos + 1 < text.size() ? 2 : 1;
}

// The text without its ASCII spaces and full-width spaces.
std::string removeSpaces(std::string_view text);

// Whether the text holds nothing but ASCII and full-width spaces (or nothing).
bool onlySpaces(std::string_view text);

// The units of the text in order, spaces included; empty when the text holds
// nothing but spaces.
std::vector<std::string> splitCharacters(std::string_view text);

// Calls `visit` with each unit splitCharacters gives, as a view into the text: the
// same cut without a string made for each, for lookups run by the thousand.
template <typename Visit>
void forEachUnit(std::string_view text, Visit visit) {
  if (onlySpaces(text)) return;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t len = unitLength(text, pos);
    visit(text.substr(pos, len));
    pos += len;
  }
}

// Position of the first occurrence of `needle` in `haystack` that starts on a
// character boundary (two bytes after a byte of 0x80 or more, else one), so a
// two-byte character never matches across two neighbours. npos when absent.
std::size_t findCharacterAware(std::string_view haystack, std::string_view needle,
                               std::size_t from = 0);

// Removes leading and trailing ASCII blanks (space, tab, CR, LF).
std::string_view trimBlanks(std::string_view text);

}  // namespace zeruda::text
