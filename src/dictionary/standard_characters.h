#pragma once

#include <string_view>

namespace zeruda::dictionary {

// The level of a character in the 通用规范汉字表 (2013): 1 for the 3,500 common
// characters, 2 for the next 3,000, 3 for the 1,605 used in names, places and special
// fields; 0 for a character outside the table (or ASCII, or not one GBK character).
int standardCharacterLevel(std::string_view gbkCharacter);

// Whether a character (two GBK bytes) is in the 通用规范汉字表.
inline bool isStandardCharacter(std::string_view gbkCharacter) {
  return standardCharacterLevel(gbkCharacter) != 0;
}

}  // namespace zeruda::dictionary
