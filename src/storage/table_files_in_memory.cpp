// table_files.h for a build without the record store's library (the browser
// edition): the tables the program carries are read from their sources compiled in
// (built_in_table_texts.h) and kept in memory, appends and emptying included. Such a
// build writes no table files, so there are none to own: its owned tables are the
// same copies in memory.
#include "storage/table_files.h"

#include "storage/built_in_table_texts.h"
#include "storage/packed_table_text.h"
#include "storage/table_text.h"
#include "text/gbk.h"
#include "text/gbk_literal.h"

#include <string>

namespace zeruda::storage {
namespace {

using namespace text::literals;

std::string fileNameOf(std::string_view alias) { return std::string(alias) + ".dat"; }

// A table in memory only; what it stores is what a table file would give back.
class MemoryTable final : public StoredTable {
 public:
  MemoryTable(TableText table, std::string fileName)
      : table_(std::move(table)), fileName_(std::move(fileName)) {}

  const std::vector<TableField>& fields() const override { return table_.fields; }
  std::vector<TableRecord> takeRecords() override { return std::move(table_.records); }

  Result<TableRecord> append(const TableRecord& values) override {
    if (values.size() != table_.fields.size()) {
      return Error{"记录的字段数与数据表不符："_gbk + fileName_};
    }
    TableRecord stored = values;
    for (std::size_t i = 0; i < values.size(); ++i) {
      const TableField& field = table_.fields[i];
      if (!field.integer) {
        if (!text::gbkToUtf8(values[i]).ok()) {
          return Error{"文字不是有效的GBK编码："_gbk + field.name};
        }
        continue;
      }
      auto number = wholeNumberText(values[i]);
      if (!number) return Error{"此字段只能存放整数："_gbk + field.name};
      stored[i] = std::move(*number);
    }
    return stored;
  }

  Result<std::vector<TableRecord>> appendAll(const std::vector<TableRecord>& records) override {
    std::vector<TableRecord> stored;
    stored.reserve(records.size());
    for (const TableRecord& values : records) {
      auto one = append(values);
      if (!one.ok()) return one.failure();
      stored.push_back(std::move(one).value());
    }
    return stored;
  }

  Result<Done> clear() override { return Done{}; }

 private:
  TableText table_;
  std::string fileName_;
};

class BuiltInTableTexts final : public TableSource {
 public:
  Result<std::unique_ptr<StoredTable>> open(std::string_view alias) override {
    const std::string fileName = fileNameOf(alias);
    const auto source = builtInTableText(alias);
    if (!source) return Error{"数据文件不存在："_gbk + fileName};
    std::optional<std::string> unpacked;
    if (source->packed && !(unpacked = unpackTableText(source->bytes))) {
      return Error{"数据文件已损坏："_gbk + fileName};
    }
    auto table = readTableText(unpacked ? *unpacked : source->bytes, fileName);
    if (!table.ok()) return table.failure();
    return std::unique_ptr<StoredTable>(
        std::make_unique<MemoryTable>(std::move(table).value(), fileName));
  }
};

}  // namespace

std::filesystem::path tableFile(const WorkingFolder& folder, std::string_view alias) {
  return folder.file(fileNameOf(alias));
}

std::unique_ptr<TableSource> builtInTables() { return std::make_unique<BuiltInTableTexts>(); }

std::unique_ptr<TableSource> ownedTableFiles(const WorkingFolder&) { return builtInTables(); }

}  // namespace zeruda::storage
