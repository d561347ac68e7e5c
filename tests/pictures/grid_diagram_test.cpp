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

numerology::NameGrids gridsOf(std::vector<numerology::CharStroke> surname,
                              std::vector<numerology::CharStroke> given) {
  numerology::NameGrids name{surname, given, {}, {}};
  name.grids = numerology::computeGrids(name.surnamePart, name.givenPart);
  return name;
}

numerology::NameGrids gridsOf(const std::string& body) {
  numerology::NameGrids name;
  numerology::loadNameParts(name, gbk(body));
  return gridsOf(name.surnamePart, name.givenPart);
}

// Each card reads label, number, element, luck word. 华通 and 华通达 are the worked
// examples (talents 土金土 吉, 土金水 凶; 30 is 半吉); past 81 the luck wraps as the
// rating takes it (82 reads as 1, 吉).
TEST(GridDiagram, CardsAndTalentsCarryNumberElementAndLuckWord) {
  const std::vector<std::pair<numerology::NameGrids, std::vector<std::string>>> rows = {
      {gridsOf("华通"), {"天才", "5", "土", "→", "人才", "8", "金", "→", "地才", "5", "土"}},
      {gridsOf("华通"), {"三才配置", "土", "金", "土", "吉"}},
      {gridsOf("华通达"), {"地格", "30", "水", "半吉"}},
      {gridsOf("华通达"), {"三才配置", "土", "金", "水", "凶"}},
      {gridsOf({{gbk("甲"), 40}, {gbk("乙"), 41}}, {{gbk("丙"), 1}, {gbk("丁"), 0}}),
       {"总格", "82", "木", "吉"}},
  };
  for (const auto& [name, run] : rows) {
    EXPECT_TRUE(holdsRun(textsOf(pictures::gridDiagram(name)), run)) << run[0] << run[1];
  }
}

// The luck word stands on a badge of the luck's colour, so it reads without colour.
// 华通达 has two 半吉 grids: 地格 30 and 外格 17.
TEST(GridDiagram, LuckWordsSitOnBadgesOfTheirColour) {
  const auto picture = pictures::gridDiagram(gridsOf("华通达"));
  int badged = 0;
  for (const auto& text : picture.texts) {
    if (text.text != gbk("半吉")) continue;
    for (const auto& box : picture.boxes) {
      badged += box.fill == pictures::luckColour(0.5) && text.x > box.x &&
                text.x < box.x + box.width && text.y > box.y && text.y < box.y + box.height;
    }
  }
  EXPECT_EQ(badged, 2);
}

// A one-character part adds a 1, shown in grey; four characters add none.
TEST(GridDiagram, AddedOnesAreGreyAndOnlyWhereAPartHasOneCharacter) {
  const std::vector<std::pair<std::string, int>> rows = {
      {"华通", 2}, {"华通达", 1}, {"金华通达", 0}};
  for (const auto& [body, ones] : rows) {
    int grey = 0;
    for (const auto& text : pictures::gridDiagram(gridsOf(body)).texts) {
      grey += text.text == "1" && text.colour == pictures::kFaintInk;
    }
    EXPECT_EQ(grey, ones) << body;
  }
  EXPECT_TRUE(pictures::gridDiagram(gridsOf("华")).texts.empty());
}

}  // namespace
}  // namespace zeruda
