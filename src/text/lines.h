#pragma once

#include <string_view>

namespace zeruda::text {

// Calls `onLine(line)` for each line of a data text, a carriage return before its
// line end dropped; a last line without a line end counts, an empty text has none.
template <typename OnLine>
void forEachLine(std::string_view text, OnLine onLine) {
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    onLine(line);
  }
}

}  // namespace zeruda::text
