#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zeruda::registration {

// One "[title]" section of a rule file with its "key = value" lines (GBK, trimmed).
struct RuleSection {
  std::string title;
  std::vector<std::pair<std::string, std::string>> entries;

  // The last value of `key`, empty when the section has none.
  std::string value(std::string_view key) const;
  // Every value of `key` cut at ASCII and full-width spaces, in order.
  std::vector<std::string> words(std::string_view key) const;
};

// The sections of a rule file. Lines starting with "#" and blank lines are skipped,
// as are lines before the first section and lines without "=".
std::vector<RuleSection> parseRuleFile(std::string_view gbk);

}  // namespace zeruda::registration
