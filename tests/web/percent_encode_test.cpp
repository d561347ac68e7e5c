#include "web/percent_encode.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>

namespace zeruda::web {
namespace {

TEST(PercentEncode, KeepsItsSetAndEncodesEveryOtherByteInUpperCaseHex) {
  struct Case {
    std::string input;
    const char* expected;
  };
  const Case cases[] = {
      {" ", "%20"},
      {"+", "%2B"},
      {"*,-./09@AZ_az", "*,-./09@AZ_az"},
      {"a&b=c?d", "a%26b%3Dc%3Fd"},
      {std::string("\n\0", 2), "%0A%00"},
      {"\xFF", "%FF"},
      {test::gbk("成都"), "%B3%C9%B6%BC"},
  };
  for (const Case& c : cases) EXPECT_EQ(percentEncode(c.input), c.expected) << c.expected;
}

// Decodes as a web server would, so a round trip shows that nothing was lost.
std::string decode(const std::string& encoded) {
  std::string bytes;
  for (std::size_t i = 0; i < encoded.size(); ++i) {
    if (encoded[i] != '%') {
      bytes += encoded[i];
      continue;
    }
    bytes += static_cast<char>(std::stoi(encoded.substr(i + 1, 2), nullptr, 16));
    i += 2;
  }
  return bytes;
}

TEST(PercentEncode, RandomBytesComeBackWholeAndOnlySafeCharactersAreWritten) {
  std::mt19937 random(20240611);
  std::uniform_int_distribution<int> length(0, 64), byte(0, 255);
  const std::string safe = "*,-./@_%0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  for (int round = 0; round < 20000; ++round) {
    std::string input(static_cast<std::size_t>(length(random)), '\0');
    for (char& c : input) c = static_cast<char>(byte(random));
    const std::string encoded = percentEncode(input);
    ASSERT_EQ(encoded.find_first_not_of(safe), std::string::npos) << encoded;
    for (std::size_t at = encoded.find('%'); at != std::string::npos;
         at = encoded.find('%', at + 1)) {
      ASSERT_LE(at + 2, encoded.size() - 1) << encoded;
      for (char digit : encoded.substr(at + 1, 2)) {
        ASSERT_TRUE(std::isxdigit(static_cast<unsigned char>(digit)) && !std::islower(digit));
      }
    }
    ASSERT_EQ(decode(encoded), input);
  }
}

}  // namespace
}  // namespace zeruda::web
