#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "text/lines.h"

namespace zeruda::naming {

// Calls `onRow(fields)` for each row of a tab-separated data text that has exactly
// `Width` fields; lines starting with '#' (provenance, licence, column notes) and
// anything else are skipped. Carriage returns are dropped.
template <std::size_t Width, typename OnRow>
void forEachRow(std::string_view text, OnRow onRow) {
  text::forEachLine(text, [&](std::string_view line) {
    if (line.empty() || line.front() == '#') return;
    std::array<std::string_view, Width> fields{};
    std::size_t count = 0;
    for (;;) {
      const auto tab = line.find('\t');
      if (count < Width) fields[count] = line.substr(0, tab);
      ++count;
      if (tab == std::string_view::npos) break;
      line.remove_prefix(tab + 1);
    }
    if (count == Width) onRow(fields);
  });
}

// The words of `text` separated by single blanks ("dù zi téng" gives three).
template <typename OnWord>
void forEachWord(std::string_view text, OnWord onWord) {
  while (!text.empty()) {
    const auto blank = text.find(' ');
    if (blank != 0) onWord(text.substr(0, blank));
    if (blank == std::string_view::npos) break;
    text.remove_prefix(blank + 1);
  }
}

}  // namespace zeruda::naming
