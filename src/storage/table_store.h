#pragma once

#include "text/result.h"

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace zeruda::storage {

struct TableField {
  std::string name;  // GBK
  bool integer = false;
};

using TableRecord = std::vector<std::string>;  // GBK texts; whole numbers in decimal

// One table file on disk (layout in table_format.h), read whole when opened.
// Text is UTF-8 in the file and GBK here. Not thread-safe by itself: the table
// layer (data_table.h) serialises every use.
class TableStore {
 public:
  // Opens the file, checks that it is an intact table of ours and reads every
  // record in order. A missing file gives "数据文件不存在：<file>", any other
  // failure "数据文件已损坏：<file>".
  static Result<std::unique_ptr<TableStore>> open(const std::filesystem::path& file);
  // The same for a table file's bytes, copied into memory: reads and writes never
  // reach a disk. `fileName` names the table in messages.
  static Result<std::unique_ptr<TableStore>> openInMemory(std::string_view bytes,
                                                          std::string fileName);
  ~TableStore();
  TableStore(const TableStore&) = delete;
  TableStore& operator=(const TableStore&) = delete;

  const std::vector<TableField>& fields() const { return fields_; }
  // The records as read at opening; append and clear keep the caller's copy in step.
  std::vector<TableRecord> takeRecords() { return std::move(loaded_); }

  // Stores one record at the end of the file and gives it back as it was stored.
  // Whole-number fields take decimal text only.
  Result<TableRecord> append(const TableRecord& values);
  // Stores the records in order in one transaction: all of them, or none.
  Result<std::vector<TableRecord>> appendAll(const std::vector<TableRecord>& records);
  // Deletes every record from the file.
  Result<Done> clear();

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
