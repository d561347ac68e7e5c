#include "text/pattern_matcher.h"

#include "text/characters.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

namespace zeruda::text {
namespace {

using namespace text::literals;

std::string withQuotes(std::string_view pattern) {
  const std::string& marker = "#引号"_gbk;
  std::string out;
  for (std::size_t pos = 0; pos < pattern.size();) {
    if (pattern.substr(pos, marker.size()) == marker) {
      out += '"';
      pos += marker.size();
    } else {
      out += pattern[pos++];
    }
  }
  return out;
}

std::string gbkOf(std::wstring_view wide) {
  auto converted = text::wideToGbk(wide);
  return converted.ok() ? std::move(converted).value() : std::string();
}

}  // namespace

bool PatternMatcher::execute(std::string_view pattern, std::string_view subject,
                             const MatchOptions& options) {
  matches_.clear();
  regex_.reset();
  subject_.clear();
  pattern_ = options.quoteEscape ? withQuotes(pattern) : std::string(pattern);
  global_ = options.global;
  auto widePattern = text::gbkToWide(pattern_);
  auto wideSubject = text::gbkToWide(subject);
  if (!widePattern.ok() || !wideSubject.ok()) return false;
  subject_ = std::move(wideSubject).value();

  auto flags = std::regex::ECMAScript;
  if (!options.caseSensitive) flags |= std::regex::icase;
  if (options.multiLine) flags |= std::regex::multiline;
  try {
    regex_.emplace(widePattern.value(), flags);
  } catch (const std::regex_error&) {
    return false;
  }
  for (std::wsregex_iterator it(subject_.begin(), subject_.end(), *regex_), end; it != end; ++it) {
    std::vector<Group> groups;
    for (std::size_t g = 0; g < it->size(); ++g) {
      const auto& sub = (*it)[g];
      groups.push_back(
          {sub.str(), static_cast<std::size_t>(sub.first - subject_.cbegin()), sub.matched});
    }
    matches_.push_back(std::move(groups));
    if (!global_) break;
  }
  return true;
}

std::string PatternMatcher::textAndPosition(const Group& group, int* position) const {
  if (position) {
    // The byte position is the GBK length of everything before the match, exactly.
    *position = group.matched
                    ? static_cast<int>(
                          gbkOf(std::wstring_view(subject_).substr(0, group.charIndex)).size()) +
                          1
                    : 0;
  }
  return gbkOf(group.text);
}

std::string PatternMatcher::matchText(int i, int* position) const {
  if (i < 1 || i > matchCount()) {
    if (position) *position = 0;
    return {};
  }
  return textAndPosition(matches_[i - 1][0], position);
}

std::string PatternMatcher::subMatchText(int i, int j, int* position) const {
  if (i < 1 || i > matchCount() || j < 1 || j >= static_cast<int>(matches_[i - 1].size())) {
    if (position) *position = 0;
    return {};
  }
  return textAndPosition(matches_[i - 1][j], position);
}

int PatternMatcher::subMatchCount() const {
  return matches_.empty() ? 0 : static_cast<int>(matches_.front().size()) - 1;
}

std::string PatternMatcher::replace(std::string_view replacement) const {
  if (!regex_) return {};
  auto wideReplacement = text::gbkToWide(replacement);
  if (!wideReplacement.ok()) return {};
  auto flags =
      global_ ? std::regex_constants::format_default : std::regex_constants::format_first_only;
  return gbkOf(std::regex_replace(subject_, *regex_, wideReplacement.value(), flags));
}

std::string chineseOnly(std::string_view text) {
  PatternMatcher matcher;
  if (!matcher.execute("[^\\x20-\\x7f]", text)) {
    // Not valid GBK: drop the same bytes the pattern would, character by character.
    std::string out;
    for (std::size_t pos = 0; pos < text.size(); pos += text::charLength(text, pos)) {
      auto c = static_cast<unsigned char>(text[pos]);
      if (c < 0x20 || c > 0x7f) out.append(text.substr(pos, text::charLength(text, pos)));
    }
    return out;
  }
  std::string out;
  for (int i = 1; i <= matcher.matchCount(); ++i) out += matcher.matchText(i);
  return out;
}

}  // namespace zeruda::text
