#pragma once

#include <string>
#include <string_view>

namespace zeruda::text {

// Escapes &, < and > (and " when the text goes into an attribute) for HTML and XML.
// Works byte by byte on UTF-8 and GBK alike: none of these bytes can be part of a
// multi-byte character in either encoding.
std::string escapeMarkup(std::string_view text, bool forAttribute = false);

}  // namespace zeruda::text
