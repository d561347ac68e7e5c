#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zeruda::naming {

// A person's name read aloud: its characters, one syllable each (pinyin with tone
// marks, GBK; empty where no reading is known), the surname's first.
struct NameSound {
  std::vector<std::string> characters;
  std::vector<std::string_view> syllables;
  std::vector<std::string> toneless;  // each syllable without its tone mark
  std::vector<int> tones;             // each syllable's tone, 0 for none
  std::size_t surnameLength = 0;      // characters of the surname
};

// The surname read as surnames read (单 shàn, 曾 zēng; a compound surname as a whole),
// the given name as names read (the name facts' reading, else the usual one). Both
// texts are GBK; anything but a two-byte character is left out.
NameSound nameSoundOf(std::string_view surname, std::string_view given);

// The usual reading of a character of the 通用规范汉字表; empty for any other text.
std::string_view usualReadingOf(std::string_view character);

}  // namespace zeruda::naming
