#include "text/markup_escape.h"

namespace zeruda::text {

std::string escapeMarkup(std::string_view text, bool forAttribute) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '&') {
      out += "&amp;";
    } else if (c == '<') {
      out += "&lt;";
    } else if (c == '>') {
      out += "&gt;";
    } else if (c == '"' && forAttribute) {
      out += "&quot;";
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace zeruda::text
