#include "almanac/opening_activities.h"

#include "embedded/kOpeningActivities.h"
#include "text/characters.h"
#include "text/gbk_literal.h"
#include "text/lines.h"

namespace zeruda::almanac {
namespace {

using namespace text::literals;

// The words of a list, cut at ASCII and full-width spaces.
void appendWords(std::string_view list, std::vector<std::string>& words) {
  std::string word;
  for (std::size_t pos = 0; pos < list.size();) {
    const std::size_t length = text::charLength(list, pos);
    const std::string_view piece = list.substr(pos, length);
    if (piece == " " || piece == "\t" || piece == text::kFullWidthSpace) {
      if (!word.empty()) words.push_back(std::move(word));
      word.clear();
    } else {
      word += piece;
    }
    pos += length;
  }
  if (!word.empty()) words.push_back(std::move(word));
}

}  // namespace

OpeningActivities parseOpeningActivities(std::string_view gbk) {
  OpeningActivities lists;
  text::forEachLine(gbk, [&](std::string_view raw) {
    const std::string_view line = text::trimBlanks(raw);
    // No GBK trail byte is "=", so the first one is the separator.
    const std::size_t equals = line.find('=');
    if (line.empty() || line.front() == '#' || equals == std::string_view::npos) return;
    const std::string_view key = text::trimBlanks(line.substr(0, equals));
    if (key == "宜"_gbk) appendWords(line.substr(equals + 1), lists.business);
    if (key == "忌"_gbk) appendWords(line.substr(equals + 1), lists.forbidden);
  });
  return lists;
}

const OpeningActivities& openingActivities() {
  static const OpeningActivities lists = parseOpeningActivities(data::kOpeningActivities);
  return lists;
}

}  // namespace zeruda::almanac
