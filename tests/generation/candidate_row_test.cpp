#include "generation/candidate_row.h"

#include <gtest/gtest.h>

namespace zeruda::generation {
namespace {

TEST(ColumnWidths, OnTheDesignWidthEachColumnKeepsItsShare) {
  EXPECT_EQ(columnWidths(864), (std::array<int, kColumnCount>{45, 240, 78, 95, 105, 110, 95}));
}

TEST(ColumnWidths, DropFractionsOfAPixel) {
  // 1000 × 45 / 864 = 52.08, × 240 = 277.8, × 78 = 90.3, × 95 = 109.95, × 105 = 121.5,
  // × 110 = 127.3.
  EXPECT_EQ(columnWidths(1000), (std::array<int, kColumnCount>{52, 277, 90, 109, 121, 127, 109}));
  // Half the design width halves every share; 45 / 2 drops its half pixel.
  EXPECT_EQ(columnWidths(432), (std::array<int, kColumnCount>{22, 120, 39, 47, 52, 55, 47}));
}

TEST(ColumnWidths, ANegativeOrZeroWidthGivesEmptyColumns) {
  EXPECT_EQ(columnWidths(0), (std::array<int, kColumnCount>{}));
  EXPECT_EQ(columnWidths(-50), (std::array<int, kColumnCount>{}));
}

TEST(ResultListWidth, IsTwentyPixelsNarrowerThanThePage) {
  EXPECT_EQ(resultListWidth(864), 844);
  EXPECT_EQ(resultListWidth(10), 0);
}

TEST(RowBackground, OddRowsAreGreyEvenRowsWhite) {
  EXPECT_EQ(rowBackground(1), 0xECECECu);
  EXPECT_EQ(rowBackground(2), 0xFFFFFFu);
  EXPECT_EQ(rowBackground(3), 0xECECECu);
  EXPECT_EQ(rowBackground(2000), 0xFFFFFFu);
  EXPECT_EQ(rowBackground(2001), 0xECECECu);
}

}  // namespace
}  // namespace zeruda::generation
