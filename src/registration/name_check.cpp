#include "registration/name_check.h"

#include "dictionary/standard_characters.h"
#include "registration/character_kinds.h"
#include "registration/famous_names.h"
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

bool endsWith(std::string_view text, std::string_view end) {
  return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

// The bracketed mark closing a form (（有限合伙）, （个体工商户）), empty when none.
std::string_view formMark(std::string_view form) {
  const auto open = text::findCharacterAware(form, "（"_gbk);
  return open == std::string_view::npos || !endsWith(form, "）"_gbk) ? std::string_view()
                                                                     : form.substr(open);
}

bool isPartnershipMark(std::string_view mark) {
  return mark == "（普通合伙）"_gbk || mark == "（特殊普通合伙）"_gbk || mark == "（有限合伙）"_gbk;
}

int chineseCount(std::string_view text) {
  int count = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += text::charLength(text, pos)) {
    const auto kind = characterKind(text.substr(pos, text::charLength(text, pos)));
    count += kind == CharacterKind::Chinese || kind == CharacterKind::OtherChinese;
  }
  return count;
}

// Letters, digits, symbols and characters outside the 通用规范汉字表, each kind once
// with the characters that show it.
void checkCharacters(std::string_view text, std::vector<Finding>& findings) {
  std::array<std::string, 4> seen;  // letters, digits, symbols, non-standard characters
  for (std::size_t pos = 0; pos < text.size(); pos += text::charLength(text, pos)) {
    const std::string_view character = text.substr(pos, text::charLength(text, pos));
    std::size_t slot = 3;
    switch (characterKind(character)) {
      case CharacterKind::Letter:
        slot = 0;
        break;
      case CharacterKind::Digit:
        slot = 1;
        break;
      case CharacterKind::Symbol:
        slot = 2;
        break;
      default:
        if (dictionary::isStandardCharacter(character)) continue;
    }
    if (text::findCharacterAware(seen[slot], character) == std::string::npos) {
      seen[slot] += character;
    }
  }
  const std::array<const std::string*, 3> kinds = {&"含外文或拼音字母"_gbk, &"含阿拉伯数字"_gbk,
                                                   &"含符号"_gbk};
  for (std::size_t slot = 0; slot < kinds.size(); ++slot) {
    if (seen[slot].empty()) continue;
    add(findings, Level::Unusable, *kinds[slot] + quoted(seen[slot]) + "：名称只能使用规范汉字"_gbk,
        article("第五条"_gbk));
  }
  if (!seen[3].empty()) {
    add(findings, Level::Note,
        quoted(seen[3]) +
            "不在《通用规范汉字表》之中（多为繁体字、异体字或生僻字），名称须使用规范汉字"_gbk,
        article("第五条"_gbk));
  }
}

void checkStructure(const NameParts& parts, std::vector<Finding>& findings) {
  const RegionMatch region = RegionList::builtIn().longestAtStart(parts.region);
  if (parts.allRegions().empty()) {
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
  if (parts.regionAfter == "中国"_gbk) {
    add(findings, Level::Note,
        "字号后的“（中国）”只有使用外国投资者字号的外商独资或者控股企业可以使用"_gbk,
        article("第十二条第三款"_gbk));
  }
  if (parts.industry.empty()) {
    add(findings, Level::Note, "没有行业或经营特点：只有跨行业综合经营的企业可以省略"_gbk,
        article("第六条"_gbk));
  }
  if (parts.form.empty()) {
    add(findings, Level::Unusable, "没有组织形式：企业须在名称中标明组织形式"_gbk,
        article("第十条"_gbk));
  }
  if (!parts.branch.empty()) {
    add(findings, Level::Note,
        "这是分支机构的名称（"_gbk + parts.branch +
            "）：须冠以所从属企业的名称，以上各项按所从属企业的名称检查"_gbk,
        article("第十三条"_gbk));
  }
}

// Whether the name's industry part names the industry of a well-known enterprise;
// a name with no industry part reads as in every industry.
bool sameIndustry(const NameParts& parts, const FamousName& user) {
  if (parts.industry.empty()) return true;
  for (const std::string& word : user.industries) {
    if (text::findCharacterAware(parts.industry, word) != std::string::npos) return true;
  }
  return false;
}

// A trade name taken by a well-known enterprise other than the one named: in its
// industry only that enterprise or one it authorises may use it; elsewhere it still
// invites confusion.
void checkFamous(const NameParts& parts, std::vector<Finding>& findings) {
  const auto users = FamousNames::builtIn().withTradeName(parts.body);
  const std::string own = parts.branch.empty() ? parts.fullName() : parts.parentName();
  std::string same;
  std::string other;
  for (const FamousName* user : users) {
    if (user->enterprise == own) return;
    std::string& list = sameIndustry(parts, *user) ? same : other;
    if (!list.empty()) list += "、"_gbk;
    list += user->enterprise;
  }
  const std::string source = article("第十一条第八项"_gbk) + "；《反不正当竞争法》第七条"_gbk;
  if (!same.empty()) {
    add(findings, Level::NeedsApproval,
        "字号"_gbk + quoted(parts.body) + "是同行业知名企业"_gbk + same +
            "的字号：容易与之混淆，只有该企业或经其授权的企业才宜使用"_gbk,
        source);
  } else if (!other.empty()) {
    add(findings, Level::Note,
        "字号"_gbk + quoted(parts.body) + "与其他行业的知名企业"_gbk + other +
            "的字号相同：仍可能让人误以为与之有关，日后也可能被要求变更"_gbk,
        source);
  }
}

// Divisions whose names are also ordinary words (和田 a field of peace, 中卫 a guard),
// which the rule on divisions as trade names excepts; chosen by hand from the
// division list.
constexpr std::array<const char*, 24> kDivisionsWithAnotherMeaning = {
    "和田", "中卫", "和平", "新华", "长安", "红旗", "东方", "青山", "白云", "光明", "永康", "安康",
    "大同", "中山", "福田", "宝安", "龙华", "永安", "新兴", "兴业", "华容", "金华", "太和", "吉安"};

bool hasAnotherMeaning(std::string_view body) {
  for (const char* word : kDivisionsWithAnotherMeaning) {
    if (text::toGbk(word) == body) return true;
  }
  return false;
}

// 中国, 中华, 全国, 国家 at the front of the industry part: an industry qualifier.
std::string_view qualifierOf(std::string_view industry) {
  for (const std::string* word : {&"中国"_gbk, &"中华"_gbk, &"全国"_gbk, &"国家"_gbk}) {
    if (industry.substr(0, word->size()) == *word) return *word;
  }
  return {};
}

void checkRegionAsTradeName(const NameParts& parts, std::vector<Finding>& findings) {
  if (!RegionList::builtIn().isRegion(parts.body)) return;
  if (hasAnotherMeaning(parts.body)) {
    add(findings, Level::Note,
        "字号"_gbk + quoted(parts.body) +
            "也是县级以上行政区划名称：行政区划不能用作字号，但另有含义的除外；"
            "这里按它的另一层含义使用，申报时宜说明"_gbk,
        article("第八条"_gbk));
    return;
  }
  add(findings, Level::Unusable,
      "字号"_gbk + quoted(parts.body) + "是县级以上行政区划名称：不能用作字号，除非它另有含义"_gbk,
      article("第八条"_gbk));
}

// Banks and credit cooperatives are named by the financial regulator when it licenses
// them, and city and rural commercial banks take region + industry without a trade
// name (成都银行, 成都农村商业银行): such a name needs that approval, not a trade name.
bool regulatorNamesIt(const NameParts& parts) {
  for (const auto* word : {"银行", "信用社", "信用合作联社"}) {
    if (text::findCharacterAware(parts.industry, text::toGbk(word)) != std::string::npos) {
      return true;
    }
  }
  return false;
}

void checkBody(const NameParts& parts, std::vector<Finding>& findings) {
  if (parts.body.empty()) {
    if (parts.crown.empty() && regulatorNamesIt(parts)) {
      add(findings, Level::NeedsApproval,
          "找不到字号：以行政区划加“银行”等为名而不含字号的，只有经金融监管部门批准设立的"
          "银行、信用社才可能使用；一般企业名称须有字号"_gbk,
          article("第六条"_gbk) + "；《商业银行法》第十一条"_gbk);
    } else if (const std::string_view word = qualifierOf(parts.industry);
               parts.crown.empty() && !word.empty()) {
      add(findings, Level::Unusable,
          "找不到字号："_gbk + quoted(word) +
              "紧接在行业用语之前，只是行业限定语，不能充当字号；名称须另有字号"_gbk,
          article("第六条、第十二条第二款"_gbk));
    } else if (parts.crown.empty()) {
      add(findings, Level::Unusable, "找不到字号：名称须有字号"_gbk, article("第六条"_gbk));
    } else {
      add(findings, Level::NeedsApproval,
          "找不到字号：冠以"_gbk + quoted(parts.crown) + "、经国务院批准的名称才可能不含字号"_gbk,
          article("第六条、第十二条"_gbk));
    }
    return;
  }
  const int count = chineseCount(parts.body);
  if (count < 2) {
    const std::string shown = count == 0 ? "字号里没有汉字"_gbk : "字号只有1个汉字"_gbk;
    add(findings, Level::Unusable, shown + "：字号须由两个以上汉字组成"_gbk, article("第八条"_gbk));
  }
  if (RegionList::builtIn().isRegion(parts.body)) {
    checkRegionAsTradeName(parts, findings);
  } else if (SuffixList::builtIn().industry(parts.body) != nullptr) {
    add(findings, Level::Note,
        "字号"_gbk + quoted(parts.body) + "是行业用语：除非另有含义，不能用作字号"_gbk,
        article("第八条"_gbk));
  }
  if (const std::string_view word = qualifierOf(parts.industry); !word.empty()) {
    add(findings, Level::Note,
        quoted(word) +
            "用在行业用语之前，读作行业限定语：名称中间的这类字词只能这样使用，登记机关会从严审核"_gbk,
        article("第十二条第二款"_gbk));
  }
  checkFamous(parts, findings);
}

// Brackets a registrar does not read as a division, a form or （集团）.
void checkBrackets(const NameParts& parts, std::vector<Finding>& findings) {
  if (parts.bracketed.empty()) return;
  add(findings, Level::Note,
      "括注"_gbk + quoted(parts.bracketed) +
          "不是行政区划、组织形式或“集团”之类的括注，不算作字号：登记机关可能要求删去或改写"_gbk,
      article("第五条"_gbk));
}

FormKind kindOf(const FormRule* form, std::string_view mark) {
  if (isPartnershipMark(mark) || mark == "（合伙企业）"_gbk) return FormKind::Partnership;
  if (mark == "（个人独资企业）"_gbk) return FormKind::SoleProprietorship;
  return form == nullptr ? FormKind::Other : form->kind;
}

// The industry words against the organisation form.
void checkSuffix(const NameParts& parts, std::vector<Finding>& findings) {
  const SuffixList& suffixes = SuffixList::builtIn();
  const std::string_view mark = formMark(parts.form);
  const std::string_view base =
      std::string_view(parts.form).substr(0, parts.form.size() - mark.size());
  const FormRule* form = suffixes.form(base);
  if (form != nullptr && form->finding && !isPartnershipMark(mark)) {
    findings.push_back(*form->finding);
  }
  const FormKind kind = kindOf(form, mark);
  for (const IndustryRule* industry : suffixes.industryRules(parts.industry)) {
    if (!industry->note.empty())
      findings.push_back({Level::Note, industry->note, industry->source});
    const bool fits =
        industry->forms.empty() || (form == nullptr && mark.empty()) ||
        std::find(industry->forms.begin(), industry->forms.end(), kind) != industry->forms.end();
    if (!fits) {
      findings.push_back({Level::Unusable,
                          quoted(parts.industry) + "不能与"_gbk + quoted(parts.form) +
                              "搭配："_gbk + industry->mismatch,
                          industry->source});
      break;
    }
  }
  if (kind == FormKind::SoleProprietorship) {
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
      if (hit.rule->exempt || (hit.rule->place == Place::Body && part != &parts.body)) continue;
      if (std::find(reported.begin(), reported.end(), hit.word) != reported.end()) continue;
      reported.push_back(hit.word);
      findings.push_back(hit.rule->findingFor(hit.word));
    }
  }
}

// What the characters rule looks at: the parts a registrar reads as words, less the
// industry and form when they are known ones (their brackets are structure).
std::string wordedText(const NameParts& parts) {
  const SuffixList& suffixes = SuffixList::builtIn();
  const std::string_view mark = formMark(parts.form);
  const std::string_view base =
      std::string_view(parts.form).substr(0, parts.form.size() - mark.size());
  const bool knownIndustry = !suffixes.industryRules(parts.industry).empty();
  // A single character before a bracketed form mark (所（个人独资企业）) is a form too.
  const bool knownForm = base.empty() || suffixes.form(base) != nullptr ||
                         (!mark.empty() && text::charLength(base, 0) == base.size());
  return parts.crown + parts.region + parts.body +
         (knownIndustry ? std::string() : parts.industry) +
         (knownForm ? std::string() : parts.form);
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
  checkBrackets(parts, findings);
  checkCharacters(wordedText(parts), findings);
  if (!parts.bare) checkSuffix(parts, findings);
  checkWords(parts, findings);
  std::stable_sort(findings.begin(), findings.end(),
                   [](const Finding& a, const Finding& b) { return a.level < b.level; });
  return findings;
}

}  // namespace zeruda::registration
