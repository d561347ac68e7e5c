#pragma once

#include "text/result.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeruda::storage {

// One of the five data tables ("sl", "sc", "xm", "gs", "zk"), by alias.
//
// A table is opened on first use and stays open until shutdownCleanup. Opening
// reads the whole file into memory (the largest table, "zk", is about a megabyte),
// so navigation and reading never touch the disk; appending and emptying write
// through to the file first. Records are numbered from 1 in file order, fields
// too, in the order of the table's field names. Every text is GBK.
//
// Threads: every call below is serialised by one lock and is safe from any thread.
// Position and current table are shared, though, so a walk over records (move,
// then read) belongs to one thread at a time: in this program the user-interface
// thread, or a generator's worker while the user-interface thread waits in its
// modal message. lookup() finds and reads in one call for exactly that reason.
//
// A handle stays valid after its table is closed: it then behaves like an empty
// table and its reads report that the table is not open.
class DataTable {
 public:
  const std::string& alias() const { return alias_; }

  std::vector<std::string> fieldNames() const;
  int recordCount() const;
  // The current record's number; recordCount() + 1 past the last record.
  int recordNumber() const;
  bool eof() const;

  void moveFirst();
  void moveNext();
  // False (and past the end) for a number outside 1 … recordCount().
  bool moveTo(int recordNumber);

  // A field of the current record as text, by name or by number (from 1).
  Result<std::string> field(std::string_view name) const;
  Result<std::string> field(int number) const;
  // Every field of the current record, in field order.
  Result<std::vector<std::string>> record() const;

  // Moves to the first record whose field `name` equals `value` exactly and says
  // whether there is one (past the end when not). Looks up an index, so it costs
  // the same for the last record as for the first.
  Result<bool> locate(std::string_view name, std::string_view value);
  // locate(), then field `wanted` of the record found, in one step; nothing when
  // no record matches.
  Result<std::optional<std::string>> lookup(std::string_view name, std::string_view value,
                                            std::string_view wanted);

  // Adds a record at the end (values in field order; whole-number fields take
  // decimal text) and moves to it; gives its number.
  Result<int> append(const std::vector<std::string>& values);
  // Adds the records at the end in one write to the file, all or none, and moves
  // to the last; gives its number.
  Result<int> appendAll(const std::vector<std::vector<std::string>>& records);
  // Deletes every record.
  Result<Done> empty();

 private:
  friend Result<DataTable> openDataTable(std::string_view alias);
  friend Result<DataTable> currentTable();
  explicit DataTable(std::string alias) : alias_(std::move(alias)) {}

  std::string alias_;
};

// Opens the table unless it is open already (from memory, or from the working
// folder's file in the process that owns it: table_files.h), makes it the current
// table and moves to its first record. Errors: unknown alias, and for the owner a
// file that is missing ("数据文件不存在：") or damaged ("数据文件已损坏：" + file
// name) and cannot be written again from the built-in copy.
Result<DataTable> openDataTable(std::string_view alias);

// The table opened or selected last.
Result<DataTable> currentTable();

// Closes every table; their handles then report that the table is not open.
void closeAllTables();

}  // namespace zeruda::storage
