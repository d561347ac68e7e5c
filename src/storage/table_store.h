#pragma once

#include "storage/table_source.h"
#include "text/result.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace zeruda::storage {

// One table file on disk (layout in table_format.h), read whole when opened.
// Text is UTF-8 in the file and GBK here. Not thread-safe by itself: the table
// layer (data_table.h) serialises every use.
class TableStore final : public StoredTable {
 public:
  // Opens the file, checks that it is an intact table of ours and reads every
  // record in order. A missing file gives "数据文件不存在：<file>", any other
  // failure "数据文件已损坏：<file>".
  static Result<std::unique_ptr<TableStore>> open(const std::filesystem::path& file);
  // The same for a table file's bytes, copied into memory: reads and writes never
  // reach a disk. `fileName` names the table in messages.
  static Result<std::unique_ptr<TableStore>> openInMemory(std::string_view bytes,
                                                          std::string fileName);
  ~TableStore() override;
  TableStore(const TableStore&) = delete;
  TableStore& operator=(const TableStore&) = delete;

  const std::vector<TableField>& fields() const override { return fields_; }
  std::vector<TableRecord> takeRecords() override { return std::move(loaded_); }

  // Each in one transaction of the file.
  Result<TableRecord> append(const TableRecord& values) override;
  Result<std::vector<TableRecord>> appendAll(const std::vector<TableRecord>& records) override;
  Result<Done> clear() override;

 private:
  TableStore(sqlite3* db, std::string fileName) : db_(db), fileName_(std::move(fileName)) {}
  static Result<std::unique_ptr<TableStore>> readOpened(std::unique_ptr<TableStore> store);
  Result<Done> readLayout();
  Result<Done> readRecords();
  Error damaged() const;
  Error writeFailed() const;

  sqlite3* db_;
  std::string fileName_;
  std::vector<TableField> fields_;
  std::vector<TableRecord> loaded_;
  sqlite3_stmt* insert_ = nullptr;
};

}  // namespace zeruda::storage
