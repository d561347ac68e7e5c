#pragma once

#include <filesystem>

namespace zeruda::storage {

enum class TableHome;

// Where the program keeps its working files and its tables, chosen at start-up,
// before any worker thread exists, and only read afterwards, so it needs no lock.
// (The other state shared across the program lives with its users: the
// generators' stop flag in generation/stop_flag.h, the article viewer's address in
// library/page_files.h.)
struct ProgramState {
  std::filesystem::path driveRoot;      // the chosen root (empty until chosen)
  std::filesystem::path workingFolder;  // driveRoot + "zeruda/gs/"
  TableHome tables{};                   // table_files.h; in memory until the window owns the files
};

ProgramState& programState();

}  // namespace zeruda::storage
