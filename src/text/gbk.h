#pragma once

#include <string>
#include <string_view>

#include "text/result.h"

namespace zeruda::text {

// Every text inside the program is GBK; the terminal, Qt and the data sources speak
// UTF-8. A character that the other side lacks is an error, never a silent '?'. €,
// which some converters write as the single byte 0x80, counts as lacking both ways:
// in our GBK a byte of 0x80 or more starts a two-byte character, so a lone 0x80
// would swallow the character after it. The conversion reads tables built into the
// program (text/gbk_table.h), so it works alike wherever the program runs.
// Error messages are in English UTF-8: they are meant for the command line.
Result<std::string> utf8ToGbk(std::string_view utf8);
Result<std::string> gbkToUtf8(std::string_view gbk);

// GBK and wide (one wchar_t per character) text, for matching by characters.
Result<std::wstring> gbkToWide(std::string_view gbk);
Result<std::string> wideToGbk(std::wstring_view wide);

// GBK text for the eyes of the user, on the terminal and in the window alike: the
// UTF-8 form, with every unit that is not GBK (a damaged file, say) shown as U+FFFD
// while the rest stays readable.
std::string displayUtf8(std::string_view gbk);

// For text the program itself wrote (literals, tables): conversion cannot fail there,
// and if it does the program is broken, so these abort with a message.
std::string toGbk(std::string_view utf8);
std::string toUtf8(std::string_view gbk);

}  // namespace zeruda::text
