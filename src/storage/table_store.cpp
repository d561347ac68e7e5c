#include "storage/table_store.h"

#include "storage/atomic_file.h"
#include "storage/table_format.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

#include <sqlite3.h>

#include <charconv>
#include <cstring>
#include <system_error>

namespace zeruda::storage {
namespace {

using namespace text::literals;

// A prepared statement that finalises itself.
class Statement {
 public:
  Statement(sqlite3* db, const char* sql) {
    if (sqlite3_prepare_v2(db, sql, -1, &statement_, nullptr) != SQLITE_OK) statement_ = nullptr;
  }
  ~Statement() { sqlite3_finalize(statement_); }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  bool valid() const { return statement_ != nullptr; }
  sqlite3_stmt* get() const { return statement_; }

 private:
  sqlite3_stmt* statement_ = nullptr;
};

std::optional<long long> singleInteger(sqlite3* db, const char* sql) {
  Statement statement(db, sql);
  if (!statement.valid() || sqlite3_step(statement.get()) != SQLITE_ROW) return std::nullopt;
  return sqlite3_column_int64(statement.get(), 0);
}

std::string columnBytes(sqlite3_stmt* statement, int column) {
  const auto* bytes = sqlite3_column_text(statement, column);
  int size = sqlite3_column_bytes(statement, column);
  return bytes ? std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(size))
               : std::string();
}

std::optional<long long> wholeNumber(std::string_view text) {
  long long value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    return std::nullopt;
  }
  return value;
}

}  // namespace

Result<std::unique_ptr<TableStore>> TableStore::open(const std::filesystem::path& file) {
  const std::string fileName = file.filename().string();
  std::error_code error;
  // A link is no table file: SQLite would write through it.
  if (file.empty() ||
      !std::filesystem::is_regular_file(std::filesystem::symlink_status(file, error))) {
    return Error{"数据文件不存在："_gbk + fileName};
  }
  // Nor are links in the places of its journal files.
  for (const char* journal : {"-journal", "-wal", "-shm"}) removeLinkAt(file.string() + journal);
  sqlite3* db = nullptr;
  // Opened read-write (read-only when the file is write-protected); never created,
  // never through a link put there since the check above.
  int opened =
      sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOFOLLOW, nullptr);
  std::unique_ptr<TableStore> store(new TableStore(db, fileName));
  if (opened != SQLITE_OK) return store->damaged();
  sqlite3_busy_timeout(db, 2000);
  // The tables are rebuilt from the program whenever they are missing; the scratch
  // table "xm" holds nothing worth a disk flush per record.
  sqlite3_exec(db, "PRAGMA synchronous = OFF", nullptr, nullptr, nullptr);
  return readOpened(std::move(store));
}

Result<std::unique_ptr<TableStore>> TableStore::openInMemory(std::string_view bytes,
                                                             std::string fileName) {
  sqlite3* db = nullptr;
  int opened = sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE, nullptr);
  std::unique_ptr<TableStore> store(new TableStore(db, std::move(fileName)));
  if (opened != SQLITE_OK) return store->damaged();
  // SQLite takes a buffer of its own, which it may grow as records are added and
  // frees with the connection.
  const auto size = static_cast<sqlite3_int64>(bytes.size());
  auto* copy = static_cast<unsigned char*>(sqlite3_malloc64(bytes.size()));
  if (copy == nullptr) return store->damaged();
  std::memcpy(copy, bytes.data(), bytes.size());
  if (sqlite3_deserialize(db, "main", copy, size, size,
                          SQLITE_DESERIALIZE_FREEONCLOSE | SQLITE_DESERIALIZE_RESIZEABLE) !=
      SQLITE_OK) {
    return store->damaged();
  }
  return readOpened(std::move(store));
}

Result<std::unique_ptr<TableStore>> TableStore::readOpened(std::unique_ptr<TableStore> store) {
  if (auto layout = store->readLayout(); !layout.ok()) return layout.failure();
  if (auto records = store->readRecords(); !records.ok()) return records.failure();
  return store;
}

TableStore::~TableStore() {
  sqlite3_finalize(insert_);
  sqlite3_close(db_);
}

Error TableStore::damaged() const { return Error{"数据文件已损坏："_gbk + fileName_}; }
Error TableStore::writeFailed() const { return Error{"数据文件写入失败："_gbk + fileName_}; }

Result<Done> TableStore::readLayout() {
  {
    Statement check(db_, "PRAGMA quick_check");
    if (!check.valid() || sqlite3_step(check.get()) != SQLITE_ROW ||
        columnBytes(check.get(), 0) != "ok") {
      return damaged();
    }
  }
  if (singleInteger(db_, "PRAGMA application_id") != kTableApplicationId ||
      singleInteger(db_, "PRAGMA user_version") != kTableLayoutVersion) {
    return damaged();
  }
  Statement columns(db_, "SELECT name, type FROM pragma_table_info('records') ORDER BY cid");
  if (!columns.valid()) return damaged();
  while (sqlite3_step(columns.get()) == SQLITE_ROW) {
    auto name = text::utf8ToGbk(columnBytes(columns.get(), 0));
    if (!name.ok() || name.value().empty()) return damaged();
    fields_.push_back({std::move(name).value(), columnBytes(columns.get(), 1) == "INTEGER"});
  }
  if (fields_.empty()) return damaged();
  return Done{};
}

Result<Done> TableStore::readRecords() {
  Statement select(db_, "SELECT * FROM records ORDER BY rowid");
  if (!select.valid() || sqlite3_column_count(select.get()) != static_cast<int>(fields_.size())) {
    return damaged();
  }
  int step;
  while ((step = sqlite3_step(select.get())) == SQLITE_ROW) {
    TableRecord record;
    record.reserve(fields_.size());
    for (int column = 0; column < static_cast<int>(fields_.size()); ++column) {
      if (sqlite3_column_type(select.get(), column) == SQLITE_INTEGER) {
        record.push_back(std::to_string(sqlite3_column_int64(select.get(), column)));
        continue;
      }
      auto value = text::utf8ToGbk(columnBytes(select.get(), column));
      if (!value.ok()) return damaged();
      record.push_back(std::move(value).value());
    }
    loaded_.push_back(std::move(record));
  }
  if (step != SQLITE_DONE) return damaged();
  return Done{};
}

Result<TableRecord> TableStore::append(const TableRecord& values) {
  if (values.size() != fields_.size()) {
    return Error{"记录的字段数与数据表不符："_gbk + fileName_};
  }
  if (insert_ == nullptr) {
    std::string sql = "INSERT INTO records VALUES (";
    for (std::size_t i = 0; i < fields_.size(); ++i) sql += i ? ",?" : "?";
    sql += ")";
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &insert_, nullptr) != SQLITE_OK) {
      insert_ = nullptr;
      return writeFailed();
    }
  }
  TableRecord stored;
  sqlite3_reset(insert_);
  for (std::size_t i = 0; i < values.size(); ++i) {
    const int slot = static_cast<int>(i) + 1;
    if (fields_[i].integer) {
      auto number = wholeNumber(values[i]);
      if (!number) return Error{"此字段只能存放整数："_gbk + fields_[i].name};
      sqlite3_bind_int64(insert_, slot, *number);
      stored.push_back(std::to_string(*number));
    } else {
      auto utf8 = text::gbkToUtf8(values[i]);
      if (!utf8.ok()) return Error{"文字不是有效的GBK编码："_gbk + fields_[i].name};
      sqlite3_bind_text(insert_, slot, utf8.value().data(), static_cast<int>(utf8.value().size()),
                        SQLITE_TRANSIENT);
      stored.push_back(values[i]);
    }
  }
  int step = sqlite3_step(insert_);
  sqlite3_reset(insert_);
  sqlite3_clear_bindings(insert_);
  if (step != SQLITE_DONE) return writeFailed();
  return stored;
}

Result<std::vector<TableRecord>> TableStore::appendAll(const std::vector<TableRecord>& records) {
  if (sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK) {
    return writeFailed();
  }
  std::vector<TableRecord> stored;
  stored.reserve(records.size());
  for (const TableRecord& values : records) {
    auto one = append(values);
    if (!one.ok()) {
      sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
      return one.failure();
    }
    stored.push_back(std::move(one).value());
  }
  if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    return writeFailed();
  }
  return stored;
}

Result<Done> TableStore::clear() {
  if (sqlite3_exec(db_, "DELETE FROM records", nullptr, nullptr, nullptr) != SQLITE_OK) {
    return writeFailed();
  }
  return Done{};
}

}  // namespace zeruda::storage
