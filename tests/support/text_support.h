#pragma once

#include <string>
#include <string_view>

#include "text/gbk.h"

namespace zeruda::test {

// Test sources are UTF-8; the core speaks GBK. gbk() turns a literal into the bytes
// the core sees, utf8() turns a result back so that failures print readably.
inline std::string gbk(std::string_view utf8) { return text::toGbk(utf8); }
inline std::string utf8(std::string_view gbk) {
  auto converted = text::gbkToUtf8(gbk);
  return converted.ok() ? converted.value() : "<not GBK: " + converted.error() + ">";
}

}  // namespace zeruda::test
