#pragma once

#include <string>
#include <string_view>

namespace zeruda::registration {

// A company name cut into the parts the registration rules speak of (GBK):
// [crown] region + trade name (字号, the body rated by the numerology) + industry +
// organisation form [+ branch]. Brackets a registrar reads as structure are taken
// apart: a region in brackets after the trade name (腾讯科技（深圳）有限公司) goes to
// regionAfter, （集团）（控股） stay in the industry, the partnership and individual
// business marks stay in the form (合伙企业（有限合伙）, 店（个体工商户）, 所（个人独资企业）),
// as does （集团） after a form. Any other bracket goes to `bracketed`, out of the trade name.
struct NameParts {
  std::string crown;        // 中国, 中华 … at the very front
  std::string region;       // the administrative division at the front
  std::string body;         // 字号
  std::string industry;     // 行业或者经营特点
  std::string form;         // 组织形式, with its bracketed mark
  std::string regionAfter;  // a division written in brackets after the front, brackets removed
  std::string branch;       // what follows the parent's form: 成都分行, 四川分所 …
  std::string bracketed;    // brackets the rules do not know, taken out of the trade name
  std::string written;      // the name as given, when it was given whole
  bool bare = false;        // a body given alone, with no prefix or suffix at all

  // The name as given, or the parts joined when it was given in parts.
  std::string fullName() const {
    return written.empty() ? crown + region + body + industry + form + branch : written;
  }
  // Every division the name states: the crown, the front region and the bracketed one.
  std::string allRegions() const { return crown + region + regionAfter; }
  // The parent enterprise's name of a branch; empty for a name that is no branch.
  std::string parentName() const {
    const std::string whole = fullName();
    return branch.empty() ? std::string() : whole.substr(0, whole.size() - branch.size());
  }
};

// The five parts a name is shown in (GBK): every division it states, the trade name,
// the industry, the organisation form and the branch part; empty strings where none.
struct NameSplit {
  std::string region;
  std::string body;
  std::string industry;
  std::string form;
  std::string branch;
  bool operator==(const NameSplit&) const = default;
};

inline NameSplit splitOf(const NameParts& parts) {
  return {parts.allRegions(), parts.body, parts.industry, parts.form, parts.branch};
}

// A name as typed on one line, spaces removed. A branch (a parent's name followed by
// a place and 分公司, 分行, 支行, 分所 …) is cut off its parent first. The parent's end
// is the longest run of known industry words + organisation form; a line with no such
// end is a bare body, taken whole. Otherwise a crown word and the longest run of known
// divisions come off its start unless the division begins a well-known trade name
// (阿里巴巴); the body is what stands between. Where that leaves one character, the
// industry run gives back its first characters when a shorter run still ends the name
// (深圳市 + 互动力 + 科技), else the division is read short (上海 + 市北 for 上海市北);
// where neither keeps two, the trade name has one character (成都 + 华). A division
// followed by industry words only leaves no trade name (北京银行).
NameParts splitFullName(std::string_view name);

// A name given as its three boxes: the regional prefix (a crown word at its start
// comes off), the body, and the trade suffix, whose longest known organisation form
// at the end is the form and the rest its industry part. Bare when both prefix and
// suffix are empty.
NameParts partsOf(std::string_view prefix, std::string_view body, std::string_view suffix);

// A listed name, from its full name and its body: prefix and suffix are what stands
// before and after the body. A full name without the body is split as typed.
NameParts partsOfListed(std::string_view fullName, std::string_view body);

}  // namespace zeruda::registration
