#pragma once

#include <array>
#include <string>

namespace zeruda::generation {

// The columns of the company result list, left to right.
enum class Column { Sequence, FullName, Body, WrittenStrokes, KangxiStrokes, Elements, Stars };
inline constexpr std::size_t kColumnCount = 7;

// One accepted candidate as the result list shows it: seven GBK cells. The list
// keeps nothing else, so export and the report read these cells back.
struct CandidateRow {
  std::array<std::string, kColumnCount> cells;

  const std::string& cell(Column column) const { return cells[static_cast<std::size_t>(column)]; }
  std::string& cell(Column column) { return cells[static_cast<std::size_t>(column)]; }
  bool operator==(const CandidateRow&) const = default;
};

}  // namespace zeruda::generation
