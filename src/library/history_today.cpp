#include "library/history_today.h"

#include <string_view>

namespace zeruda::library {
namespace {

constexpr std::string_view kHost = "https://zh.wikipedia.org/wiki/";

// The page names are in UTF-8, as web addresses are; every byte of a character
// becomes %XX.
std::string percentEncoded(std::string_view utf8) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : utf8) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    }
  }
  return out;
}

}  // namespace

std::string historyTodayAddress(int month, int day) {
  return std::string(kHost) + std::to_string(month) + percentEncoded("月") + std::to_string(day) +
         percentEncoded("日");
}

}  // namespace zeruda::library
