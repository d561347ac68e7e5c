#include "web/percent_encode.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

#include <random>

namespace zeruda::web {
namespace {

TEST(PercentEncode, KeepsItsSetAndEncodesEveryOtherByteInUpperCaseHex) {
  EXPECT_EQ(percentEncode(" +*,-./09@AZ_az&"), "%20%2B*,-./09@AZ_az%26");
  EXPECT_EQ(percentEncode(std::string("\n\0\xFF", 3)), "%0A%00%FF");
  EXPECT_EQ(percentEncode(test::gbk("成都")), "%B3%C9%B6%BC");
}

// Random bytes: decoding as a server would must give them back, and only the kept
// set and "%" with two upper-case hex digits may appear.
TEST(PercentEncode, RandomBytesComeBackWhole) {
  const std::string kept = "*,-./@_0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  const std::string hex = "0123456789ABCDEF";
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> length(0, 64), byte(0, 255);
  for (int round = 0; round < 20000; ++round) {
    std::string input(static_cast<std::size_t>(length(random)), '\0');
    for (char& c : input) c = static_cast<char>(byte(random));
    const std::string encoded = percentEncode(input);
    std::string decoded;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
      if (encoded[i] != '%') {
        ASSERT_NE(kept.find(encoded[i]), std::string::npos) << encoded;
        decoded += encoded[i];
        continue;
      }
      ASSERT_LE(i + 2, encoded.size() - 1) << encoded;
      const std::size_t high = hex.find(encoded[i + 1]), low = hex.find(encoded[i + 2]);
      ASSERT_TRUE(high != std::string::npos && low != std::string::npos) << encoded;
      decoded += static_cast<char>(high * 16 + low);
      i += 2;
    }
    ASSERT_EQ(decoded, input);
  }
}

}  // namespace
}  // namespace zeruda::web
