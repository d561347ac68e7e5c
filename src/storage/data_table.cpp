#include "storage/data_table.h"

#include "storage/atomic_file.h"
#include "storage/built_in_tables.h"
#include "storage/table_files.h"
#include "storage/table_store.h"
#include "text/gbk_literal.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>

namespace zeruda::storage {
namespace {

using namespace text::literals;

struct OpenTable {
  std::unique_ptr<TableStore> store;
  std::vector<TableRecord> records;
  std::size_t position = 0;  // index into records; records.size() past the end
  // Per field number: value → index of its first record, built on first search.
  std::unordered_map<std::size_t, std::unordered_map<std::string, std::size_t>> indexes;

  const std::vector<TableField>& fields() const { return store->fields(); }

  std::optional<std::size_t> fieldIndex(std::string_view name) const {
    const auto& list = fields();
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (list[i].name == name) return i;
    }
    return std::nullopt;
  }

  const std::unordered_map<std::string, std::size_t>& index(std::size_t field) {
    auto [entry, added] = indexes.try_emplace(field);
    if (added) {
      for (std::size_t i = 0; i < records.size(); ++i)
        entry->second.try_emplace(records[i][field], i);
    }
    return entry->second;
  }
};

struct Registry {
  std::mutex lock;
  std::map<std::string, OpenTable, std::less<>> tables;
  std::string current;
};

Registry& registry() {
  static Registry instance;
  return instance;
}

Error notOpen(const std::string& alias) { return Error{"数据表未打开："_gbk + alias}; }
Error noField(std::string_view name) {
  return Error{"数据表中没有此字段："_gbk + std::string(name)};
}
Error noRecord(const std::string& alias) { return Error{"数据表没有当前记录："_gbk + alias}; }

// The table as this process keeps it (table_files.h). The owner's file, when it
// has gone missing or been damaged while the program runs (another program, a
// stray hand, a disk that filled up at start), is written again from the built-in
// copy and opened anew; only when that fails too is its error given.
Result<std::unique_ptr<TableStore>> openStore(std::string_view alias) {
  const auto block = builtInTableBlock(alias);
  const std::string fileName = std::string(alias) + ".dat";
  if (tableHome() == TableHome::kMemory) {
    if (!block) return Error{"数据文件不存在："_gbk + fileName};
    return TableStore::openInMemory(*block, fileName);
  }
  const auto file = tableFile(alias);
  if (file.empty()) return Error{"尚未选定工作文件夹"_gbk};
  auto store = TableStore::open(file);
  if (store.ok() || !block || !writeFileAtomically(file, *block).ok()) return store;
  return TableStore::open(file);
}

// Runs `action` on the open table under the lock, or gives `closed` when the table
// is not open.
template <typename Action, typename Closed>
auto withTable(const std::string& alias, Action action, Closed closed) {
  auto& all = registry();
  std::lock_guard guard(all.lock);
  auto found = all.tables.find(alias);
  return found == all.tables.end() ? closed() : action(found->second);
}

}  // namespace

Result<DataTable> openDataTable(std::string_view alias) {
  if (std::find(kTableAliases.begin(), kTableAliases.end(), alias) == kTableAliases.end()) {
    return Error{"未知的数据表："_gbk + std::string(alias)};
  }
  auto& all = registry();
  std::lock_guard guard(all.lock);
  auto found = all.tables.find(alias);
  if (found == all.tables.end()) {
    auto store = openStore(alias);
    if (!store.ok()) return Error{store.error()};
    OpenTable table;
    table.store = std::move(store).value();
    table.records = table.store->takeRecords();
    found = all.tables.emplace(std::string(alias), std::move(table)).first;
  }
  found->second.position = 0;
  all.current = std::string(alias);
  return DataTable(std::string(alias));
}

Result<DataTable> currentTable() {
  auto& all = registry();
  std::lock_guard guard(all.lock);
  if (all.current.empty() || !all.tables.contains(all.current))
    return Error{"没有打开的数据表"_gbk};
  return DataTable(all.current);
}

void closeAllTables() {
  auto& all = registry();
  std::lock_guard guard(all.lock);
  all.tables.clear();
  all.current.clear();
}

std::vector<std::string> DataTable::fieldNames() const {
  return withTable(
      alias_,
      [](OpenTable& table) {
        std::vector<std::string> names;
        for (const auto& field : table.fields()) names.push_back(field.name);
        return names;
      },
      [] { return std::vector<std::string>(); });
}

int DataTable::recordCount() const {
  return withTable(
      alias_, [](OpenTable& table) { return static_cast<int>(table.records.size()); },
      [] { return 0; });
}

int DataTable::recordNumber() const {
  return withTable(
      alias_, [](OpenTable& table) { return static_cast<int>(table.position) + 1; },
      [] { return 1; });
}

bool DataTable::eof() const {
  return withTable(
      alias_, [](OpenTable& table) { return table.position >= table.records.size(); },
      [] { return true; });
}

void DataTable::moveFirst() {
  withTable(
      alias_, [](OpenTable& table) { table.position = 0; }, [] {});
}

void DataTable::moveNext() {
  withTable(
      alias_,
      [](OpenTable& table) {
        if (table.position < table.records.size()) ++table.position;
      },
      [] {});
}

bool DataTable::moveTo(int number) {
  return withTable(
      alias_,
      [number](OpenTable& table) {
        bool inside = number >= 1 && static_cast<std::size_t>(number) <= table.records.size();
        table.position = inside ? static_cast<std::size_t>(number - 1) : table.records.size();
        return inside;
      },
      [] { return false; });
}

Result<std::string> DataTable::field(std::string_view name) const {
  return withTable(
      alias_,
      [&](OpenTable& table) -> Result<std::string> {
        auto index = table.fieldIndex(name);
        if (!index) return noField(name);
        if (table.position >= table.records.size()) return noRecord(alias_);
        return table.records[table.position][*index];
      },
      [&]() -> Result<std::string> { return notOpen(alias_); });
}

Result<std::string> DataTable::field(int number) const {
  return withTable(
      alias_,
      [&](OpenTable& table) -> Result<std::string> {
        if (number < 1 || static_cast<std::size_t>(number) > table.fields().size()) {
          return noField(std::to_string(number));
        }
        if (table.position >= table.records.size()) return noRecord(alias_);
        return table.records[table.position][static_cast<std::size_t>(number - 1)];
      },
      [&]() -> Result<std::string> { return notOpen(alias_); });
}

Result<std::vector<std::string>> DataTable::record() const {
  return withTable(
      alias_,
      [&](OpenTable& table) -> Result<std::vector<std::string>> {
        if (table.position >= table.records.size()) return noRecord(alias_);
        return table.records[table.position];
      },
      [&]() -> Result<std::vector<std::string>> { return notOpen(alias_); });
}

Result<bool> DataTable::locate(std::string_view name, std::string_view value) {
  return withTable(
      alias_,
      [&](OpenTable& table) -> Result<bool> {
        auto field = table.fieldIndex(name);
        if (!field) return noField(name);
        const auto& index = table.index(*field);
        auto found = index.find(std::string(value));
        table.position = found == index.end() ? table.records.size() : found->second;
        return found != index.end();
      },
      [&]() -> Result<bool> { return notOpen(alias_); });
}

Result<std::optional<std::string>> DataTable::lookup(std::string_view name, std::string_view value,
                                                     std::string_view wanted) {
  using Found = Result<std::optional<std::string>>;
  return withTable(
      alias_,
      [&](OpenTable& table) -> Found {
        auto field = table.fieldIndex(name);
        auto wantedField = table.fieldIndex(wanted);
        if (!field) return noField(name);
        if (!wantedField) return noField(wanted);
        const auto& index = table.index(*field);
        auto found = index.find(std::string(value));
        if (found == index.end()) {
          table.position = table.records.size();
          return std::optional<std::string>();
        }
        table.position = found->second;
        return std::optional<std::string>(table.records[found->second][*wantedField]);
      },
      [&]() -> Found { return notOpen(alias_); });
}

Result<int> DataTable::append(const std::vector<std::string>& values) {
  return withTable(
      alias_,
      [&](OpenTable& table) -> Result<int> {
        auto stored = table.store->append(values);
        if (!stored.ok()) return Error{stored.error()};
        table.records.push_back(std::move(stored).value());
        table.position = table.records.size() - 1;
        for (auto& [field, index] : table.indexes) {
          index.try_emplace(table.records.back()[field], table.position);
        }
        return static_cast<int>(table.records.size());
      },
      [&]() -> Result<int> { return notOpen(alias_); });
}

Result<int> DataTable::appendAll(const std::vector<std::vector<std::string>>& records) {
  return withTable(
      alias_,
      [&](OpenTable& table) -> Result<int> {
        auto stored = table.store->appendAll(records);
        if (!stored.ok()) return Error{stored.error()};
        for (auto& record : stored.value()) {
          table.records.push_back(std::move(record));
          for (auto& [field, index] : table.indexes) {
            index.try_emplace(table.records.back()[field], table.records.size() - 1);
          }
        }
        table.position = table.records.empty() ? 0 : table.records.size() - 1;
        return static_cast<int>(table.records.size());
      },
      [&]() -> Result<int> { return notOpen(alias_); });
}

Result<Done> DataTable::empty() {
  return withTable(
      alias_,
      [&](OpenTable& table) -> Result<Done> {
        auto cleared = table.store->clear();
        if (!cleared.ok()) return cleared;
        table.records.clear();
        table.indexes.clear();
        table.position = 0;
        return Done{};
      },
      [&]() -> Result<Done> { return notOpen(alias_); });
}

}  // namespace zeruda::storage
