#pragma once

#include <string>
#include <string_view>

namespace zeruda::web {

// Byte-wise URL encoding: "*,-./", digits, "@", letters and "_" stay as they are,
// every other byte becomes "%" and two upper-case hex digits. Works on any bytes,
// so a GBK text gives two "%XX" per Chinese character and a UTF-8 text three.
std::string percentEncode(std::string_view bytes);

}  // namespace zeruda::web
