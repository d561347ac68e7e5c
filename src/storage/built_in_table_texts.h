#pragma once

#include <optional>
#include <string_view>

namespace zeruda::storage {

// The readable source of a table the program carries (data/tables/<alias>.tsv as GBK,
// its first line's comment left out), compiled in for a build without the record
// store, or those bytes packed (packed_table_text.h) when `packed`.
struct BuiltInTableText {
  std::string_view bytes;
  bool packed = false;
};

// The built-in source of `alias`; nothing for an alias without one. Defined in the
// generated built_in_table_texts.cpp.
std::optional<BuiltInTableText> builtInTableText(std::string_view alias);

}  // namespace zeruda::storage
