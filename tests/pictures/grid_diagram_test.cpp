#include "pictures/grid_diagram.h"

#include "numerology/grids.h"
#include "picture_support.h"
#include "pictures/palette.h"

#include <gtest/gtest.h>

namespace zeruda {
namespace {

using test::gbk;
using test::holdsRun;
using test::textsOf;

numerology::NameGrids gridsOf(const std::string& body) {
  numerology::NameGrids name;
  numerology::loadNameParts(name, gbk(body));
  name.grids = numerology::computeGrids(name.surnamePart, name.givenPart);
  return name;
}

// The worked example 华通 (14, 14): grids 15, 28, 15, 28, 1, talents 土金土, luck 1;
// 15 and 1 are 吉 numbers, 28 is 凶.
TEST(GridDiagram, ShowsEveryGridOfTheWorkedExampleWithElementAndLuckWord) {
  const auto texts = textsOf(pictures::gridDiagram(gridsOf("华通")));
  const std::vector<std::vector<std::string>> runs = {
      {"华", "14"},
      {"通", "14"},
      {"天格", "15", "土", "吉"},
      {"人格", "28", "金", "凶"},
      {"地格", "15", "土", "吉"},
      {"外格", "1", "木", "吉"},
      {"总格", "28", "金", "凶"},
      {"天才", "5", "土"},
      {"人才", "8", "金"},
      {"地才", "5", "土"},
      {"三才配置", "土", "金", "土", "吉"},
  };
  for (const auto& run : runs) EXPECT_TRUE(holdsRun(texts, run)) << run[0];
}

TEST(GridDiagram, OneCharacterPartsShowTheirAddedOneInGrey) {
  const auto picture = pictures::gridDiagram(gridsOf("华通"));
  int greyOnes = 0;
  for (const auto& text : picture.texts) {
    greyOnes += text.text == "1" && text.colour == pictures::kFaintInk;
  }
  EXPECT_EQ(greyOnes, 2);
  // Four characters: both parts have two, nothing is added.
  greyOnes = 0;
  for (const auto& text : pictures::gridDiagram(gridsOf("金华通达")).texts) {
    greyOnes += text.text == "1" && text.colour == pictures::kFaintInk;
  }
  EXPECT_EQ(greyOnes, 0);
}

// Luck is a word on a badge of the luck's colour, so it reads without colour too.
TEST(GridDiagram, LuckWordsSitOnBadgesOfTheirColour) {
  const auto picture = pictures::gridDiagram(gridsOf("华通达"));  // 地格 30 半吉
  ASSERT_TRUE(holdsRun(textsOf(picture), {"地格", "30", "水", "半吉"}));
  for (const auto& text : picture.texts) {
    if (text.text != gbk("半吉")) continue;
    const bool onBadge = std::any_of(picture.boxes.begin(), picture.boxes.end(), [&](auto& box) {
      return box.fill == pictures::luckColour(0.5) && text.x > box.x &&
             text.x < box.x + box.width && text.y > box.y && text.y < box.y + box.height;
    });
    EXPECT_TRUE(onBadge);
  }
}

// Past 81 the luck wraps as the rating takes it: 82 reads as 1 (吉).
TEST(GridDiagram, NumbersPastEightyOneTakeTheLuckOfTheirRemainder) {
  numerology::NameGrids name;
  name.surnamePart = {{gbk("甲"), 40}, {gbk("乙"), 41}};
  name.givenPart = {{gbk("丙"), 1}, {gbk("丁"), 0}};
  name.grids = numerology::computeGrids(name.surnamePart, name.givenPart);
  const auto texts = textsOf(pictures::gridDiagram(name));
  EXPECT_TRUE(holdsRun(texts, {"总格", "82", "木", "吉"}));
  EXPECT_TRUE(holdsRun(texts, {"天格", "81", "木", "吉"}));
  EXPECT_TRUE(holdsRun(texts, {"人格", "42", "木", "凶"}));
}

TEST(GridDiagram, ABodyWithoutBothPartsDrawsNothing) {
  const auto picture = pictures::gridDiagram(gridsOf("华"));
  EXPECT_TRUE(picture.texts.empty());
  EXPECT_EQ(picture.height, 0);
}

}  // namespace
}  // namespace zeruda
