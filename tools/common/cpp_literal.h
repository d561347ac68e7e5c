#pragma once

#include <string>

namespace zeruda::tools {

// A quoted C++ string literal for any bytes: printable ASCII as is, the rest as
// octal escapes (so no byte can run into the next character or form a trigraph),
// cut into lines of about a hundred columns.
std::string cppLiteral(const std::string& bytes);

}  // namespace zeruda::tools
