#pragma once

#include "storage/table_source.h"
#include "storage/working_folder.h"

#include <array>
#include <filesystem>
#include <memory>
#include <string_view>

namespace zeruda::storage {

// The order in which the owner deletes the files at the end.
inline constexpr std::array<std::string_view, 5> kTableDeletionOrder = {"sl", "sc", "xm", "zk",
                                                                        "gs"};

// The file of a table in the working folder ("sl" → "sl.dat").
std::filesystem::path tableFile(const WorkingFolder& folder, std::string_view alias);

// The tables the program carries, each copied into memory when opened: reads and
// writes never reach a disk. Every process but the window that holds the working
// folder (zeruda-cli, a second window on its way out) keeps its tables so, and
// never touches the folder's table files.
std::unique_ptr<TableSource> builtInTables();

// The working folder's table files, owned by the one process that holds the folder.
// Made, it writes out the built-in file of every table that has no file there, in
// the order of kTableAliases; a file that is there is kept. A file found missing
// or damaged when its table is opened is written again then, and only when that
// fails too is the error given. When the source goes, the five files are deleted
// in kTableDeletionOrder.
std::unique_ptr<TableSource> ownedTableFiles(const WorkingFolder& folder);

}  // namespace zeruda::storage
