#include "text/characters.h"

namespace zeruda::text {

std::string removeSpaces(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) {
    std::size_t len = charLength(text, pos);
    std::string_view piece = text.substr(pos, len);
    if (piece != " " && piece != kFullWidthSpace) out.append(piece);
    pos += len;
  }
  return out;
}

bool onlySpaces(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t len = charLength(text, pos);
    const std::string_view piece = text.substr(pos, len);
    if (piece != " " && piece != kFullWidthSpace) return false;
    pos += len;
  }
  return true;
}

std::vector<std::string> splitCharacters(std::string_view text) {
  std::vector<std::string> units;
  forEachUnit(text, [&](std::string_view unit) { units.emplace_back(unit); });
  return units;
}

std::size_t findCharacterAware(std::string_view haystack, std::string_view needle,
                               std::size_t from) {
  if (needle.empty()) return from <= haystack.size() ? from : std::string_view::npos;
  for (std::size_t pos = from; pos + needle.size() <= haystack.size();
       pos += charLength(haystack, pos)) {
    if (haystack.compare(pos, needle.size(), needle) == 0) return pos;
  }
  return std::string_view::npos;
}

std::string_view trimBlanks(std::string_view text) {
  constexpr std::string_view kBlanks = " \t\r\n";
  auto first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  auto last = text.find_last_not_of(kBlanks);
  return text.substr(first, last - first + 1);
}

}  // namespace zeruda::text
