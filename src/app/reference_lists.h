#pragma once

#include "storage/data_table.h"
#include "text/result.h"

#include <string>
#include <vector>

namespace zeruda::app {

// One row of a list on the main window: its cells (GBK) and the number of the table
// record it shows, kept as the row's data.
struct ListRow {
  std::vector<std::string> cells;
  int recordNumber = 0;
};

// The 三才 list: one row per record of "sc", the row's position (from 1) first, then
// fields 1 to 4 of the record.
Result<std::vector<ListRow>> threeTalentsListRows(storage::TableSet& tables);

// The 数理 list: one row per record of "sl", fields 1 to 7 of the record.
Result<std::vector<ListRow>> numberLuckListRows(storage::TableSet& tables);

}  // namespace zeruda::app
