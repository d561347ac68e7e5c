#include "numerology/number_luck.h"

#include <array>

namespace zeruda::numerology {
namespace {

// The traditional 81-number luck of 1-81, index n-1: 2 吉, 1 半吉, 0 凶.
constexpr std::array<unsigned char, 81> kNumberLuck = [] {
  std::array<unsigned char, 81> luck{};
  constexpr int lucky[] = {1,  3,  5,  6,  7,  8,  11, 13, 15, 16, 21, 23, 24, 31, 32,
                           33, 35, 37, 41, 45, 47, 48, 52, 57, 61, 63, 65, 67, 68, 81};
  constexpr int fair[] = {17, 18, 25, 29, 30, 38, 39, 51, 58, 71, 73, 75, 77, 78};
  for (int n : lucky) luck[n - 1] = 2;
  for (int n : fair) luck[n - 1] = 1;
  return luck;
}();

int reduced(int n) {
  int m = n % 81;
  return m == 0 ? 81 : m;
}

}  // namespace

double numberLuck(int n) {
  if (n < 1) return 0.0;
  return kNumberLuck[reduced(n) - 1] / 2.0;
}

}  // namespace zeruda::numerology
