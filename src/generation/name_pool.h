#pragma once

#include <string_view>

namespace zeruda::generation {

// Number of characters in the pool every generated body is drawn from.
inline constexpr int kPoolSize = 250;

// The pool as GBK, 500 bytes, in draw order.
std::string_view companyNamePool();

// Pool character `number` (1-based, 1 … kPoolSize) as two GBK bytes.
std::string_view poolCharacter(int number);

// The pool character a draw of X (1 … 498, the pool's byte length less two) picks:
// an even X moves up to the odd number above it, and X then names the character
// (X + 1) / 2. The first and last characters are therefore picked half as often
// as the others.
int poolNumberForDraw(int x);

// The range of X.
inline constexpr int kDrawLow = 1;
inline constexpr int kDrawHigh = 2 * kPoolSize - 2;

}  // namespace zeruda::generation
