#pragma once

#include <string_view>

// The layout of a data-table file, shared by the program and the build-time tool
// that makes the files (tools/mktable). A table file is an SQLite database with:
// - a table "records": one column per field, in field order; text fields hold UTF-8
//   (so the files can be read with the sqlite3 shell), whole-number fields INTEGER;
//   records in rowid order;
// - a table "about" (key, value) naming the source the file was built from;
// - these two header values, which mark the file as one of ours.
namespace zeruda::storage {

inline constexpr int kTableApplicationId = 0x5A524454;  // "ZRDT"
inline constexpr int kTableLayoutVersion = 1;

// In a table source, a field name ending in this suffix holds whole numbers.
inline constexpr std::string_view kIntegerFieldSuffix = ":integer";

}  // namespace zeruda::storage
