#pragma once

#include <span>
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

// A character's sound in a given name as nameSoundOf reads it, worked out once for all
// the names read: its reading (the name facts', else the usual), that reading without
// tone mark, its tone.
struct GivenSound {
  std::string_view reading;
  std::string toneless;
  int tone = 0;
};

// Every character's with a reading, so that tables by sound can be kept beside them.
std::span<const GivenSound> givenSounds();

// The character's; nothing for one of no reading or not a two-byte character.
const GivenSound* givenSoundOf(std::string_view character);

// The usual reading of a character of the 通用规范汉字表; empty for any other text.
std::string_view usualReadingOf(std::string_view character);

}  // namespace zeruda::naming
