#include "registration/suffix_list.h"

#include "embedded/kFormRules.h"
#include "embedded/kIndustryRules.h"
#include "registration/rule_file.h"
#include "text/characters.h"
#include "text/gbk_literal.h"

#include <algorithm>
#include <array>

namespace zeruda::registration {
namespace {

using namespace text::literals;

std::optional<FormKind> kindNamed(std::string_view name) {
  const std::array<std::pair<const std::string*, FormKind>, 6> kinds = {{
      {&"有限责任公司"_gbk, FormKind::LimitedLiability},
      {&"股份有限公司"_gbk, FormKind::JointStock},
      {&"合伙企业"_gbk, FormKind::Partnership},
      {&"个人独资企业"_gbk, FormKind::SoleProprietorship},
      {&"合作社"_gbk, FormKind::Cooperative},
      {&"其他"_gbk, FormKind::Other},
  }};
  for (const auto& [text, kind] : kinds) {
    if (*text == name) return kind;
  }
  return std::nullopt;
}

template <typename Map>
void addEndings(Map& map, std::string_view word) {
  for (std::size_t start : characterStarts(word)) {
    if (start < word.size()) map.try_emplace(std::string(word.substr(start)));
  }
}

}  // namespace

std::vector<std::size_t> characterStarts(std::string_view text, std::size_t from) {
  std::vector<std::size_t> starts;
  for (std::size_t pos = from; pos < text.size(); pos += text::charLength(text, pos)) {
    starts.push_back(pos);
  }
  starts.push_back(text.size());
  return starts;
}

const SuffixList& SuffixList::builtIn() {
  static const SuffixList list(data::kFormRules, data::kIndustryRules);
  return list;
}

SuffixList::SuffixList(std::string_view formRules, std::string_view industryRules) {
  for (const RuleSection& section : parseRuleFile(formRules)) {
    FormRule rule;
    rule.kind = kindNamed(section.value("类别"_gbk)).value_or(FormKind::Other);
    const std::string level = section.value("级别"_gbk);
    if (!level.empty()) {
      rule.finding =
          Finding{levelFromText(level), section.value("理由"_gbk), section.value("来源"_gbk)};
    }
    for (const std::string& form : section.words("形式"_gbk)) {
      addEndings(forms_, form);
      forms_[form] = rule;
    }
  }
  const auto sections = parseRuleFile(industryRules);
  industryRules_.reserve(sections.size());  // the index points into it
  for (const RuleSection& section : sections) {
    IndustryRule& rule = industryRules_.emplace_back();
    for (const std::string& kind : section.words("限用"_gbk)) {
      if (auto known = kindNamed(kind)) rule.forms.push_back(*known);
    }
    rule.mismatch = section.value("理由"_gbk);
    rule.note = section.value("提醒"_gbk);
    rule.source = section.value("来源"_gbk);
    for (const std::string& word : section.words("用语"_gbk)) {
      industries_[word] = &rule;
      longestIndustry_ = std::max(longestIndustry_, word.size());
    }
  }
}

const FormRule* SuffixList::form(std::string_view text) const {
  const auto found = forms_.find(text);
  return found == forms_.end() || !found->second ? nullptr : &*found->second;
}

const IndustryRule* SuffixList::industry(std::string_view text) const {
  const auto found = industries_.find(text);
  return found == industries_.end() ? nullptr : found->second;
}

std::size_t SuffixList::industryRunStart(std::string_view text, std::size_t end) const {
  const std::vector<std::size_t> starts = characterStarts(text.substr(0, end));
  // reachable[k]: the text from starts[k] to `end` is a run of industry words.
  std::vector<bool> reachable(starts.size(), false);
  reachable.back() = true;
  for (std::size_t k = starts.size() - 1; k > 0; --k) {
    if (!reachable[k]) continue;
    for (std::size_t j = k; j-- > 0 && starts[k] - starts[j] <= longestIndustry_;) {
      if (industry(text.substr(starts[j], starts[k] - starts[j])) != nullptr) reachable[j] = true;
    }
  }
  // Leaving two characters or more beats leaving none, which beats leaving one.
  for (std::size_t k = 2; k + 1 < starts.size(); ++k) {
    if (reachable[k]) return starts[k];
  }
  if (starts.size() > 1 && reachable[0]) return 0;
  return starts.size() > 2 && reachable[1] ? starts[1] : end;
}

SuffixMatch SuffixList::longestAtEnd(std::string_view name) const {
  const std::vector<std::size_t> starts = characterStarts(name);
  const std::size_t end = name.size();
  SuffixMatch best;
  auto consider = [&](SuffixMatch match) {
    if (match.length() > best.length() ||
        (match.length() == best.length() && match.form > 0 && best.form == 0)) {
      best = match;
    }
  };
  // Each start of a form (or the end, for none), then the industry run before it.
  for (auto formStart = starts.rbegin(); formStart != starts.rend(); ++formStart) {
    const std::size_t formLength = end - *formStart;
    if (formLength > 0) {
      const auto found = forms_.find(name.substr(*formStart));
      if (found == forms_.end()) break;
      if (!found->second) continue;
    }
    consider({*formStart - industryRunStart(name, *formStart), formLength});
  }
  return best;
}

std::vector<std::string_view> SuffixList::industryWords(std::string_view text) const {
  const std::vector<std::size_t> starts = characterStarts(text);
  // words[k]: the fewest words making up the text up to starts[k]; absent when none do.
  std::vector<std::optional<std::vector<std::string_view>>> words(starts.size());
  words[0].emplace();
  for (std::size_t k = 1; k < starts.size(); ++k) {
    for (std::size_t j = 0; j < k; ++j) {
      const std::string_view word = text.substr(starts[j], starts[k] - starts[j]);
      if (!words[j] || industry(word) == nullptr) continue;
      if (!words[k] || words[j]->size() + 1 < words[k]->size()) {
        words[k] = *words[j];
        words[k]->push_back(word);
      }
    }
  }
  return text.empty() || !words.back() ? std::vector<std::string_view>() : *words.back();
}

std::vector<const IndustryRule*> SuffixList::industryRules(std::string_view text) const {
  std::vector<const IndustryRule*> rules;
  for (std::string_view word : industryWords(text)) rules.push_back(industry(word));
  return rules;
}

std::size_t SuffixList::formAtEnd(std::string_view suffix) const {
  for (std::size_t start : characterStarts(suffix)) {
    if (start < suffix.size() && form(suffix.substr(start)) != nullptr)
      return suffix.size() - start;
  }
  return 0;
}

}  // namespace zeruda::registration
