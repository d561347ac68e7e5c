#include "registration/name_parts.h"

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

// Whether `text` ends with `end` on a character boundary.
bool endsWith(std::string_view text, std::string_view end) {
  if (text.size() < end.size() || text.substr(text.size() - end.size()) != end) return false;
  const std::vector<std::size_t> starts = characterStarts(text);
  return std::find(starts.begin(), starts.end(), text.size() - end.size()) != starts.end();
}

std::size_t characterCount(std::string_view text) { return characterStarts(text).size() - 1; }

// Full-width brackets for ASCII ones: registrars write both, the lists hold one.
std::string withFullWidthBrackets(std::string_view name) {
  std::string out;
  for (std::size_t pos = 0; pos < name.size(); pos += text::charLength(name, pos)) {
    if (name[pos] == '(') {
      out += "（"_gbk;
    } else if (name[pos] == ')') {
      out += "）"_gbk;
    } else {
      out += name.substr(pos, text::charLength(name, pos));
    }
  }
  return out;
}

// The marks that close a partnership's, a sole proprietorship's or an individual
// business's name.
bool isFormMark(std::string_view inside) {
  for (const std::string* mark : {&"普通合伙"_gbk, &"特殊普通合伙"_gbk, &"有限合伙"_gbk,
                                  &"个体工商户"_gbk, &"个人独资企业"_gbk, &"合伙企业"_gbk}) {
    if (inside == *mark) return true;
  }
  return false;
}

// （集团）（控股） after an organisation form belong to it (…股份有限公司（集团）).
bool isGroupMarkAfterForm(std::string_view inside, std::string_view before) {
  return (inside == "集团"_gbk || inside == "控股"_gbk) &&
         SuffixList::builtIn().formAtEnd(before) > 0;
}

bool isRegionMark(std::string_view inside) {
  return inside == "中国"_gbk || RegionList::builtIn().isRegion(inside);
}

// Where a branch's own part begins: after the parent's organisation form, when the
// name ends with a branch word; npos for a name that is no branch.
std::size_t branchStart(std::string_view name) {
  static const std::array<const std::string*, 14> kBranchWords = {
      &"分公司"_gbk, &"支公司"_gbk, &"分行"_gbk,   &"支行"_gbk, &"营业部"_gbk,
      &"分理处"_gbk, &"分所"_gbk,   &"分店"_gbk,   &"分厂"_gbk, &"办事处"_gbk,
      &"代表处"_gbk, &"营业所"_gbk, &"分中心"_gbk, &"分部"_gbk};
  bool isBranch = false;
  for (const std::string* word : kBranchWords) isBranch = isBranch || endsWith(name, *word);
  if (!isBranch) return std::string_view::npos;
  // The parent ends with a company's, partnership's or firm's form where there is one,
  // else with any form: 国金中心 of a 分店 is a place, not the parent.
  const std::vector<std::size_t> starts = characterStarts(name);
  for (const bool strong : {true, false}) {
    for (std::size_t k = starts.size() - 2; k > 1; --k) {
      const std::string_view parent = name.substr(0, starts[k]);
      const std::size_t form = SuffixList::builtIn().formAtEnd(parent);
      const FormRule* rule =
          form == 0 ? nullptr : SuffixList::builtIn().form(parent.substr(parent.size() - form));
      const bool firm =
          rule != nullptr && (rule->kind != FormKind::Other || endsWith(parent, "事务所"_gbk));
      if (endsWith(parent, "）"_gbk) || (rule != nullptr && (firm || !strong))) return starts[k];
    }
  }
  return std::string_view::npos;
}

struct Brackets {
  std::string rest;         // the name with the brackets read as structure taken out
  std::string formMark;     // （有限合伙） … at the very end
  std::string regionAfter;  // the divisions written in brackets, without them
  std::string unknown;      // brackets that mean nothing to a registrar, with them
};

bool isIndustryMark(std::string_view inside) {
  return inside == "集团"_gbk || inside == "控股"_gbk;
}

// Takes out the bracketed divisions wherever they stand, the form mark at the end and
// the brackets a registrar does not read; （集团）（控股） before the form stay in place.
Brackets readBrackets(std::string_view name) {
  Brackets read;
  const std::string& open = "（"_gbk;
  const std::string& close = "）"_gbk;
  std::size_t pos = 0;
  while (pos < name.size()) {
    const std::size_t at = text::findCharacterAware(name, open, pos);
    const std::size_t end =
        at == std::string_view::npos ? at : text::findCharacterAware(name, close, at);
    if (end == std::string_view::npos) break;
    const std::string_view inside = name.substr(at + open.size(), end - at - open.size());
    read.rest += name.substr(pos, at - pos);
    const bool last = end + close.size() == name.size();
    const std::string_view bracket = name.substr(at, end + close.size() - at);
    if (last && (isFormMark(inside) || isGroupMarkAfterForm(inside, read.rest))) {
      read.formMark = bracket;
    } else if (isRegionMark(inside)) {
      read.regionAfter += inside;
    } else if (isIndustryMark(inside)) {
      read.rest += bracket;
    } else {
      read.unknown += bracket;
    }
    pos = end + close.size();
  }
  if (pos < name.size()) read.rest += name.substr(pos);
  return read;
}

// The end of the front divisions with the street or zone that follows them
// (仁寿县怀仁街道, 宁波梅山保税港区): registrars read these with the division.
std::size_t withArea(std::string_view head, std::size_t regionEnd) {
  static const std::array<const std::string*, 9> kAreaEndings = {
      &"街道"_gbk,   &"保税港区"_gbk, &"保税区"_gbk,   &"自贸区"_gbk,        &"开发区"_gbk,
      &"高新区"_gbk, &"新区"_gbk,     &"工业园区"_gbk, &"自由贸易试验区"_gbk};
  if (regionEnd == 0) return 0;
  const std::string_view rest = head.substr(regionEnd);
  const std::vector<std::size_t> starts = characterStarts(rest);
  for (std::size_t k = 2; k < starts.size() && k <= 9; ++k) {
    const std::string_view area = rest.substr(0, starts[k]);
    bool isArea = false;
    for (const std::string* ending : kAreaEndings) isArea = isArea || endsWith(area, *ending);
    if (isArea && characterCount(rest.substr(starts[k])) >= 2) return regionEnd + starts[k];
  }
  return regionEnd;
}

// A trade name of one character after the front division: gives it the first
// characters of the industry part where the rest is still a run of industry words
// (互 + 动力科技 becomes 互动力 + 科技), or the whole of a one-character industry word
// (金 + 酒 becomes 金酒); false where no such reading keeps two.
bool borrowFromIndustry(std::string_view rest, NameParts& parts) {
  const std::vector<std::size_t> starts = characterStarts(parts.industry);
  for (std::size_t k = 1; k + 1 < starts.size(); ++k) {
    const std::string_view run = std::string_view(parts.industry).substr(starts[k]);
    if (SuffixList::builtIn().industryWords(run).empty()) continue;
    parts.body = std::string(rest) + parts.industry.substr(0, starts[k]);
    parts.industry = run;
    return true;
  }
  if (starts.size() != 2) return false;
  parts.body = std::string(rest) + parts.industry;
  parts.industry.clear();
  return true;
}

// Cuts the front divisions off `head`, unless they begin a well-known trade name.
// Where one character would be left: a shorter industry run, else the division read
// without its last character (上海 for 上海市), else a trade name of one character.
void cutRegion(std::string_view head, NameParts& parts) {
  const std::size_t length = withArea(head, RegionList::builtIn().longestAtStart(head).length);
  const bool startsFamous = FamousNames::builtIn().longestAtStart(head).size() > length;
  if (length == 0 || startsFamous) {
    parts.body = head;
    if (characterCount(head) == 1 && !parts.crown.empty()) borrowFromIndustry(head, parts);
    return;
  }
  const std::string_view rest = head.substr(length);
  parts.region = head.substr(0, length);
  parts.body = rest;
  if (characterCount(rest) != 1 || borrowFromIndustry(rest, parts)) return;
  const std::vector<std::size_t> starts = characterStarts(head.substr(0, length));
  const std::size_t shorter = starts[starts.size() - 2];
  if (shorter > 0 && RegionList::builtIn().isRegion(head.substr(0, shorter))) {
    parts.region = head.substr(0, shorter);
    parts.body = head.substr(shorter);
  }
}

// A division standing after the trade name without brackets (宏富润国物流重庆有限公司,
// 中投长春…): taken out when the name has no other.
void takeRegionAtEnd(NameParts& parts) {
  if (!parts.region.empty() || !parts.regionAfter.empty() || !parts.crown.empty()) return;
  const std::vector<std::size_t> starts = characterStarts(parts.body);
  for (std::size_t k = 2; k + 2 < starts.size(); ++k) {
    const std::string_view end = std::string_view(parts.body).substr(starts[k]);
    if (!RegionList::builtIn().isRegion(end)) continue;
    parts.regionAfter = end;
    const std::string head = parts.body.substr(0, starts[k]);
    const std::size_t industry = SuffixList::builtIn().industryRunStart(head, head.size());
    const bool keepsBody = industry > 0 && industry < head.size();
    if (keepsBody && parts.industry.empty()) parts.industry = head.substr(industry);
    parts.body = keepsBody && !parts.industry.empty() && parts.industry == head.substr(industry)
                     ? head.substr(0, industry)
                     : head;
    return;
  }
}

// 中国, 中华, 全国, 国家 right before the industry qualify it (吉林省国家新材料产业…).
void moveQualifierToIndustry(NameParts& parts) {
  if (parts.industry.empty()) return;
  for (const std::string* word : {&"中国"_gbk, &"中华"_gbk, &"全国"_gbk, &"国家"_gbk}) {
    const std::size_t rest = parts.body.size() - std::min(parts.body.size(), word->size());
    if (endsWith(parts.body, *word) && characterCount(parts.body.substr(0, rest)) != 1) {
      parts.industry = *word + parts.industry;
      parts.body.resize(rest);
      return;
    }
  }
}

// A front division followed by industry words only: the first words are the trade
// name when more than one stands there (上海 + 航天 + 汽车机电), as a registrar reads it;
// a single word leaves the name without a trade name (北京 + 银行).
void giveBackTradeName(NameParts& parts) {
  if (!parts.body.empty()) return;
  const auto words = SuffixList::builtIn().industryWords(parts.industry);
  std::size_t taken = 0;
  std::size_t bytes = 0;
  while (taken + 1 < words.size() && characterCount(parts.industry.substr(0, bytes)) < 2) {
    bytes += words[taken++].size();
  }
  parts.body = parts.industry.substr(0, bytes);
  parts.industry.erase(0, bytes);
}

// The end of a name: industry words and form; before a bracketed form mark a single
// character such as 所, 部, 店 is the form itself (…科技所（个人独资企业）).
SuffixMatch suffixOf(std::string_view plain, bool marked) {
  const SuffixList& suffixes = SuffixList::builtIn();
  const SuffixMatch match = suffixes.longestAtEnd(plain);
  if (!marked || match.form > 0 || plain.empty()) return match;
  static const std::array<const std::string*, 8> kMarkedForms = {
      &"所"_gbk, &"部"_gbk, &"店"_gbk, &"厂"_gbk, &"社"_gbk, &"行"_gbk, &"馆"_gbk, &"室"_gbk};
  for (const std::string* form : kMarkedForms) {
    if (!endsWith(plain, *form)) continue;
    const std::size_t end = plain.size() - form->size();
    return {end - suffixes.industryRunStart(plain, end), form->size()};
  }
  return match;
}

// A name whose only candidate for a trade name stands in brackets (张家界（北京驿码神通）
// 信息技术有限公司): the bracket's words, less a division at their front, are read as it.
void bodyFromBracket(NameParts& parts) {
  const std::string& open = "（"_gbk;
  const std::string& close = "）"_gbk;
  if (parts.bracketed.size() <= open.size() + close.size() ||
      text::findCharacterAware(parts.bracketed, close) + close.size() != parts.bracketed.size()) {
    return;
  }
  const std::string inside =
      parts.bracketed.substr(open.size(), parts.bracketed.size() - open.size() - close.size());
  const std::size_t region = RegionList::builtIn().longestAtStart(inside).length;
  if (characterCount(std::string_view(inside).substr(region)) < 2) return;
  parts.regionAfter += inside.substr(0, region);
  parts.body = inside.substr(region);
}

}  // namespace

NameParts splitFullName(std::string_view given) {
  NameParts parts;
  parts.written = withFullWidthBrackets(given);
  std::string_view name = parts.written;
  if (const std::size_t branch = branchStart(name); branch != std::string_view::npos) {
    parts.branch = name.substr(branch);
    name = name.substr(0, branch);
  }
  const Brackets read = readBrackets(name);
  const std::string& plain = read.rest;
  parts.regionAfter = read.regionAfter;
  parts.bracketed = read.unknown;
  const SuffixMatch suffix = suffixOf(plain, !read.formMark.empty());
  if (suffix.length() == 0 && read.formMark.empty()) {
    parts.body = plain;
    parts.bare = parts.branch.empty() && parts.regionAfter.empty();
    return parts;
  }
  std::string_view head = std::string_view(plain).substr(0, plain.size() - suffix.length());
  parts.industry = plain.substr(head.size(), suffix.industry);
  parts.form = plain.substr(head.size() + suffix.industry) + read.formMark;
  parts.crown = WordList::builtIn().crownAtStart(head);
  head.remove_prefix(parts.crown.size());
  cutRegion(head, parts);
  moveQualifierToIndustry(parts);
  takeRegionAtEnd(parts);
  giveBackTradeName(parts);
  if (parts.body.empty()) bodyFromBracket(parts);
  return parts;
}

NameParts partsOf(std::string_view prefix, std::string_view body, std::string_view suffix) {
  NameParts parts;
  parts.crown = WordList::builtIn().crownAtStart(prefix);
  parts.region = prefix.substr(parts.crown.size());
  parts.body = body;
  const std::size_t form = SuffixList::builtIn().formAtEnd(suffix);
  parts.industry = suffix.substr(0, suffix.size() - form);
  parts.form = suffix.substr(suffix.size() - form);
  parts.bare = prefix.empty() && suffix.empty();
  return parts;
}

NameParts partsOfListed(std::string_view fullName, std::string_view body) {
  const std::size_t at =
      body.empty() ? std::string_view::npos : text::findCharacterAware(fullName, body);
  if (at == std::string_view::npos) return splitFullName(fullName);
  return partsOf(fullName.substr(0, at), body, fullName.substr(at + body.size()));
}

}  // namespace zeruda::registration
