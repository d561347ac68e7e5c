#pragma once

#include "text/result.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zeruda::storage {

// The five data tables, by alias, in the order start-up writes them out.
inline constexpr std::array<std::string_view, 5> kTableAliases = {"sl", "sc", "xm", "gs", "zk"};

struct TableField {
  std::string name;  // GBK
  bool integer = false;
};

using TableRecord = std::vector<std::string>;  // GBK texts; whole numbers in decimal

// One opened table where its records are kept. The table layer (data_table.h) holds
// the records in memory and serialises every call; a stored table only has to load
// them once and to keep its own copy in step with appends and clearing.
class StoredTable {
 public:
  virtual ~StoredTable() = default;

  virtual const std::vector<TableField>& fields() const = 0;
  // The records as loaded, in order; called once, right after opening.
  virtual std::vector<TableRecord> takeRecords() = 0;

  // Stores one record at the end and gives it back as it was stored. Whole-number
  // fields take decimal text only.
  virtual Result<TableRecord> append(const TableRecord& values) = 0;
  // Stores the records in order: all of them, or none.
  virtual Result<std::vector<TableRecord>> appendAll(const std::vector<TableRecord>& records) = 0;
  // Deletes every record.
  virtual Result<Done> clear() = 0;
};

// Where a table set (data_table.h) gets its tables from: the program's built-in
// copies in memory, or the working folder's files (table_files.h). Called only
// under the table set's lock, once per alias until the tables are closed.
class TableSource {
 public:
  virtual ~TableSource() = default;
  // The table of `alias`, one of kTableAliases, with its records; the error names
  // the table file ("数据文件不存在：sl.dat", "数据文件已损坏：sl.dat").
  virtual Result<std::unique_ptr<StoredTable>> open(std::string_view alias) = 0;
};

}  // namespace zeruda::storage
