#pragma once

#include <optional>
#include <string_view>

namespace zeruda::storage {

// The database file of a table the program carries, as built from data/tables/ while
// compiling; nothing for an alias whose source has not been added yet.
std::optional<std::string_view> builtInTableBlock(std::string_view alias);

}  // namespace zeruda::storage
