#include "library/catalogue.h"
#include "library/history_today.h"
#include "library/knowledge_tree.h"
#include "library/page_files.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::library {
namespace {

using test::gbk;

TEST(KnowledgeTree, HoldsNinetyFourEntriesWithTheHeadingFirstAndOneTitleTwice) {
  const std::vector<std::string_view> titles = treeTitles();
  ASSERT_EQ(titles.size(), 94u);
  EXPECT_EQ(titles[0], gbk("重要取名知识"));
  EXPECT_EQ(titles[1], gbk("超市起名应该遵循什么原则"));
  EXPECT_EQ(titles[2], titles[1]);
  for (int outside : {0, 95, 96}) EXPECT_EQ(treeText(outside), nullptr) << outside;
  EXPECT_TRUE(startText().bodyHtml.starts_with(gbk("<p>公司取名知识")));
}

// A stray file under data/library would be compiled in and never shown.
TEST(Catalogue, EverySourceHasARole) {
  for (const ArticleSource& source : articleSources()) {
    EXPECT_NE(roleOf(source), SourceRole::kOther) << source.id;
  }
}

TEST(PageFiles, APageForATextBoxIsNotWritten) {
  const ArticlePage law = pageOf(lawGuide());
  EXPECT_EQ(law.file, "-");
  EXPECT_FALSE(writePage(law).ok());
}

// 月 is E6 9C 88 and 日 E6 97 A5 in UTF-8.
TEST(HistoryToday, AddressNamesTheDayPercentEncoded) {
  EXPECT_EQ(historyTodayAddress(3, 15), "https://zh.wikipedia.org/wiki/3%E6%9C%8815%E6%97%A5");
  EXPECT_EQ(historyTodayAddress(12, 1), "https://zh.wikipedia.org/wiki/12%E6%9C%881%E6%97%A5");
}

}  // namespace
}  // namespace zeruda::library
