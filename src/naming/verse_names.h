#pragma once

#include "naming/character_facts.h"

#include <optional>
#include <string_view>

namespace zeruda::naming {

// The verse pairs that stand as a given name, by our own reading of each: most pairs
// of the classics are phrases, titles or sages' names (成王, 孔丘, 九日), not names a
// parent gives. Nothing for a pair not kept; else the children it suits. `pair` is
// four GBK bytes.
std::optional<Leaning> verseNameLeaning(std::string_view pair);

}  // namespace zeruda::naming
