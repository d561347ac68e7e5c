#include "text/gbk.h"

#include <gtest/gtest.h>

#include "support/text_support.h"
#include "text/gbk_literal.h"

namespace zeruda::text {
namespace {

using namespace literals;

TEST(Gbk, ChineseCharactersTakeTwoBytes) {
  auto converted = utf8ToGbk("华通");
  ASSERT_TRUE(converted.ok());
  EXPECT_EQ(converted.value(), "\xBB\xAA\xCD\xA8");
}

TEST(Gbk, RoundTripKeepsAsciiAndFullWidthPunctuation) {
  const std::string original = "成都abc 1　―，";
  auto gbk = utf8ToGbk(original);
  ASSERT_TRUE(gbk.ok());
  auto back = gbkToUtf8(gbk.value());
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(back.value(), original);
}

TEST(Gbk, DashAndFullWidthSpaceHaveTheirKnownCodes) {
  EXPECT_EQ("―"_gbk, "\xA8\x44");
  EXPECT_EQ("　"_gbk, "\xA1\xA1");
}

TEST(Gbk, CharacterOutsideGbkIsAnErrorNotAQuestionMark) {
  auto converted = utf8ToGbk("华😀");
  ASSERT_FALSE(converted.ok());
  EXPECT_NE(converted.error().find("byte 3"), std::string::npos) << converted.error();
}

TEST(Gbk, TheEuroSignIsRefusedLikeAnyCharacterOutsideGbk) {
  // The converter's one-byte 0x80 for it would read as the first half of a character.
  auto converted = utf8ToGbk("华€天府");
  ASSERT_FALSE(converted.ok());
  EXPECT_NE(converted.error().find("byte 3 starts a character that cannot be converted"),
            std::string::npos)
      << converted.error();
  EXPECT_FALSE(wideToGbk(L"\u20AC").ok());
}

TEST(Gbk, DisplayShowsWhatIsNotGbkAsReplacementAndTheRestAsItIs) {
  EXPECT_EQ(displayUtf8("\xBB\xAA"
                        "a\xCD\xA8"),
            "华a通");
  EXPECT_EQ(displayUtf8("\xBB\xAA"
                        "a\xCD\xA8\xFF"),
            "华a通\uFFFD");
}

TEST(Gbk, MalformedUtf8IsAnError) {
  EXPECT_FALSE(utf8ToGbk("\xE5\x8D").ok());
  EXPECT_FALSE(utf8ToGbk("\xFF").ok());
}

TEST(Gbk, MalformedGbkIsAnError) { EXPECT_FALSE(gbkToUtf8("\xBB").ok()); }

TEST(Gbk, LiteralIsConvertedOnceAndKept) {
  const std::string& first = "成都"_gbk;
  const std::string& second = "成都"_gbk;
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(first.size(), 4u);
}

TEST(Gbk, LongTextConvertsWhole) {
  std::string longText;
  for (int i = 0; i < 5000; ++i) longText += "龘a";
  auto gbk = utf8ToGbk(longText);
  ASSERT_TRUE(gbk.ok());
  EXPECT_EQ(gbk.value().size(), 15000u);
}

}  // namespace
}  // namespace zeruda::text
