#pragma once

#include <optional>
#include <string_view>

namespace zeruda::storage {

// The readable source of a table the program carries (data/tables/<alias>.tsv as GBK,
// its first line's comment left out), compiled in for a build without the record
// store; nothing for an alias without a source. Defined in the generated
// built_in_table_texts.cpp.
std::optional<std::string_view> builtInTableText(std::string_view alias);

}  // namespace zeruda::storage
