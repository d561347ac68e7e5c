#include "calendar/sixty_pair.h"

#include "calendar/nayin.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::calendar {
namespace {

struct PairCase {
  int number;
  const char* text;
};

class PairText : public testing::TestWithParam<PairCase> {};

TEST_P(PairText, NamesTheSexagenaryPair) {
  EXPECT_EQ(test::utf8(Pair::numbered(GetParam().number).text()), GetParam().text);
}

TEST_P(PairText, ReadsBackToItsNumber) {
  if (GetParam().number >= 1 && GetParam().number <= 60) {
    EXPECT_EQ(Pair::fromText(test::gbk(GetParam().text)).number(), GetParam().number);
  }
}

INSTANTIATE_TEST_SUITE_P(Numbers, PairText,
                         testing::Values(PairCase{1, "甲子"}, PairCase{2, "乙丑"},
                                         PairCase{11, "甲戌"}, PairCase{38, "辛丑"},
                                         PairCase{31, "甲午"}, PairCase{60, "癸亥"},
                                         PairCase{0, ""}, PairCase{61, ""}),
                         [](const auto& info) {
                           return "Pair" + std::to_string(info.param.number);
                         });

TEST(PairFromText, RejectsTextsThatAreNoPair) {
  EXPECT_FALSE(Pair::fromText(test::gbk("甲丑")).valid());  // stem and branch of different parity
  EXPECT_FALSE(Pair::fromText(test::gbk("子甲")).valid());
  EXPECT_FALSE(Pair::fromText(test::gbk("甲子甲")).valid());
  EXPECT_FALSE(Pair::fromText("").valid());
}

TEST(PairNext, WrapsThroughTheCycleBothWaysAndKeepsNone) {
  EXPECT_EQ(Pair::numbered(60).next(1), Pair::numbered(1));
  EXPECT_EQ(Pair::numbered(1).next(-1), Pair::numbered(60));
  EXPECT_EQ(Pair::numbered(5).next(-125), Pair::numbered(60));
  EXPECT_EQ(Pair().next(3), Pair());
  EXPECT_EQ(Pair::of(Stem::Xin, Branch::Hai).text(), test::gbk("辛亥"));
  EXPECT_FALSE(Pair::of(Stem::Jia, Branch::Chou).valid());
}

struct NayinCase {
  const char* name;
  const char* pillar;
  const char* nayin;
};

class NayinOf : public testing::TestWithParam<NayinCase> {};

TEST_P(NayinOf, NamesThePairOfPillars) {
  EXPECT_EQ(test::utf8(nayinOf(Pair::fromText(test::gbk(GetParam().pillar)))), GetParam().nayin);
}

INSTANTIATE_TEST_SUITE_P(
    Pillars, NayinOf,
    testing::Values(NayinCase{"JiaZi", "甲子", "海中金"}, NayinCase{"YiChou", "乙丑", "海中金"},
                    NayinCase{"BingYin", "丙寅", "炉中火"}, NayinCase{"JiaWu", "甲午", "沙中金"},
                    NayinCase{"GuiSi", "癸巳", "长流水"}, NayinCase{"XinChou", "辛丑", "壁上土"},
                    NayinCase{"GuiMao", "癸卯", "金泊金"}, NayinCase{"GuiHai", "癸亥", "大海水"},
                    NayinCase{"Empty", "", ""}, NayinCase{"NoPair", "甲丑", ""},
                    NayinCase{"OneCharacter", "甲", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Elements, OfStemsAndBranchesFollowTheTradition) {
  EXPECT_EQ(elementOf(Stem::Jia), Element::Wood);
  EXPECT_EQ(elementOf(Stem::Ding), Element::Fire);
  EXPECT_EQ(elementOf(Stem::Ji), Element::Earth);
  EXPECT_EQ(elementOf(Stem::Xin), Element::Metal);
  EXPECT_EQ(elementOf(Stem::Gui), Element::Water);
  EXPECT_EQ(elementOf(Branch::Zi), Element::Water);
  EXPECT_EQ(elementOf(Branch::Chou), Element::Earth);
  EXPECT_EQ(elementOf(Branch::Mao), Element::Wood);
  EXPECT_EQ(elementOf(Branch::Wu), Element::Fire);
  EXPECT_EQ(elementOf(Branch::You), Element::Metal);
  EXPECT_EQ(elementOf(Branch::Hai), Element::Water);
}

struct ElementCase {
  const char* name;
  const char* character;
  const char* element;
};

class StemBranchElement : public testing::TestWithParam<ElementCase> {};

TEST_P(StemBranchElement, GivesTheElementOfTheCharacter) {
  EXPECT_EQ(test::utf8(stemBranchElement(test::gbk(GetParam().character))), GetParam().element);
}

INSTANTIATE_TEST_SUITE_P(
    Characters, StemBranchElement,
    testing::Values(ElementCase{"Jia", "甲", "木"}, ElementCase{"Mao", "卯", "木"},
                    ElementCase{"Ding", "丁", "火"}, ElementCase{"Si", "巳", "火"},
                    ElementCase{"Ji", "己", "土"}, ElementCase{"Chou", "丑", "土"},
                    ElementCase{"Xu", "戌", "土"}, ElementCase{"Geng", "庚", "金"},
                    ElementCase{"You", "酉", "金"}, ElementCase{"Ren", "壬", "水"},
                    ElementCase{"Hai", "亥", "水"}, ElementCase{"Zi", "子", "水"},
                    ElementCase{"NotAStem", "金", ""}, ElementCase{"Empty", "", ""},
                    ElementCase{"TwoCharacters", "甲子", ""}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zeruda::calendar
