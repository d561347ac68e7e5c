#include "text/characters.h"

#include <gtest/gtest.h>

#include "support/text_support.h"

namespace zeruda::text {
namespace {

using test::gbk;
using test::utf8;

std::vector<std::string> utf8Units(std::string_view gbkText) {
  std::vector<std::string> out;
  for (const auto& unit : splitCharacters(gbkText)) out.push_back(utf8(unit));
  return out;
}

TEST(SplitCharacters, CutsChineseAndAsciiIntoUnits) {
  EXPECT_EQ(utf8Units(gbk("华 通a1")), (std::vector<std::string>{"华", " ", "通", "a", "1"}));
}

TEST(SplitCharacters, SpacesOnlyGiveNoUnits) {
  EXPECT_TRUE(splitCharacters("").empty());
  EXPECT_TRUE(splitCharacters(gbk("  　 ")).empty());
}

TEST(SplitCharacters, BracesStartTwoByteUnits) {
  // "{" is 123: it takes the first byte of the following character with it.
  auto units = splitCharacters("{" + gbk("华"));
  ASSERT_EQ(units.size(), 2u);
  EXPECT_EQ(units[0], "{\xBB");
  EXPECT_EQ(units[1], "\xAA");
  EXPECT_EQ(splitCharacters("z{").size(), 2u);
  EXPECT_EQ(splitCharacters("zz").size(), 2u);
}

TEST(SplitCharacters, LoneLeadByteAtTheEndIsOneUnitAndNoOverread) {
  std::string text = gbk("华") + "\xCD";
  auto units = splitCharacters(text);
  ASSERT_EQ(units.size(), 2u);
  EXPECT_EQ(units[1], "\xCD");
}

TEST(RemoveSpaces, RemovesAsciiAndFullWidthSpacesOnly) {
  EXPECT_EQ(utf8(removeSpaces(gbk(" 华　通 a b"))), "华通ab");
}

TEST(RemoveSpaces, DoesNotJoinBytesOfNeighbouringCharacters) {
  // 啊 is B0A1 and 、 is A1A2: the A1 A1 that straddles them is no full-width space.
  std::string text = gbk("啊、");
  EXPECT_EQ(removeSpaces(text), text);
}

TEST(FindCharacterAware, SkipsMatchesAcrossCharacterBoundaries) {
  // Two characters B0C9 and ADB0: the bytes C9 AD straddle them and must not match.
  std::string text = "\xB0\xC9\xAD\xB0";
  std::string straddle = "\xC9\xAD";
  EXPECT_EQ(findCharacterAware(text, straddle), std::string::npos);
  EXPECT_EQ(findCharacterAware(text + straddle, straddle), 4u);
}

TEST(TrimBlanks, KeepsInnerBlanks) {
  EXPECT_EQ(trimBlanks("  a b \r\n"), "a b");
  EXPECT_EQ(trimBlanks("   "), "");
}

}  // namespace
}  // namespace zeruda::text
