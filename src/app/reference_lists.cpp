#include "app/reference_lists.h"

#include <string_view>

namespace zeruda::app {
namespace {

// Walks the whole table from its first record, taking fields 1 … fieldCount.
Result<std::vector<ListRow>> rowsOf(storage::TableSet& tables, std::string_view alias,
                                    int fieldCount, bool numbered) {
  auto opened = tables.open(alias);
  if (!opened.ok()) return opened.failure();
  storage::DataTable table = opened.value();
  std::vector<ListRow> rows;
  for (; !table.eof(); table.moveNext()) {
    ListRow row;
    row.recordNumber = table.recordNumber();
    if (numbered) row.cells.push_back(std::to_string(rows.size() + 1));
    for (int number = 1; number <= fieldCount; ++number) {
      auto value = table.field(number);
      if (!value.ok()) return value.failure();
      row.cells.push_back(std::move(value).value());
    }
    rows.push_back(std::move(row));
  }
  return rows;
}

}  // namespace

Result<std::vector<ListRow>> threeTalentsListRows(storage::TableSet& tables) {
  return rowsOf(tables, "sc", 4, true);
}

Result<std::vector<ListRow>> numberLuckListRows(storage::TableSet& tables) {
  return rowsOf(tables, "sl", 7, false);
}

}  // namespace zeruda::app
