#include "text/number_text.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace zeruda::text {
namespace {

// The standard library's own shortest text, where it has one: the texts must match it
// byte for byte, since the --json outputs were written with it.
std::string toCharsText(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

TEST(ShortestNumberText, WritesTheLayoutsAsToCharsDoes) {
  const struct {
    const char* name;
    double value;
    const char* text;
  } rows[] = {
      {"Zero", 0.0, "0"},
      {"NegativeZero", -0.0, "-0"},
      {"Half", 0.5, "0.5"},
      {"Hundred", 100.0, "100"},
      {"SmallUsesAnExponentWhenShorter", 1e-4, "1e-04"},
      {"ATieStaysPlain", 0.001, "0.001"},
      {"LargeUsesAnExponent", 1e22, "1e+22"},
      {"LargeWholeInAllItsDigits", 123456789012345680000.0, "123456789012345683968"},
      {"WidenedFloat", static_cast<double>(0.7f), "0.699999988079071"},
      {"Smallest", std::numeric_limits<double>::denorm_min(), "5e-324"},
      {"Largest", std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
      {"Infinity", -std::numeric_limits<double>::infinity(), "-inf"},
  };
  for (const auto& row : rows) EXPECT_EQ(shortestNumberText(row.value), row.text) << row.name;
}

// Whole numbers and halves, which star counts are made of, take a quicker way up to
// 100000: across that bound and the one where the exponent form gets shorter.
TEST(ShortestNumberText, EqualsToCharsOverWholesAndHalves) {
  for (int twice = -200100; twice <= 200100; ++twice) {
    const double value = twice / 2.0;
    ASSERT_EQ(shortestNumberText(value), toCharsText(value)) << value;
  }
  for (double value : {1e5, 1e6, 123456.5, 1e15 + 0.5}) {
    ASSERT_EQ(shortestNumberText(value), toCharsText(value)) << value;
  }
}

TEST(ShortestNumberText, EqualsToCharsOverPowersOfTwoAndRandomBits) {
  for (int exponent = -1074; exponent <= 1023; ++exponent) {
    const double power = std::ldexp(1.0, exponent);
    for (double value : {power, std::nextafter(power, 0.0), std::nextafter(power, 2 * power)}) {
      ASSERT_EQ(shortestNumberText(value), toCharsText(value)) << exponent;
    }
  }
  std::mt19937_64 bits(2024);
  for (int i = 0; i < 20000; ++i) {
    const double value = std::bit_cast<double>(bits());
    if (std::isnan(value)) continue;
    ASSERT_EQ(shortestNumberText(value), toCharsText(value)) << i;
    const double widened = static_cast<float>(value);
    ASSERT_EQ(shortestNumberText(widened), toCharsText(widened)) << i;
  }
}

}  // namespace
}  // namespace zeruda::text
