#include "storage/data_table.h"

#include "text/gbk_literal.h"

#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <unordered_map>
#include <utility>

namespace zeruda::storage {
namespace {

using namespace text::literals;

struct OpenTable {
  std::unique_ptr<StoredTable> store;
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

Error notOpen(const std::string& alias) { return Error{"数据表未打开："_gbk + alias}; }
Error noField(std::string_view name) {
  return Error{"数据表中没有此字段："_gbk + std::string(name)};
}
Error noRecord(const std::string& alias) { return Error{"数据表没有当前记录："_gbk + alias}; }

}  // namespace

// The open tables by alias and where they come from, behind one lock. The tables
// are declared after their source, so they close before it goes.
struct OpenTables {
  std::mutex lock;
  std::unique_ptr<TableSource> source;
  std::map<std::string, OpenTable, std::less<>> open;

  // Runs `action` on the open table under the lock, or gives `closed` when the
  // table is not open.
  template <typename Action, typename Closed>
  auto with(const std::string& alias, Action action, Closed closed) {
    std::lock_guard guard(lock);
    auto found = open.find(alias);
    return found == open.end() ? closed() : action(found->second);
  }
};

TableSet::TableSet(std::unique_ptr<TableSource> source) : tables_(std::make_unique<OpenTables>()) {
  tables_->source = std::move(source);
}

TableSet::~TableSet() { closeAll(); }

Result<DataTable> TableSet::open(std::string_view alias) {
  if (std::find(kTableAliases.begin(), kTableAliases.end(), alias) == kTableAliases.end()) {
    return Error{"未知的数据表："_gbk + std::string(alias)};
  }
  std::lock_guard guard(tables_->lock);
  auto found = tables_->open.find(alias);
  if (found == tables_->open.end()) {
    auto stored = tables_->source->open(alias);
    if (!stored.ok()) return stored.failure();
    OpenTable table;
    table.store = std::move(stored).value();
    table.records = table.store->takeRecords();
    found = tables_->open.emplace(std::string(alias), std::move(table)).first;
  }
  found->second.position = 0;
  return DataTable(*tables_, std::string(alias));
}

void TableSet::closeAll() {
  std::lock_guard guard(tables_->lock);
  tables_->open.clear();
}

void TableSet::useSource(std::unique_ptr<TableSource> source) {
  std::unique_ptr<TableSource> old;
  {
    std::lock_guard guard(tables_->lock);
    tables_->open.clear();
    old = std::exchange(tables_->source, std::move(source));
  }
  old.reset();  // outside the lock: an owner of files deletes them now
}

std::vector<std::string> DataTable::fieldNames() const {
  return tables_->with(
      alias_,
      [](OpenTable& table) {
        std::vector<std::string> names;
        for (const auto& field : table.fields()) names.push_back(field.name);
        return names;
      },
      [] { return std::vector<std::string>(); });
}

int DataTable::recordCount() const {
  return tables_->with(
      alias_, [](OpenTable& table) { return static_cast<int>(table.records.size()); },
      [] { return 0; });
}

int DataTable::recordNumber() const {
  return tables_->with(
      alias_, [](OpenTable& table) { return static_cast<int>(table.position) + 1; },
      [] { return 1; });
}

bool DataTable::eof() const {
  return tables_->with(
      alias_, [](OpenTable& table) { return table.position >= table.records.size(); },
      [] { return true; });
}

void DataTable::moveFirst() {
  tables_->with(
      alias_, [](OpenTable& table) { table.position = 0; }, [] {});
}

void DataTable::moveNext() {
  tables_->with(
      alias_,
      [](OpenTable& table) {
        if (table.position < table.records.size()) ++table.position;
      },
      [] {});
}

bool DataTable::moveTo(int number) {
  return tables_->with(
      alias_,
      [number](OpenTable& table) {
        bool inside = number >= 1 && static_cast<std::size_t>(number) <= table.records.size();
        table.position = inside ? static_cast<std::size_t>(number - 1) : table.records.size();
        return inside;
      },
      [] { return false; });
}

Result<std::string> DataTable::field(std::string_view name) const {
  return tables_->with(
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
  return tables_->with(
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
  return tables_->with(
      alias_,
      [&](OpenTable& table) -> Result<std::vector<std::string>> {
        if (table.position >= table.records.size()) return noRecord(alias_);
        return table.records[table.position];
      },
      [&]() -> Result<std::vector<std::string>> { return notOpen(alias_); });
}

Result<bool> DataTable::locate(std::string_view name, std::string_view value) {
  return tables_->with(
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
  return tables_->with(
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
  return tables_->with(
      alias_,
      [&](OpenTable& table) -> Result<int> {
        auto stored = table.store->append(values);
        if (!stored.ok()) return stored.failure();
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
  return tables_->with(
      alias_,
      [&](OpenTable& table) -> Result<int> {
        auto stored = table.store->appendAll(records);
        if (!stored.ok()) return stored.failure();
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
  return tables_->with(
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
