#include "storage/table_files.h"

#include "storage/atomic_file.h"
#include "storage/built_in_tables.h"
#include "storage/data_table.h"
#include "storage/program_state.h"
#include "storage/working_folder.h"

#include <string>
#include <system_error>

namespace zeruda::storage {

TableHome tableHome() { return programState().tables; }

std::filesystem::path tableFile(std::string_view alias) {
  return workingPath(std::string(alias) + ".dat");
}

void ownTableFiles() {
  closeAllTables();  // anything opened in memory before is opened from the files now
  programState().tables = TableHome::kWorkingFolder;
  for (auto alias : kTableAliases) {
    auto block = builtInTableBlock(alias);
    auto file = tableFile(alias);
    std::error_code error;
    if (!block || file.empty() || std::filesystem::exists(file, error) || error) continue;
    // Written whole or not at all, so a crash here never leaves a damaged table.
    (void)writeFileAtomically(file, *block);
  }
}

void shutdownCleanup() {
  closeAllTables();
  if (tableHome() != TableHome::kWorkingFolder) return;
  programState().tables = TableHome::kMemory;
  for (auto alias : kTableDeletionOrder) {
    auto file = tableFile(alias);
    std::error_code ignored;
    if (!file.empty()) std::filesystem::remove(file, ignored);
  }
}

}  // namespace zeruda::storage
