#include "registration/name_check.h"

#include "registration/character_kinds.h"
#include "registration/region_list.h"
#include "registration/suffix_list.h"
#include "registration/word_list.h"
#include "text/characters.h"
#include "text/gbk_literal.h"

#include <algorithm>
#include <array>

namespace zeruda::registration {
namespace {

using namespace text::literals;

// An article of the enterprise-name registration rules (国务院令第734号).
std::string article(const std::string& number) { return "《企业名称登记管理规定》"_gbk + number; }

void add(std::vector<Finding>& findings, Level level, std::string reason, std::string source) {
  findings.push_back({level, std::move(reason), std::move(source)});
}

std::string quoted(std::string_view text) { return "“"_gbk + std::string(text) + "”"_gbk; }

int chineseCount(std::string_view text) {
  int count = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += text::charLength(text, pos)) {
    const auto kind = characterKind(text.substr(pos, text::charLength(text, pos)));
    count += kind == CharacterKind::Chinese || kind == CharacterKind::OtherChinese;
  }
  return count;
}

// Letters, digits, symbols and characters beyond the common set, each kind once with
// the characters that show it.
void checkCharacters(std::string_view text, std::vector<Finding>& findings) {
  std::array<std::string, 5> byKind;
  for (std::size_t pos = 0; pos < text.size(); pos += text::charLength(text, pos)) {
    const std::string_view character = text.substr(pos, text::charLength(text, pos));
    const auto kind = characterKind(character);
    std::string& seen = byKind[static_cast<std::size_t>(kind)];
    if (kind != CharacterKind::Chinese &&
        text::findCharacterAware(seen, character) == std::string::npos) {
      seen += character;
    }
  }
  const auto& letters = byKind[static_cast<std::size_t>(CharacterKind::Letter)];
  const auto& digits = byKind[static_cast<std::size_t>(CharacterKind::Digit)];
  const auto& symbols = byKind[static_cast<std::size_t>(CharacterKind::Symbol)];
  const auto& other = byKind[static_cast<std::size_t>(CharacterKind::OtherChinese)];
  if (!letters.empty()) {
    add(findings, Level::Unusable,
        "含外文或拼音字母"_gbk + quoted(letters) + "：名称只能使用规范汉字"_gbk,
        article("第五条"_gbk));
  }
  if (!digits.empty()) {
    add(findings, Level::Unusable,
        "含阿拉伯数字"_gbk + quoted(digits) + "：名称只能使用规范汉字"_gbk, article("第五条"_gbk));
  }
  if (!symbols.empty()) {
    add(findings, Level::Unusable, "含符号"_gbk + quoted(symbols) + "：名称只能使用规范汉字"_gbk,
        article("第五条"_gbk));
  }
  if (!other.empty()) {
    add(findings, Level::Note,
        quoted(other) +
            "不在常用简化字之列（多为繁体字、异体字或生僻字），须是规范汉字才能登记"_gbk,
        article("第五条"_gbk));
  }
}

void checkStructure(const NameParts& parts, std::vector<Finding>& findings) {
  const RegionMatch region = RegionList::builtIn().longestAtStart(parts.region);
  if (parts.crown.empty() && parts.region.empty()) {
    add(findings, Level::Note,
        "没有行政区划名称：只有跨省、自治区、直辖市经营的企业可以不含行政区划"_gbk,
        article("第六条"_gbk));
  } else if (region.length != parts.region.size()) {
    add(findings, Level::Note, quoted(parts.region) + "不是已知的县级以上行政区划名称"_gbk,
        article("第七条"_gbk));
  } else if (region.districtAlone) {
    add(findings, Level::Note,
        "市辖区"_gbk + quoted(parts.region) + "须与所属设区的市的名称连用"_gbk,
        article("第七条"_gbk));
  }
  if (parts.industry.empty()) {
    add(findings, Level::Note, "没有行业或经营特点：只有跨行业综合经营的企业可以省略"_gbk,
        article("第六条"_gbk));
  }
  if (parts.form.empty()) {
    add(findings, Level::Unusable, "没有组织形式：企业须在名称中标明组织形式"_gbk,
        article("第十条"_gbk));
  }
}

void checkBody(const NameParts& parts, std::vector<Finding>& findings) {
  if (parts.body.empty()) {
    add(findings, Level::Unusable, "找不到字号：名称须有字号"_gbk, article("第六条"_gbk));
    return;
  }
  const int count = chineseCount(parts.body);
  if (count < 2) {
    const std::string shown = count == 0 ? "字号里没有汉字"_gbk : "字号只有1个汉字"_gbk;
    add(findings, Level::Unusable, shown + "：字号须由两个以上汉字组成"_gbk, article("第八条"_gbk));
  }
  if (RegionList::builtIn().isRegion(parts.body)) {
    add(findings, Level::Note,
        "字号"_gbk + quoted(parts.body) + "是行政区划名称：除非另有含义，不能用作字号"_gbk,
        article("第八条"_gbk));
  } else if (SuffixList::builtIn().industry(parts.body) != nullptr) {
    add(findings, Level::Note,
        "字号"_gbk + quoted(parts.body) + "是行业用语：除非另有含义，不能用作字号"_gbk,
        article("第八条"_gbk));
  }
}

// The industry words against the organisation form.
void checkSuffix(const NameParts& parts, std::vector<Finding>& findings) {
  const SuffixList& suffixes = SuffixList::builtIn();
  const FormRule* form = suffixes.form(parts.form);
  if (form != nullptr && form->finding) findings.push_back(*form->finding);
  if (const IndustryRule* industry = suffixes.industry(parts.industry)) {
    if (!industry->note.empty())
      findings.push_back({Level::Note, industry->note, industry->source});
    const bool fits = industry->forms.empty() || form == nullptr ||
                      std::find(industry->forms.begin(), industry->forms.end(), form->kind) !=
                          industry->forms.end();
    if (!fits) {
      findings.push_back({Level::Unusable,
                          quoted(parts.industry) + "不能与"_gbk + quoted(parts.form) +
                              "搭配："_gbk + industry->mismatch,
                          industry->source});
    }
  }
  if (form != nullptr && form->kind == FormKind::SoleProprietorship) {
    const std::string words = parts.body + parts.industry;
    for (const std::string* word : {&"有限"_gbk, &"公司"_gbk}) {
      if (text::findCharacterAware(words, *word) != std::string::npos) {
        add(findings, Level::Unusable,
            "个人独资企业的名称中不得使用"_gbk + quoted(*word) + "字样"_gbk,
            "《个人独资企业登记管理办法》"_gbk);
      }
    }
  }
}

void checkWords(const NameParts& parts, std::vector<Finding>& findings) {
  const WordList& words = WordList::builtIn();
  if (const WordRule* crown = words.crownRule(parts.crown)) {
    findings.push_back(crown->findingFor(parts.crown));
  }
  std::vector<std::string> reported;
  for (const std::string* part : {&parts.body, &parts.industry}) {
    for (const WordHit& hit : words.findIn(*part)) {
      if (std::find(reported.begin(), reported.end(), hit.word) != reported.end()) continue;
      reported.push_back(hit.word);
      findings.push_back(hit.rule->findingFor(hit.word));
    }
  }
}

}  // namespace

std::vector<Finding> checkName(const NameParts& parts) {
  std::vector<Finding> findings;
  if (parts.bare) {
    add(findings, Level::Note, "只有字号：登记时还须配上行政区划、行业或经营特点和组织形式"_gbk,
        article("第六条"_gbk));
  } else {
    checkStructure(parts, findings);
  }
  checkBody(parts, findings);
  // The form's own brackets (合伙企业（有限合伙）) are part of a known form.
  const bool knownForm = SuffixList::builtIn().form(parts.form) != nullptr;
  checkCharacters(parts.crown + parts.region + parts.body + parts.industry +
                      (knownForm ? std::string() : parts.form),
                  findings);
  if (!parts.bare) checkSuffix(parts, findings);
  checkWords(parts, findings);
  std::stable_sort(findings.begin(), findings.end(),
                   [](const Finding& a, const Finding& b) { return a.level < b.level; });
  return findings;
}

}  // namespace zeruda::registration
