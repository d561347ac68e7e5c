#include "numerology/rating.h"

#include <gtest/gtest.h>

#include <map>

#include "numerology/number_luck.h"
#include "support/text_support.h"

namespace zeruda::numerology {
namespace {

using test::gbk;

const ElementLookup kNoTable = [](std::string_view) { return std::optional<std::string>(); };

TEST(NumberLuck, WrapsModulo81) {
  EXPECT_EQ(numberLuck(81), 1);
  EXPECT_EQ(numberLuck(82), 1);    // reads as 1
  EXPECT_EQ(numberLuck(162), 1);   // reads as 81
  EXPECT_EQ(numberLuck(83), 0);    // reads as 2
  EXPECT_EQ(numberLuck(98), 0.5);  // reads as 17
  EXPECT_EQ(numberLuck(0), 0);
  EXPECT_EQ(numberLuck(-5), 0);
}

TEST(NumberLuck, HasThirtyLuckyFourteenFairThirtySevenUnlucky) {
  int counts[3] = {};
  for (int n = 1; n <= 81; ++n) counts[static_cast<int>(numberLuck(n) * 2)]++;
  EXPECT_EQ(counts[2], 30);
  EXPECT_EQ(counts[1], 14);
  EXPECT_EQ(counts[0], 37);
  EXPECT_EQ(numberLuck(15), 1);
  EXPECT_EQ(numberLuck(28), 0);
  EXPECT_EQ(numberLuck(29), 0.5);
}

TEST(RoundHalfAway, RoundsHalvesUp) {
  EXPECT_EQ(roundHalfAway(4.5), 5);
  EXPECT_EQ(roundHalfAway(6.5), 7);
  EXPECT_EQ(roundHalfAway(6.4), 6);
  EXPECT_EQ(roundHalfAway(7.0), 7);
  EXPECT_EQ(roundHalfAway(0.5 - 1e-13), 1);  // within the tolerance
  EXPECT_EQ(roundHalfAway(-2.5), -3);
}

TEST(StarsForScore, CutsIntoFiveBands) {
  const std::map<int, int> expected = {{0, 1}, {4, 1}, {5, 2}, {6, 3}, {7, 4}, {8, 5}, {11, 5}};
  for (auto [score, stars] : expected) EXPECT_EQ(starsForScore(score), stars) << score;
}

TEST(RateName, HuaTongWithBaseThreeHasFourStars) {
  // 3 + 1 (土金土) + 1 (15) + 0 (28) + 1 (15) + 0 (28) + 1 (1) = 7.
  Rating rating = rateName(gbk("华通"), 3, kNoTable);
  EXPECT_EQ(rating.score, 7);
  EXPECT_EQ(rating.stars, 4);
  EXPECT_EQ(rating.record.grids, (GridNumbers{15, 28, 15, 28, 1, 5, 8, 5}));
  EXPECT_EQ(rateName(gbk("华通"), 5, kNoTable).stars, 5);
}

TEST(RateName, HalfPointsRoundUp) {
  // 华通达: 土金水 0, grids 15 (1), 28 (0), 30 (0.5), 44 (0), 17 (0.5): 2 points.
  Rating rating = rateName(gbk("华通达"), 2.5, kNoTable);
  EXPECT_EQ(rating.score, 4.5);
  EXPECT_EQ(rating.stars, 2);
}

TEST(RateName, StaysWithinOneToFiveStars) {
  EXPECT_EQ(rateName(gbk("华通"), 100, kNoTable).stars, 5);
  EXPECT_EQ(rateName(gbk("ab"), 0, kNoTable).stars, 1);
  EXPECT_EQ(rateName("", -10, kNoTable).stars, 1);
}

TEST(SoughtElementCount, CountsSoughtElementsFoundInTheTable) {
  std::map<std::string, std::string> table = {{gbk("华"), gbk("水")}, {gbk("通"), gbk("火")}};
  ElementLookup lookup = [&](std::string_view c) -> std::optional<std::string> {
    auto it = table.find(std::string(c));
    if (it == table.end()) return std::nullopt;
    return it->second;
  };
  NameGrids record;
  loadNameParts(record, gbk("华通达"));
  EXPECT_EQ(soughtElementCount(record, lookup), 0);  // nothing sought
  record.soughtElements = gbk("水火金");
  EXPECT_EQ(soughtElementCount(record, lookup), 2);  // 达 is missing from the table
  record.soughtElements = gbk("木");
  EXPECT_EQ(soughtElementCount(record, lookup), 0);
}

TEST(StarText, RepeatsTheStar) {
  EXPECT_EQ(test::utf8(starText(4)), "☆☆☆☆");
  EXPECT_EQ(starText(0), "");
}

}  // namespace
}  // namespace zeruda::numerology
