#include "calendar/element_set.h"

#include "text/characters.h"

namespace zeruda::calendar {

ElementSet ElementSet::inText(std::string_view gbk) {
  ElementSet set;
  for (std::size_t pos = 0; pos < gbk.size();) {
    const std::size_t length = text::charLength(gbk, pos);
    if (auto element = elementFromText(gbk.substr(pos, length))) set.insert(*element);
    pos += length;
  }
  return set;
}

std::string ElementSet::text() const {
  std::string joined;
  for (Element element : *this) joined += elementText(element);
  return joined;
}

}  // namespace zeruda::calendar
