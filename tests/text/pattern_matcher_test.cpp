#include "text/pattern_matcher.h"

#include <gtest/gtest.h>

#include "support/text_support.h"

namespace zeruda::text {
namespace {

using test::gbk;
using test::utf8;

TEST(PatternMatcher, GlobalMatchFindsEachChineseCharacter) {
  PatternMatcher matcher;
  ASSERT_TRUE(matcher.execute("[^\\x20-\\x7f]", gbk("abc华通 1")));
  ASSERT_EQ(matcher.matchCount(), 2);
  EXPECT_EQ(utf8(matcher.matchText(1)), "华");
  EXPECT_EQ(utf8(matcher.matchText(2)), "通");
}

TEST(PatternMatcher, PositionsAreOneBasedBytePositions) {
  PatternMatcher matcher;
  ASSERT_TRUE(matcher.execute("[^\\x20-\\x7f]", gbk("ab华")));
  int position = 0;
  EXPECT_EQ(utf8(matcher.matchText(1, &position)), "华");
  EXPECT_EQ(position, 3);
}

TEST(PatternMatcher, RepeatedMatchesGetTheirOwnPositions) {
  // Searching for the match text from its character index would find the first "a"
  // twice; each match must report where it really is.
  PatternMatcher matcher;
  ASSERT_TRUE(matcher.execute("a", gbk("华华aa")));
  int first = 0, second = 0;
  matcher.matchText(1, &first);
  matcher.matchText(2, &second);
  EXPECT_EQ(first, 5);
  EXPECT_EQ(second, 6);
}

TEST(PatternMatcher, NotGlobalStopsAtTheFirstMatch) {
  PatternMatcher matcher;
  MatchOptions options;
  options.global = false;
  ASSERT_TRUE(matcher.execute("\\d", "a1b2", options));
  EXPECT_EQ(matcher.matchCount(), 1);
  EXPECT_EQ(matcher.replace("#"), "a#b2");
}

TEST(PatternMatcher, CaseInsensitiveByDefault) {
  PatternMatcher matcher;
  ASSERT_TRUE(matcher.execute("abc", "xABCx"));
  EXPECT_EQ(matcher.matchCount(), 1);
  MatchOptions sensitive;
  sensitive.caseSensitive = true;
  ASSERT_TRUE(matcher.execute("abc", "xABCx", sensitive));
  EXPECT_EQ(matcher.matchCount(), 0);
}

TEST(PatternMatcher, SubMatchesWithPositions) {
  PatternMatcher matcher;
  ASSERT_TRUE(matcher.execute("(\\d+)-(\\d+)", gbk("华12-34")));
  EXPECT_EQ(matcher.subMatchCount(), 2);
  int position = 0;
  EXPECT_EQ(matcher.subMatchText(1, 2, &position), "34");
  EXPECT_EQ(position, 6);
  EXPECT_EQ(matcher.subMatchText(1, 3), "");
  EXPECT_EQ(matcher.subMatchText(2, 1), "");
}

TEST(PatternMatcher, QuoteEscapeStandsForDoubleQuotes) {
  PatternMatcher matcher;
  MatchOptions options;
  options.quoteEscape = true;
  ASSERT_TRUE(matcher.execute(gbk("#引号([^\"]*)#引号"), gbk("他说\"你好\"。"), options));
  ASSERT_EQ(matcher.matchCount(), 1);
  EXPECT_EQ(utf8(matcher.subMatchText(1, 1)), "你好");
  EXPECT_EQ(matcher.pattern(), "\"([^\"]*)\"");
}

TEST(PatternMatcher, ReplaceUsesGroupsAndAllMatches) {
  PatternMatcher matcher;
  ASSERT_TRUE(matcher.execute("(\\w)(\\d)", "a1 b2"));
  EXPECT_EQ(matcher.replace("$2$1"), "1a 2b");
}

TEST(PatternMatcher, InvalidPatternFailsAndLeavesNoMatches) {
  PatternMatcher matcher;
  ASSERT_TRUE(matcher.execute("a", "a"));
  EXPECT_FALSE(matcher.execute("(", "a"));
  EXPECT_EQ(matcher.matchCount(), 0);
  EXPECT_EQ(matcher.matchText(1), "");
}

TEST(ChineseOnly, KeepsChineseAndFullWidthDropsAscii) {
  EXPECT_EQ(utf8(chineseOnly(gbk("成都ab"))), "成都");
  EXPECT_EQ(utf8(chineseOnly(gbk("Zhang 三，1"))), "三，");
  EXPECT_EQ(chineseOnly(gbk("abc")), "");
  EXPECT_EQ(chineseOnly("a\tb"), "\t");  // control characters stay
}

TEST(ChineseOnly, InvalidGbkIsFilteredByBytesWithoutCrashing) {
  EXPECT_EQ(chineseOnly("ab\xFF"), "\xFF");
}

}  // namespace
}  // namespace zeruda::text
