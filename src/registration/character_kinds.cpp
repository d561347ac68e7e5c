#include "registration/character_kinds.h"

namespace zeruda::registration {
namespace {

bool between(unsigned char value, unsigned char low, unsigned char high) {
  return value >= low && value <= high;
}

CharacterKind asciiKind(unsigned char c) {
  if (between(c, 'a', 'z') || between(c, 'A', 'Z')) return CharacterKind::Letter;
  if (between(c, '0', '9')) return CharacterKind::Digit;
  return CharacterKind::Symbol;
}

}  // namespace

// The areas of the GBK code table: GB2312 puts its Chinese characters at leads
// B0-F7 (trails A1-FE) and its symbols at A1-A9; GBK adds Chinese characters at
// leads 81-A0 and, with trails 40-A0, at leads AA-FE.
CharacterKind characterKind(std::string_view character) {
  if (character.empty()) return CharacterKind::Symbol;
  const auto lead = static_cast<unsigned char>(character[0]);
  if (lead < 0x80) return asciiKind(lead);
  if (character.size() < 2) return CharacterKind::Symbol;
  const auto trail = static_cast<unsigned char>(character[1]);
  if (between(lead, 0xB0, 0xF7) && between(trail, 0xA1, 0xFE)) return CharacterKind::Chinese;
  if (between(lead, 0x81, 0xA0) || (between(lead, 0xAA, 0xFE) && between(trail, 0x40, 0xA0))) {
    return CharacterKind::OtherChinese;
  }
  if (lead == 0xA3) {  // full-width ASCII
    if (between(trail, 0xB0, 0xB9)) return CharacterKind::Digit;
    if (between(trail, 0xC1, 0xDA) || between(trail, 0xE1, 0xFA)) return CharacterKind::Letter;
  }
  if (lead == 0xA8 && between(trail, 0xA1, 0xC0)) return CharacterKind::Letter;  // pinyin
  return CharacterKind::Symbol;
}

}  // namespace zeruda::registration
