#include "generation/column_order.h"

#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::generation {
namespace {

using test::gbk;

struct OrderCase {
  Column column;
  const char* before;
  const char* after;
};

// Each pair in the order the sorted list must show it, smaller first.
TEST(ColumnSortNumber, NumbersSortAsNumbers) {
  const OrderCase cases[] = {
      {Column::Sequence, "9", "10"},
      {Column::Sequence, "10", "21"},
      {Column::WrittenStrokes, "9", "10"},
      {Column::WrittenStrokes, "10", "21"},
      {Column::WrittenStrokes, "9,21", "10,3"},
      {Column::WrittenStrokes, "6,10", "6,10-6"},
      {Column::KangxiStrokes, "6,10-6", "6,11"},
      {Column::KangxiStrokes, "12,8-6", "12,8-12"},
      {Column::Stars, "☆☆", "☆☆☆"},
      {Column::Stars, "", "☆"},
  };
  for (const auto& c : cases) {
    CandidateRow before;
    CandidateRow after;
    before.cell(c.column) = gbk(c.before);
    after.cell(c.column) = gbk(c.after);
    const auto low = columnSortNumber(before, c.column);
    const auto high = columnSortNumber(after, c.column);
    ASSERT_TRUE(low && high) << c.before;
    EXPECT_LT(*low, *high) << c.before << " / " << c.after;
  }
  CandidateRow row;
  row.cell(Column::Stars) = gbk("☆☆☆☆☆");
  EXPECT_EQ(columnSortNumber(row, Column::Stars), 5.0);
}

TEST(ColumnSortNumber, TextColumnsSortByTheirText) {
  for (const Column column : {Column::FullName, Column::Body, Column::Elements}) {
    EXPECT_FALSE(columnSortNumber(CandidateRow{}, column).has_value());
  }
}

}  // namespace
}  // namespace zeruda::generation
