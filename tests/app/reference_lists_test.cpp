#include "app/reference_lists.h"

#include "storage/table_files.h"
#include "support/program_sandbox.h"
#include "support/text_support.h"

#include <gtest/gtest.h>

namespace zeruda::app {
namespace {

class ReferenceLists : public testing::Test {
 protected:
  storage::TableSet& tables() { return sandbox_.session().tables(); }
  test::ProgramSandbox sandbox_;
};

TEST_F(ReferenceLists, TheThreeTalentsListNumbersItsRowsFromOneAndShowsFourFields) {
  auto rows = threeTalentsListRows(tables());
  ASSERT_TRUE(rows.ok());
  ASSERT_EQ(rows.value().size(), 125u);
  storage::DataTable sc = tables().open("sc").value();
  for (std::size_t i = 0; i < rows.value().size(); ++i, sc.moveNext()) {
    const ListRow& row = rows.value()[i];
    ASSERT_EQ(row.cells.size(), 5u);
    EXPECT_EQ(row.cells[0], std::to_string(i + 1));
    EXPECT_EQ(row.recordNumber, static_cast<int>(i + 1));
    for (int field = 1; field <= 4; ++field) EXPECT_EQ(row.cells[field], sc.field(field).value());
  }
}

TEST_F(ReferenceLists, TheNumberLuckListShowsSevenFieldsWithoutASerialColumn) {
  auto rows = numberLuckListRows(tables());
  ASSERT_TRUE(rows.ok());
  ASSERT_EQ(rows.value().size(), 81u);
  EXPECT_EQ(rows.value()[0].cells.size(), 7u);
  EXPECT_EQ(rows.value()[80].cells[0], "81");
  EXPECT_EQ(rows.value()[80].recordNumber, 81);
  EXPECT_EQ(test::utf8(rows.value()[0].cells[1]), "吉") << "1 is a lucky number";
}

TEST_F(ReferenceLists, ATableThatCannotBeOpenedIsReportedInsteadOfAnEmptyList) {
  const auto sl = storage::tableFile(sandbox_.session().folder(), "sl");
  std::filesystem::remove(sl);
  std::filesystem::create_directory(sl);  // and cannot be written again
  auto rows = numberLuckListRows(tables());
  ASSERT_FALSE(rows.ok());
  EXPECT_EQ(test::utf8(rows.error()), "无法写入文件：sl.dat（不是普通文件）");
}

}  // namespace
}  // namespace zeruda::app
