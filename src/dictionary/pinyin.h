#pragma once

#include <string_view>

namespace zeruda::dictionary {

// Pinyin of a GB2312 character's first reading: ASCII, lower case, no tone, "v" for
// ü (华 hua, 绿 lv). Empty for characters outside GB2312 and for anything but a
// Chinese character. The view stays valid for the life of the program.
std::string_view pinyinOf(std::string_view unit);

}  // namespace zeruda::dictionary
