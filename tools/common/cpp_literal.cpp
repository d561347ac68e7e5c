#include "cpp_literal.h"

#include <cstdio>

namespace zeruda::tools {

std::string cppLiteral(const std::string& bytes) {
  std::string out;
  out.reserve(bytes.size() * 3 + 2);
  out += '"';
  std::size_t column = 0;
  for (unsigned char c : bytes) {
    if (column > 100) {
      out += "\"\n\"";
      column = 0;
    }
    if (c >= 0x20 && c < 0x7f && c != '"' && c != '\\' && c != '?') {
      out += static_cast<char>(c);
      ++column;
    } else {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\%03o", c);
      out += buf;
      column += 4;
    }
  }
  return out + '"';
}

}  // namespace zeruda::tools
