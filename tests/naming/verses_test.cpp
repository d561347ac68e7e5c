#include "naming/verses.h"

#include "naming/character_facts.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::naming {
namespace {

using test::gbk;
using test::utf8;

TEST(Verses, FindThePairsSource) {
  const auto found = versesOf(gbk("清扬"));
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(utf8(found.front().clause), "子之清扬");
  EXPECT_EQ(utf8(found.front().title), "君子偕老");
  EXPECT_EQ(utf8(found.front().author), "佚名");
  EXPECT_EQ(utf8(found.front().dynasty), "先秦");
  EXPECT_EQ(utf8(found.front().book), "诗经");
}

TEST(Verses, KeepAPairsOrder) {
  EXPECT_FALSE(versesOf(gbk("甘棠")).empty());
  EXPECT_TRUE(versesOf(gbk("棠甘")).empty());
}

// Every row: its clause holds the pair as written, and both are name characters of
// the table's first two levels.
TEST(Verses, EveryClauseHoldsItsPairOfNameCharacters) {
  ASSERT_GT(allVerses().size(), 1000u);
  for (const auto& verse : allVerses()) {
    EXPECT_NE(verse.clause.find(verse.pair), std::string_view::npos) << utf8(verse.clause);
    for (auto character : {verse.pair.substr(0, 2), verse.pair.substr(2)}) {
      const int level = levelOf(character);
      EXPECT_TRUE(level == 1 || level == 2) << utf8(verse.pair);
    }
    EXPECT_FALSE(verse.title.empty() || verse.author.empty() || verse.dynasty.empty())
        << utf8(verse.pair);
  }
}

}  // namespace
}  // namespace zeruda::naming
