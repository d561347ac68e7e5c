#include "web/percent_encode.h"

namespace zeruda::web {
namespace {

bool keptAsItIs(unsigned char byte) {
  if ((byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
      (byte >= 'a' && byte <= 'z')) {
    return true;
  }
  switch (byte) {
    case '*':
    case ',':
    case '-':
    case '.':
    case '/':
    case '@':
    case '_':
      return true;
    default:
      return false;
  }
}

}  // namespace

std::string percentEncode(std::string_view bytes) {
  static constexpr char kHexDigits[] = "0123456789ABCDEF";
  std::string encoded;
  encoded.reserve(bytes.size() * 3);
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (keptAsItIs(byte)) {
      encoded += c;
    } else {
      encoded += '%';
      encoded += kHexDigits[byte >> 4];
      encoded += kHexDigits[byte & 0x0F];
    }
  }
  return encoded;
}

}  // namespace zeruda::web
