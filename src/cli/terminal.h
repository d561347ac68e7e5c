#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace zeruda::cli {

// The terminal speaks UTF-8 and the core GBK. A malformed argument or a character
// outside GBK is a UsageError naming `what`.
std::string argToGbk(std::string_view utf8, std::string_view what);

// GBK text from the core, as UTF-8 for the terminal; what is not GBK (only a damaged
// user file can bring that in) shows as U+FFFD, as in the window.
std::string fromGbk(std::string_view gbk);

}  // namespace zeruda::cli
