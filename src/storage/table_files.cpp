#include "storage/table_files.h"

#include "storage/atomic_file.h"
#include "storage/built_in_tables.h"
#include "storage/table_store.h"
#include "text/gbk_literal.h"

#include <string>
#include <system_error>

namespace zeruda::storage {
namespace {

using namespace text::literals;

std::string fileNameOf(std::string_view alias) { return std::string(alias) + ".dat"; }

Result<std::unique_ptr<StoredTable>> stored(Result<std::unique_ptr<TableStore>> store) {
  if (!store.ok()) return store.failure();
  return std::unique_ptr<StoredTable>(std::move(store).value());
}

class BuiltInTables final : public TableSource {
 public:
  Result<std::unique_ptr<StoredTable>> open(std::string_view alias) override {
    const auto block = builtInTableBlock(alias);
    if (!block) return Error{"数据文件不存在："_gbk + fileNameOf(alias)};
    return stored(TableStore::openInMemory(*block, fileNameOf(alias)));
  }
};

class OwnedTableFiles final : public TableSource {
 public:
  explicit OwnedTableFiles(WorkingFolder folder) : folder_(std::move(folder)) {
    for (auto alias : kTableAliases) {
      auto block = builtInTableBlock(alias);
      auto file = tableFile(folder_, alias);
      std::error_code error;
      // A link in a table file's place counts as no file: it is replaced, never
      // written through.
      const auto status = std::filesystem::symlink_status(file, error);
      if (!block || file.empty() || (!error && std::filesystem::is_regular_file(status))) continue;
      // Written whole or not at all, so a crash here never leaves a damaged table.
      // Failures are left to the first open of the table.
      (void)writeOwnedFile(file, *block);
    }
  }

  ~OwnedTableFiles() override {
    for (auto alias : kTableDeletionOrder) {
      auto file = tableFile(folder_, alias);
      std::error_code ignored;
      if (!file.empty()) std::filesystem::remove(file, ignored);
    }
  }

  OwnedTableFiles(const OwnedTableFiles&) = delete;
  OwnedTableFiles& operator=(const OwnedTableFiles&) = delete;

  // A file gone missing or damaged while the program runs (another program, a
  // stray hand, a disk that filled up at start), or a link put in its place, is
  // written again from the built-in copy and opened anew. When that write fails
  // too, its error says why (a full disk, no permission), not the missing file.
  Result<std::unique_ptr<StoredTable>> open(std::string_view alias) override {
    const auto file = tableFile(folder_, alias);
    if (file.empty()) return Error{"尚未选定工作文件夹"_gbk};
    auto store = TableStore::open(file);
    const auto block = builtInTableBlock(alias);
    if (store.ok() || !block) return stored(std::move(store));
    if (auto written = writeOwnedFile(file, *block); !written.ok()) return written.failure();
    return stored(TableStore::open(file));
  }

 private:
  WorkingFolder folder_;
};

}  // namespace

std::filesystem::path tableFile(const WorkingFolder& folder, std::string_view alias) {
  return folder.file(fileNameOf(alias));
}

std::unique_ptr<TableSource> builtInTables() { return std::make_unique<BuiltInTables>(); }

std::unique_ptr<TableSource> ownedTableFiles(const WorkingFolder& folder) {
  return std::make_unique<OwnedTableFiles>(folder);
}

}  // namespace zeruda::storage
