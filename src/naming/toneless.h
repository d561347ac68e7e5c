#pragma once

#include <string>
#include <string_view>

namespace zeruda::naming {

// A GBK pinyin text with its tone marks taken off ("qīng yáng" gives "qing yang"); ü
// stays ü (lǜ gives lü), as in the toneless readings of the words to avoid, so the two
// compare for 谐音 heard without tones.
std::string tonelessOf(std::string_view tonefulGbk);

// The tone of one GBK syllable by its mark: 1 to 4, 0 for none (the neutral tone, or
// no reading at all).
int toneOf(std::string_view syllableGbk);

}  // namespace zeruda::naming
