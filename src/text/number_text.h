#pragma once

#include <string>

namespace zeruda::text {

// The shortest decimal text that reads back as the same double, laid out as
// std::to_chars lays it out without a format: plain ("0.5", "100") or with an
// exponent ("1e-05", "1.5e+300"), whichever is shorter, plain on a tie; "inf" and
// "nan" with their sign. Written here because the browser build's standard library
// has no floating-point to_chars.
std::string shortestNumberText(double value);

}  // namespace zeruda::text
