#pragma once

#include <array>
#include <filesystem>
#include <string_view>

namespace zeruda::storage {

// The five data tables, by alias, in the order start-up writes them out.
inline constexpr std::array<std::string_view, 5> kTableAliases = {"sl", "sc", "xm", "gs", "zk"};

// The order in which the files are deleted at exit.
inline constexpr std::array<std::string_view, 5> kTableDeletionOrder = {"sl", "sc", "xm", "zk",
                                                                        "gs"};

// Where this process keeps its tables. Only one process writes and deletes the
// working folder's table files: the window that holds the folder. Every other
// process (zeruda-cli, a second window on its way out) opens the tables the program
// carries as copies in memory and never touches those files.
enum class TableHome {
  kMemory,         // the built-in tables, copied into memory; the default
  kWorkingFolder,  // the working folder's files, this process owning them
};
TableHome tableHome();

// The file of a table in the working folder ("sl" → "sl.dat").
std::filesystem::path tableFile(std::string_view alias);

// Start-up of the folder's owner: from now on tables are opened from the working
// folder's files, and the built-in file of every table that has no file there is
// written out, in the order of kTableAliases. A file that is there is kept; one
// that turns out missing or damaged when it is opened is written again then.
// Failures are left to the first open of the table.
void ownTableFiles();

// Exit: closes every open table; the owner then deletes the five table files from
// the working folder in kTableDeletionOrder and gives them up (tables are in memory
// again afterwards). Worker threads must have ended.
void shutdownCleanup();

}  // namespace zeruda::storage
