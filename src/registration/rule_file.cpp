#include "registration/rule_file.h"

#include "text/characters.h"
#include "text/lines.h"

namespace zeruda::registration {

std::string RuleSection::value(std::string_view key) const {
  std::string found;
  for (const auto& [name, text] : entries) {
    if (name == key) found = text;
  }
  return found;
}

std::vector<std::string> RuleSection::words(std::string_view key) const {
  std::vector<std::string> out;
  for (const auto& [name, text] : entries) {
    if (name != key) continue;
    std::string word;
    for (std::size_t pos = 0; pos < text.size();) {
      const std::size_t len = text::charLength(text, pos);
      const std::string_view piece = std::string_view(text).substr(pos, len);
      if (piece == " " || piece == text::kFullWidthSpace) {
        if (!word.empty()) out.push_back(std::move(word));
        word.clear();
      } else {
        word += piece;
      }
      pos += len;
    }
    if (!word.empty()) out.push_back(std::move(word));
  }
  return out;
}

std::vector<RuleSection> parseRuleFile(std::string_view gbk) {
  std::vector<RuleSection> sections;
  text::forEachLine(gbk, [&](std::string_view raw) {
    const std::string_view line = text::trimBlanks(raw);
    if (line.empty() || line.front() == '#') return;
    if (line.front() == '[' && line.back() == ']') {
      sections.push_back({std::string(line.substr(1, line.size() - 2)), {}});
      return;
    }
    // No GBK trail byte is "=", so the first one found is the separator.
    const auto equals = line.find('=');
    if (sections.empty() || equals == std::string_view::npos) return;
    sections.back().entries.emplace_back(std::string(text::trimBlanks(line.substr(0, equals))),
                                         std::string(text::trimBlanks(line.substr(equals + 1))));
  });
  return sections;
}

}  // namespace zeruda::registration
