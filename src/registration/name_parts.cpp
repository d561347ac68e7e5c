#include "registration/name_parts.h"

#include "registration/region_list.h"
#include "registration/suffix_list.h"
#include "registration/word_list.h"
#include "text/characters.h"

namespace zeruda::registration {

NameParts splitFullName(std::string_view name) {
  NameParts parts;
  const SuffixMatch suffix = SuffixList::builtIn().longestAtEnd(name);
  if (suffix.length() == 0) {
    parts.body = name;
    parts.bare = true;
    return parts;
  }
  std::string_view head = name.substr(0, name.size() - suffix.length());
  parts.industry = name.substr(head.size(), suffix.industry);
  parts.form = name.substr(head.size() + suffix.industry);
  parts.crown = WordList::builtIn().crownAtStart(head);
  head.remove_prefix(parts.crown.size());
  const RegionMatch region = RegionList::builtIn().longestAtStart(head);
  parts.region = head.substr(0, region.length);
  parts.body = head.substr(region.length);
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
