#include "registration/word_list.h"

#include "embedded/kWordRules.h"
#include "registration/rule_file.h"
#include "text/characters.h"
#include "text/gbk_literal.h"

#include <algorithm>

namespace zeruda::registration {
namespace {

using namespace text::literals;

Place placeNamed(std::string_view name) {
  if (name == "冠首"_gbk) return Place::Start;
  if (name == "字号"_gbk) return Place::Body;
  return Place::Anywhere;
}

std::size_t codeOf(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80 || pos + 1 >= text.size()) return lead;
  return lead << 8 | static_cast<unsigned char>(text[pos + 1]);
}

}  // namespace

Finding WordRule::findingFor(std::string_view word) const {
  std::string text = reason;
  for (auto slot = text.find("{}"); slot != std::string::npos; slot = text.find("{}", slot)) {
    text.replace(slot, 2, word);
    slot += word.size();
  }
  return {level, std::move(text), source};
}

const WordList& WordList::builtIn() {
  static const WordList list(data::kWordRules);
  return list;
}

WordList::WordList(std::string_view rules) {
  const auto sections = parseRuleFile(rules);
  rules_.reserve(sections.size());  // the indexes point into it
  for (const RuleSection& section : sections) {
    WordRule& rule = rules_.emplace_back();
    rule.place = placeNamed(section.value("位置"_gbk));
    rule.level = levelFromText(section.value("级别"_gbk));
    rule.exempt = section.value("级别"_gbk) == "无"_gbk;
    rule.reason = section.value("理由"_gbk);
    rule.source = section.value("来源"_gbk);
    for (const std::string& word : section.words("字词"_gbk)) {
      if (rule.place == Place::Start) {
        crowns_.emplace(word, &rule);
        longestCrown_ = std::max(longestCrown_, word.size());
      } else {
        inner_.emplace(word, &rule);
        innerStarts_.set(codeOf(word, 0));
        longestInner_ = std::max(longestInner_, word.size());
      }
    }
  }
}

std::string_view WordList::crownAtStart(std::string_view name) const {
  std::string_view best;
  for (std::size_t end = 0; end < name.size() && end < longestCrown_;) {
    end += text::charLength(name, end);
    if (crowns_.contains(name.substr(0, end))) best = name.substr(0, end);
  }
  return best;
}

const WordRule* WordList::crownRule(std::string_view word) const {
  const auto found = crowns_.find(word);
  return found == crowns_.end() ? nullptr : found->second;
}

std::vector<WordHit> WordList::findIn(std::string_view part) const {
  std::vector<WordHit> hits;
  std::size_t coveredTo = 0;  // the end of the last word taken
  for (std::size_t pos = 0; pos < part.size(); pos += text::charLength(part, pos)) {
    if (!innerStarts_.test(codeOf(part, pos))) continue;
    std::size_t bestEnd = 0;
    const WordRule* bestRule = nullptr;
    for (std::size_t end = pos; end < part.size() && end - pos < longestInner_;) {
      end += text::charLength(part, end);
      const auto found = inner_.find(part.substr(pos, end - pos));
      if (found == inner_.end()) continue;
      bestEnd = end;
      bestRule = found->second;
    }
    if (bestRule == nullptr || bestEnd <= coveredTo) continue;
    const std::string word(part.substr(pos, bestEnd - pos));
    const bool seen =
        std::any_of(hits.begin(), hits.end(), [&](const WordHit& hit) { return hit.word == word; });
    if (!seen) hits.push_back({word, bestRule});
    coveredTo = bestEnd;
  }
  return hits;
}

}  // namespace zeruda::registration
