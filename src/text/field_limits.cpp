#include "text/field_limits.h"

#include "text/characters.h"
#include "text/gbk_literal.h"

namespace zeruda::text {

using namespace literals;

std::size_t characterCount(std::string_view gbk) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < gbk.size(); pos += charLength(gbk, pos)) ++count;
  return count;
}

bool hasControlCharacter(std::string_view gbk) {
  // No byte of a two-byte GBK character is below 0x40, so every such byte is one.
  for (unsigned char byte : gbk) {
    if (byte < 0x20 || byte == 0x7F) return true;
  }
  return false;
}

Check fieldTextCheck(std::string_view gbk, std::string_view label, std::size_t maxCharacters,
                     Field field, std::string_view caption) {
  std::string text;
  if (hasControlCharacter(gbk)) {
    text = std::string(label) + "不能含有制表符、换行符等控制字符！"_gbk;
  } else if (characterCount(gbk) > maxCharacters) {
    text = std::string(label) + "最多"_gbk + std::to_string(maxCharacters) + "个字！"_gbk;
  } else {
    return Done{};
  }
  return Error{std::move(text), field, std::string(caption), MessageIcon::Warning};
}

}  // namespace zeruda::text
