#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zeruda::storage {

// A table text (GBK, a header line, then tab-separated rows, every line ending in a
// newline) whose rows each start with one two-byte character in ascending code
// order, packed by columns: the characters as steps between codes, every other
// column as its distinct values and one index per row. The dictionary of
// characters packs to a third of what its text compresses to, as nearly all its
// bytes are characters that follow each other in code order.
//
// Nothing when the text is not of that form (the build then fails rather than ship
// a table it cannot give back). Both functions use only the standard library: the
// build-time embedding tool compiles this file too.
std::optional<std::string> packTableText(std::string_view text);

// The text `packTableText` was given; nothing for bytes it did not make.
std::optional<std::string> unpackTableText(std::string_view packed);

}  // namespace zeruda::storage
