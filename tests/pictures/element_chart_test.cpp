#include "pictures/element_chart.h"

#include "picture_support.h"
#include "pictures/palette.h"

#include <gtest/gtest.h>

namespace zeruda {
namespace {

using test::gbk;
using test::holdsRun;
using test::textsOf;

pictures::Picture chartOf(calendar::Date date, int hour, int minute) {
  const auto moment = calendar::DateTime::of(date, hour, minute);
  return pictures::elementChart(calendar::fourPillars(moment), chart::elementStrength(moment));
}

// 1985-06-15 08:30: 乙丑 壬午 乙酉 庚辰, day master 乙 (木). Each character carries its
// element from the stem and branch table.
TEST(ElementChart, PillarGridWritesEachCharacterWithItsElementAndMarksTheDayMaster) {
  const auto texts = textsOf(chartOf({1985, 6, 15}, 8, 30));
  EXPECT_TRUE(holdsRun(texts, {"年柱", "乙", "木", "丑", "土"}));
  EXPECT_TRUE(holdsRun(texts, {"月柱", "壬", "水", "午", "火"}));
  EXPECT_TRUE(holdsRun(texts, {"日柱", "乙", "木", "日主", "酉", "金"}));
  EXPECT_TRUE(holdsRun(texts, {"时柱", "庚", "金", "辰", "土"}));
}

// 1999-12-12 12:00: 己卯 丙子 戊戌 戊午, day master 土, favourable 金. 金 is not among
// the eight characters, yet 戌 hides a 辛: a score of 0.3 on an empty bar.
TEST(ElementChart, MissingElementStandsEmptyAndTagsNameDayMasterAndFavourable) {
  const auto picture = chartOf({1999, 12, 12}, 12, 0);
  const auto texts = textsOf(picture);
  EXPECT_TRUE(holdsRun(texts, {"0.3", "金", "喜用", "缺"}));
  EXPECT_TRUE(holdsRun(texts, {"3.5", "土", "日主"}));
  const Rgb gold = pictures::elementColours(gbk("金")).strong;
  int emptyBars = 0, goldFills = 0;
  for (const auto& box : picture.boxes) {
    emptyBars += !box.fill && box.stroke == gold && box.dashed;
    goldFills += box.fill == gold;
  }
  EXPECT_EQ(emptyBars, 1);
  EXPECT_EQ(goldFills, 0);
}

TEST(ElementChart, OutsideTheCalendarEveryCellIsEmptyAndEveryElementMissing) {
  const auto picture = chartOf({1900, 1, 1}, 12, 0);
  const auto texts = textsOf(picture);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "缺"), 5);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "日主"), 0);
}

}  // namespace
}  // namespace zeruda
