#include "library/auspicious_days.h"
#include "library/catalogue.h"
#include "library/knowledge_tree.h"
#include "library/page_files.h"
#include "support/temp_folder.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::library {
namespace {

using test::gbk;

TEST(KnowledgeTree, HoldsNinetyFiveEntriesWithTheHeadingFirstAndOneTitleTwice) {
  const std::vector<std::string_view> titles = treeTitles();
  ASSERT_EQ(titles.size(), 95u);
  EXPECT_EQ(titles[94], gbk("给孩子起名的法律规定"));
  EXPECT_EQ(titles[0], gbk("重要取名知识"));
  EXPECT_EQ(titles[1], gbk("超市起名应该遵循什么原则"));
  EXPECT_EQ(titles[2], titles[1]);
  for (int outside : {0, 96}) EXPECT_EQ(treeText(outside), nullptr) << outside;
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
  EXPECT_FALSE(writePage(law, storage::WorkingFolder("/nowhere")).ok());
}

// The three page files, whether written from the program or fetched, never go
// through a link found in their place: the link is replaced, its target kept.
TEST(PageFiles, ALinkInAPageFilesPlaceIsReplacedNeverWrittenThrough) {
  const test::TempFolder root;
  const storage::WorkingFolder folder(root.path());
  storage::createWorkingFolder(root.path());
  test::writeFile(root / "notes.txt", "my notes");
  for (std::string_view file : {kFolkFile, kTablesFile, kKnowledgeFile}) {
    std::filesystem::create_symlink(root / "notes.txt", folder.file(file));
  }
  const ArticlePage page{gbk("标题"), std::string(kFolkFile), "<p>x</p>", "x"};
  EXPECT_TRUE(writePage(page, folder).ok());
  EXPECT_TRUE(openArticle({page.title, std::string(kTablesFile), "", ""}, folder).ok());
  EXPECT_TRUE(openFetchedPage(kKnowledgeFile, "<html></html>", folder).ok());
  for (std::string_view file : {kFolkFile, kTablesFile, kKnowledgeFile}) {
    EXPECT_FALSE(std::filesystem::is_symlink(folder.file(file))) << file;
  }
  EXPECT_EQ(test::readFile(root / "notes.txt"), "my notes");
}

// 2014-02-03 is an 乙巳 day in the 丑 month and 2014-02-04, 立春, a 丙午 day in the 寅
// month (2000-01-01 was 戊午): both fall five branches after the month's, 定, since
// the officer repeats on the day a 节 opens a month.
TEST(AuspiciousDays, OneLinePerDayWithItsOfficerAndFavourableActivities) {
  const std::string text = test::utf8(auspiciousDaysPage(2014).text);
  EXPECT_NE(text.find("\r\n2014年02月03日　【定日】　宜入学"), std::string::npos);
  EXPECT_NE(text.find("\r\n2014年02月04日　【定日】　宜入学"), std::string::npos);
  for (int year : {2014, 2024}) {
    const std::string days = test::utf8(auspiciousDaysPage(year).text);
    std::size_t lines = 0;
    for (std::size_t at = days.find("日　【"); at != std::string::npos;
         at = days.find("日　【", at + 1)) {
      ++lines;
    }
    EXPECT_EQ(lines, year == 2024 ? 366u : 365u) << year;
  }
}

}  // namespace
}  // namespace zeruda::library
