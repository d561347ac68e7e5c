#pragma once

#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

namespace zeruda::text {

struct MatchOptions {
  bool caseSensitive = false;
  bool multiLine = true;
  bool global = true;
  bool quoteEscape = false;  // "#引号" in the pattern stands for a double quote
};

// Runs a regular expression over GBK text by characters (a Chinese character is one
// character to the pattern, as the user sees it) and answers questions about the
// matches. Texts in and out are GBK; positions are 1-based byte positions.
class PatternMatcher {
 public:
  // False when the pattern is not a valid expression or the subject is not GBK.
  bool execute(std::string_view pattern, std::string_view subject,
               const MatchOptions& options = {});

  const std::string& pattern() const { return pattern_; }
  int matchCount() const { return static_cast<int>(matches_.size()); }
  // Match i (1-based); empty text and no position when out of range.
  std::string matchText(int i, int* position = nullptr) const;
  // Sub-match j (1-based) of match i (1-based).
  std::string subMatchText(int i, int j, int* position = nullptr) const;
  // The number of sub-matches of the first match.
  int subMatchCount() const;
  // The subject with the matches (all, or the first when not global) replaced;
  // "$1" and "$&" refer to groups as usual.
  std::string replace(std::string_view replacement) const;

 private:
  struct Group {
    std::wstring text;
    std::size_t charIndex = 0;
    bool matched = false;
  };
  std::string textAndPosition(const Group& group, int* position) const;

  std::string pattern_;
  std::wstring subject_;
  std::optional<std::wregex> regex_;
  bool global_ = true;
  std::vector<std::vector<Group>> matches_;  // [match][0 = whole, 1.. = groups]
};

// Every character of the text except those from space to 0x7F, in order: the
// Chinese-only filter of the request forms.
std::string chineseOnly(std::string_view text);

}  // namespace zeruda::text
