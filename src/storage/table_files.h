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

// The file of a table in the working folder ("sl" → "sl.dat").
std::filesystem::path tableFile(std::string_view alias);

// Start-up: writes out the built-in file of every table that has no file in the
// working folder, in the order of kTableAliases. A file that is there is kept as
// it is, whatever it holds. Failures are left to the first open of the table.
void writeMissingTableFiles();

// Exit: closes every open table, then deletes the five table files from the
// working folder in kTableDeletionOrder. Worker threads must have ended.
void shutdownCleanup();

}  // namespace zeruda::storage
