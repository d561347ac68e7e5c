#pragma once

#include <span>
#include <string_view>

namespace zeruda::generation {

// The curated 字号 words the words road draws from (data/naming/trade_words.txt), in
// the list's order, four GBK bytes each. A word of the list is left out when a
// character of it is not a name character, when it is a well-known trade name, or when
// it holds or is heard as a word to avoid: the list is written to have none such.
std::span<const std::string_view> tradeWords();

// Whether the body is one of those words.
bool isTradeWord(std::string_view body);

}  // namespace zeruda::generation
