#pragma once

#include <string>
#include <string_view>

namespace zeruda::naming {

// A GBK pinyin text with its tone marks taken off ("qīng yáng" gives "qing yang"); ü
// stays ü (lǜ gives lü), as in the toneless readings of the words to avoid, so the two
// compare for 谐音 heard without tones.
std::string tonelessOf(std::string_view tonefulGbk);

}  // namespace zeruda::naming
