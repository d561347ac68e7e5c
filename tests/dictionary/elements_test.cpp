#include "dictionary/elements.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "dictionary/data_lines.h"
#include "embedded/kElementGroups.h"
#include "support/text_support.h"

namespace zeruda::dictionary {
namespace {

using test::gbk;
using test::utf8;

struct ElementRow {
  const char* name;
  std::string unit;  // GBK bytes
  const char* element;
};

void PrintTo(const ElementRow& row, std::ostream* os) { *os << row.name; }

class ListElements : public testing::TestWithParam<ElementRow> {};

TEST_P(ListElements, AnswerTheLastListHoldingTheCharacter) {
  EXPECT_EQ(utf8(listElement(GetParam().unit)), GetParam().element);
}

INSTANTIATE_TEST_SUITE_P(
    KnownCharacters, ListElements,
    testing::Values(ElementRow{"Wang", gbk("王"), "土"}, ElementRow{"Yi", gbk("一"), "土"},
                    ElementRow{"Lin", gbk("林"), "木"}, ElementRow{"Tong", gbk("通"), "火"},
                    ElementRow{"Li", gbk("李"), "火"}, ElementRow{"Zhang", gbk("张"), "火"},
                    ElementRow{"Hua", gbk("华"), "水"}, ElementRow{"Hai", gbk("海"), "水"},
                    ElementRow{"Ming", gbk("明"), "水"}, ElementRow{"Jin", gbk("金"), "金"},
                    ElementRow{"Xin", gbk("鑫"), "金"},
                    ElementRow{"WenInEarthAndWaterTakesWater", gbk("文"), "水"},
                    ElementRow{"ZhangInEarthAndFireTakesFire", gbk("章"), "火"},
                    ElementRow{"ZiInEarthAndFireTakesFire", gbk("自"), "火"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(WithoutElement, ListElements,
                         testing::Values(ElementRow{"TripleDragon", gbk("龘"), ""},
                                         ElementRow{"Letter", "a", ""},
                                         ElementRow{"Asterisk", "*", ""},
                                         ElementRow{"CarriageReturn", "\r", ""},
                                         ElementRow{"Space", " ", ""}, ElementRow{"Empty", "", ""},
                                         ElementRow{"FullWidthSpace", gbk("　"), ""},
                                         ElementRow{"BraceWithLeadByte", "{\xBB", ""},
                                         ElementRow{"LoneLeadByte", "\xBB", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

struct TextRow {
  const char* name;
  std::string text;  // GBK bytes
  const char* elements;
};

void PrintTo(const TextRow& row, std::ostream* os) { *os << row.name; }

class ElementTexts : public testing::TestWithParam<TextRow> {};

TEST_P(ElementTexts, JoinTheElementOfEveryUnit) {
  EXPECT_EQ(utf8(elementText(GetParam().text)), GetParam().elements);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ElementTexts,
    testing::Values(TextRow{"ThreeCharacters", gbk("华通达"), "水-火-火"},
                    TextRow{"OneCharacter", gbk("金"), "金"},
                    TextRow{"MissingMiddleLeavesAnEmptyPlace", gbk("华龘达"), "水--火"},
                    TextRow{"NothingFoundStillKeepsTwoDashes", gbk("龘龘龘"), "--"},
                    TextRow{"SpaceIsAUnitWithoutElement", gbk("华 通"), "水--火"},
                    TextRow{"EmptyText", "", ""}, TextRow{"SpacesOnly", gbk(" 　 "), ""}),
    [](const auto& info) { return std::string(info.param.name); });

std::vector<std::pair<std::string, std::string>> elementLists() {
  std::vector<std::pair<std::string, std::string>> lists;
  forEachTabbedLine(data::kElementGroups, [&](std::string_view element, std::string_view chars) {
    lists.emplace_back(utf8(element), utf8(chars));
  });
  return lists;
}

TEST(ElementLists, ComeInSearchOrderAndBeginWithTheirKnownMembers) {
  const std::vector<std::pair<std::string, std::string>> openings = {
      {"土", "又一乙己山土丸兀丫也尢于厄切王"},
      {"木", "干工弓丌及孑巾久口廿乞彡已卞丐"},
      {"火", "刁丁二力了彳大孓女勺巳乇幺弋丈"},
      {"水", "勹卜乜凡亡下子巴比不歹反方分夫"},
      {"金", "匕刀人入厶才亍川寸千刃三上尸士"}};
  const auto lists = elementLists();
  ASSERT_EQ(lists.size(), openings.size());
  for (std::size_t i = 0; i < lists.size(); ++i) {
    EXPECT_EQ(lists[i].first, openings[i].first);
    EXPECT_EQ(lists[i].second.substr(0, openings[i].second.size()), openings[i].second)
        << openings[i].first;
  }
}

TEST(ElementLists, HoldOnlyWenZhangAndZiTwice) {
  std::map<std::size_t, std::string> listsOf;
  forEachTabbedLine(data::kElementGroups, [&](std::string_view element, std::string_view chars) {
    forEachGbkCharacter(chars, [&](std::size_t slot) { listsOf[slot] += utf8(element); });
  });
  std::map<std::string, std::string> twice;
  for (const auto& [slot, elements] : listsOf) {
    if (elements.size() > 3) twice[utf8(gbkCharacter(slot))] = elements;
  }
  const std::map<std::string, std::string> expected = {
      {"文", "土水"}, {"章", "土火"}, {"自", "土火"}};
  EXPECT_EQ(twice, expected);
  // Thousands of characters: every GB2312 character that has a reading or radical.
  EXPECT_GT(listsOf.size(), 6700u);
}

}  // namespace
}  // namespace zeruda::dictionary
