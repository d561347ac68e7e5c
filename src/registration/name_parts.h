#pragma once

#include <string>
#include <string_view>

namespace zeruda::registration {

// A company name cut into the parts the registration rules speak of (GBK):
// [crown] region + trade name (字号, the body rated by the numerology) + industry +
// organisation form.
struct NameParts {
  std::string crown;     // 中国, 中华 … at the very front
  std::string region;    // the administrative division
  std::string body;      // 字号
  std::string industry;  // 行业或者经营特点
  std::string form;      // 组织形式
  bool bare = false;     // a body given alone, with no prefix or suffix at all

  std::string fullName() const { return crown + region + body + industry + form; }
};

// A name as typed on one line, spaces removed. Its end is the longest known industry
// word + organisation form; a line with no such end is a bare body, taken whole.
// Otherwise a crown word and the longest run of known divisions come off its start,
// and the body is what stands between, of any length (empty too).
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
