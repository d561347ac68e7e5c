#pragma once

#include "storage/table_source.h"
#include "text/result.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zeruda::storage {

class TableSet;
struct OpenTables;  // a set's open tables behind its lock (data_table.cpp)

// One of the five data tables ("sl", "sc", "xm", "gs", "zk") of a table set, by alias.
//
// A table is opened on first use and stays open until its set closes it. Opening
// reads the whole table into memory (the largest, "zk", is about a megabyte), so
// navigation and reading never touch the disk; appending and emptying write through
// to where the table is kept first. Records are numbered from 1 in stored order,
// fields too, in the order of the table's field names. Every text is GBK.
//
// Threads: every call below is serialised by the set's lock and is safe from any
// thread. The position is shared by every handle of the table, though, so a walk
// over records (move, then read) belongs to one thread at a time. In this program a
// generator run on a thread of its own only looks characters up with lookup(),
// which finds and reads in one call for exactly that reason, and appends to the
// scratch table "xm"; the thread that started the run leaves "xm" alone from the
// run's start until it is told, after the run's thread has finished with it, that
// the run has ended. Every other walk is that one thread's.
//
// A handle stays valid after its table is closed: it then behaves like an empty
// table and its reads report that the table is not open. It must not outlive its set.
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
  friend class TableSet;
  DataTable(OpenTables& tables, std::string alias) : tables_(&tables), alias_(std::move(alias)) {}

  OpenTables* tables_;
  std::string alias_;
};

// The tables one program run has open, each opened once from the set's source. The
// session owns the program's set (app/session.h); a set also stands alone over any
// source, as the tests' do and a build without SQLite's would.
class TableSet {
 public:
  explicit TableSet(std::unique_ptr<TableSource> source);
  // Closes every table before its source goes.
  ~TableSet();
  TableSet(const TableSet&) = delete;
  TableSet& operator=(const TableSet&) = delete;

  // Opens the table unless it is open already and moves to its first record.
  // Errors: an alias that is not one of kTableAliases ("未知的数据表："), and the
  // source's (a missing or damaged file that cannot be written again).
  Result<DataTable> open(std::string_view alias);

  // Closes every table; their handles then report that the table is not open.
  void closeAll();

  // Closes every table and opens them from `source` from now on; the old source
  // goes (an owner of table files deletes them then).
  void useSource(std::unique_ptr<TableSource> source);

 private:
  std::unique_ptr<OpenTables> tables_;
};

}  // namespace zeruda::storage
