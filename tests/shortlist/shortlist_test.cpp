#include "shortlist/shortlist.h"

#include "shortlist/registration_section.h"
#include "shortlist/shortlist_export.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::shortlist {
namespace {

using test::gbk;
using test::utf8;

// Elements from a small table of our own: the shortlist asks one per body character.
const numerology::ElementLookup kElements =
    [](std::string_view character) -> Result<std::optional<std::string>> {
  if (character == gbk("华")) return std::optional<std::string>(gbk("水"));
  return std::optional<std::string>();
};

std::vector<ScoredName> score(std::initializer_list<const char*> lines, double base = 3) {
  std::vector<std::string> names;
  for (const char* line : lines) names.push_back(gbk(line));
  return scoreShortlist(names, base, kElements);
}

TEST(Shortlist, RatesTheBodyAndShowsWhatItsScoreIsMadeOf) {
  // 华通 (14, 14): grids 15, 28, 15, 28, 1, three talents 土金土 (luck 1), so on base 3:
  // 3 + 1 + 1 + 0 + 1 + 0 + 1 = 7 points, four stars.
  const auto scored = score({"成都华通科技有限公司"});
  ASSERT_EQ(scored.size(), 1u);
  const ScoredName& name = scored[0];
  EXPECT_TRUE(name.rated);
  EXPECT_EQ(utf8(name.body()), "华通");
  EXPECT_EQ(name.stars, 4);
  EXPECT_EQ(name.score, 7);
  EXPECT_EQ(name.scoreParts.base, 3);
  EXPECT_EQ(name.scoreParts.talents, 1);
  EXPECT_EQ(name.scoreParts.grids, (std::array<double, 5>{1, 0, 1, 0, 1}));
  EXPECT_EQ(name.scoreParts.elements, 0);
  EXPECT_EQ(name.grids, (numerology::GridNumbers{15, 28, 15, 28, 1, 5, 8, 5}));
  EXPECT_EQ(name.characterElements, (std::vector<std::string>{gbk("水"), ""}));
  EXPECT_TRUE(name.findings.empty());
}

TEST(Shortlist, BodiesOutsideTwoToFourCharactersAreReportedNotRated) {
  for (const char* line :
       {"成都华科技有限公司", "成都金华通达宝科技有限公司", "成都AB科技有限公司"}) {
    const auto scored = score({line});
    EXPECT_FALSE(scored[0].rated) << line;
    EXPECT_EQ(scored[0].stars, 0) << line;
    EXPECT_TRUE(scored[0].characterElements.empty()) << line;
  }
}

TEST(Shortlist, PutsUsableNamesFirstThenSortsByStarsScoreAndInputOrder) {
  // On base 3: 金华通达 5.5 points (three stars), 华通达 5 (two), 华通 and 通华 7 (four);
  // the bare bodies get a 提示, 中国华通 a 需审批 and the one-character 华 a 不可用.
  const auto scored =
      score({"成都华科技有限公司", "华通达", "成都金华通达信息技术有限公司", "成都华通科技有限公司",
             "通华", "中国华通科技有限公司", "成都通华科技有限公司"});
  std::vector<std::size_t> order;
  for (const auto& name : scored) order.push_back(name.inputIndex);
  EXPECT_EQ(order, (std::vector<std::size_t>{3, 6, 2, 4, 1, 5, 0}));
}

TEST(Shortlist, StandingIsTheMostSeriousFinding) {
  using registration::Level;
  const registration::Finding note{Level::Note, "", ""};
  const registration::Finding approval{Level::NeedsApproval, "", ""};
  EXPECT_EQ(standingOf({}), Standing::Clear);
  EXPECT_EQ(standingOf({note}), Standing::Note);
  EXPECT_EQ(standingOf({note, approval, note}), Standing::NeedsApproval);
  EXPECT_EQ(standingOf({{Level::Unusable, "", ""}, note}), Standing::Unusable);
}

TEST(Shortlist, ReadsOneNameALineWithoutSpacesOrBlankLines) {
  EXPECT_EQ(shortlistNames(gbk("成都 华通\r\n\r\n  　\n华通达")),
            (std::vector<std::string>{gbk("成都华通"), gbk("华通达")}));
  // Old Mac text ends its lines with a lone carriage return (found by fuzzing).
  EXPECT_EQ(shortlistNames(gbk("华通\r腾讯\r\r阿里")),
            (std::vector<std::string>{gbk("华通"), gbk("腾讯"), gbk("阿里")}));
  // A tab behind a full-width space is a blank at the name's edge too (fuzzing).
  EXPECT_EQ(shortlistNames(gbk("　\t华通\t　\n")), (std::vector<std::string>{gbk("华通")}));
}

TEST(ShortlistExport, WritesTheResultListsCsvFormatWithItsOwnColumns) {
  const auto scored = score({"成都华科技有限公司", "成都华通科技有限公司"});
  EXPECT_EQ(utf8(shortlistCsv(scored)),
            "序号,全名,主体名,星级,分数,登记提示\r\n"
            "1,成都华通科技有限公司,华通,☆☆☆☆,7,\r\n"
            "2,成都华科技有限公司,华,,,不可用：字号只有1个汉字：字号须由两个以上汉字组成\r\n");
  // A table sorted by the user writes its order; each name keeps its rank.
  const std::size_t reversed[] = {1, 0};
  EXPECT_EQ(utf8(shortlistCsv(scored, reversed)).substr(utf8(shortlistCsvHeader()).size(), 2),
            "2,");
  EXPECT_EQ(utf8(shortlistFileName({2026, 12, 9})), "批量评测_2026-12-09.csv");
}

TEST(RegistrationSection, ListsEachFindingWithItsLevelAndSource) {
  EXPECT_EQ(
      utf8(registrationSection(gbk("中国"), gbk("华通"), gbk("科技有限公司")).text),
      "【需审批】名称冠以“中国”，须从严审核并报国务院批准（《企业名称登记管理规定》第十二条第一款）"
      "\r\n");
  const auto clean = registrationSection(gbk("成都"), gbk("华通"), gbk("科技有限公司"));
  EXPECT_EQ(utf8(clean.heading),
            "\r\n----------------------------登记提示---------------------------\r\n");
  EXPECT_EQ(utf8(clean.text).rfind("未见", 0), 0u);
}

}  // namespace
}  // namespace zeruda::shortlist
