#pragma once

#include <string>
#include <string_view>

namespace zeruda::dictionary {

// The element (土, 木, 火, 水 or 金, as GBK) of one character unit from the built-in
// element lists; empty when no list holds it. The lists are searched in the order
// 土 木 火 水 金 and the last one holding the character wins (文 gives 水).
std::string_view listElement(std::string_view unit);

// listElement of every unit of `text`, joined by "-": 华通达 gives 水-火-火, and a
// character in no list leaves its place empty, so three units always give two "-".
std::string elementText(std::string_view text);

}  // namespace zeruda::dictionary
