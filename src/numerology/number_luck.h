#pragma once

namespace zeruda::numerology {

// Luck of a grid number by the 81-number rule: 1 (吉), 0.5 (半吉) or 0 (凶).
// Numbers above 81 wrap modulo 81 (81 stays 81, 82 reads as 1); below 1 is 0.
double numberLuck(int n);

}  // namespace zeruda::numerology
