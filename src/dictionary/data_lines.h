#pragma once

#include <cstddef>
#include <string_view>

#include "dictionary/gbk_code.h"
#include "text/lines.h"

namespace zeruda::dictionary {

// Calls `onLine(key, value)` for each non-empty "key<TAB>value" line of a data
// text; carriage returns are dropped and lines without a tab are skipped.
template <typename OnLine>
void forEachTabbedLine(std::string_view text, OnLine onLine) {
  text::forEachLine(text, [&](std::string_view line) {
    const auto tab = line.find('\t');
    if (tab != std::string_view::npos) onLine(line.substr(0, tab), line.substr(tab + 1));
  });
}

// Calls `onCharacter(slot)` for each two-byte GBK character of `characters`, in order.
template <typename OnCharacter>
void forEachGbkCharacter(std::string_view characters, OnCharacter onCharacter) {
  for (std::size_t pos = 0; pos + 1 < characters.size();) {
    if (auto slot = gbkSlot(characters.substr(pos, 2))) {
      onCharacter(*slot);
      pos += 2;
    } else {
      pos += static_cast<unsigned char>(characters[pos]) >= 0x80 ? 2 : 1;
    }
  }
}

}  // namespace zeruda::dictionary
