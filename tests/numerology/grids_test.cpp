#include "numerology/grids.h"

#include <gtest/gtest.h>

#include "support/text_support.h"

namespace zeruda::numerology {
namespace {

using test::gbk;
using test::utf8;

struct BodyCase {
  const char* name;
  const char* body;
  GridNumbers grids;
  const char* talents;
  double luck;
};

class BodyGrids : public testing::TestWithParam<BodyCase> {};

// Worked examples of the tradition: strokes 华 14, 通 14, 达 16, 金 8.
TEST_P(BodyGrids, MatchWorkedExamples) {
  const auto& c = GetParam();
  NameGrids record;
  loadNameParts(record, gbk(c.body));
  record.grids = computeGrids(record.surnamePart, record.givenPart);
  EXPECT_EQ(record.grids, c.grids);
  EXPECT_EQ(utf8(threeTalents(record.grids)), c.talents);
  EXPECT_EQ(threeTalentsLuck(threeTalents(record.grids)), c.luck);
}

INSTANTIATE_TEST_SUITE_P(
    Bodies, BodyGrids,
    testing::Values(
        BodyCase{"TwoCharacters", "华通", {15, 28, 15, 28, 1, 5, 8, 5}, "土金土", 1},
        BodyCase{"ThreeCharacters", "华通达", {15, 28, 30, 44, 17, 5, 8, 10}, "土金水", 0},
        BodyCase{"FourCharacters", "金华通达", {22, 28, 30, 52, 24, 2, 8, 10}, "木金水", 0},
        BodyCase{"SpacesAreRemoved", "华 通", {15, 28, 15, 28, 1, 5, 8, 5}, "土金土", 1},
        BodyCase{"FullWidthSpaceToo", "　华通　", {15, 28, 15, 28, 1, 5, 8, 5}, "土金土", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadNameParts, SplitsFourCharactersTwoAndTwo) {
  NameGrids record;
  loadNameParts(record, gbk("金华通达"));
  ASSERT_EQ(record.surnamePart.size(), 2u);
  ASSERT_EQ(record.givenPart.size(), 2u);
  EXPECT_EQ(utf8(record.surnamePart[1].character), "华");
  EXPECT_EQ(record.givenPart[1].strokes, 16);
}

TEST(LoadNameParts, OddByteLengthFillsNeitherPartAndGridsStayZero) {
  NameGrids record;
  loadNameParts(record, gbk("华通"));
  loadNameParts(record, gbk("华a通"));  // 5 bytes: no reading, earlier parts cleared
  EXPECT_TRUE(record.surnamePart.empty());
  EXPECT_TRUE(record.givenPart.empty());
  EXPECT_EQ(computeGrids(record.surnamePart, record.givenPart), GridNumbers{});
  loadNameParts(record, gbk("华"));
  EXPECT_TRUE(record.surnamePart.empty());
}

TEST(ComputeGrids, FollowsTheAdditionRules) {
  auto part = [](std::initializer_list<int> strokes) {
    std::vector<CharStroke> out;
    for (int s : strokes) out.push_back({"", s});
    return out;
  };
  // Two characters a, b: a+1, a+b, b+1, a+b, and 外格 always 1.
  EXPECT_EQ(computeGrids(part({3}), part({9})), (GridNumbers{4, 12, 10, 12, 1, 4, 2, 10}));
  // Three: a+1, a+b, b+c, a+b+c, c+1.
  EXPECT_EQ(computeGrids(part({2}), part({5, 7})), (GridNumbers{3, 7, 12, 14, 8, 3, 7, 2}));
  // Four: no added one anywhere.
  EXPECT_EQ(computeGrids(part({1, 2}), part({3, 4})), (GridNumbers{3, 5, 7, 10, 5, 3, 5, 7}));
  // A compound surname with a one-character given name adds one to 外格 once.
  EXPECT_EQ(computeGrids(part({1, 2}), part({3})), (GridNumbers{3, 5, 4, 6, 2, 3, 5, 4}));
}

TEST(GridElement, GoesByTheLastDigit) {
  const char* expected[] = {"水", "木", "木", "火", "火", "土", "土", "金", "金", "水"};
  for (int n = 1; n <= 30; ++n) EXPECT_EQ(utf8(gridElement(n)), expected[n % 10]) << n;
  EXPECT_EQ(gridElement(0), "");
  EXPECT_EQ(gridElement(-3), "");
}

TEST(ThreeTalentsLuck, CountsTwentyFiveLuckyAndNineFairOfAll125) {
  const char* elements[] = {"木", "火", "土", "金", "水"};
  int lucky = 0, fair = 0, unlucky = 0;
  for (auto a : elements)
    for (auto b : elements)
      for (auto c : elements) {
        double luck = threeTalentsLuck(gbk(std::string(a) + b + c));
        (luck == 1 ? lucky : luck == 0.5 ? fair : unlucky)++;
      }
  EXPECT_EQ(lucky, 25);
  EXPECT_EQ(fair, 9);
  EXPECT_EQ(unlucky, 91);
  EXPECT_EQ(threeTalentsLuck(gbk("水金土")), 1);
  EXPECT_EQ(threeTalentsLuck(gbk("金土火")), 0.5);
  EXPECT_EQ(threeTalentsLuck(gbk("金木金")), 0);
  EXPECT_EQ(threeTalentsLuck(""), 0);
}

}  // namespace
}  // namespace zeruda::numerology
