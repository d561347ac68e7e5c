#pragma once

#include <array>
#include <cstdint>
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

// The list's column captions (GBK), with the leading blanks that place them.
const std::array<std::string, kColumnCount>& columnCaptions();

// Column widths in whole pixels for a page `pageWidth` pixels wide: each column keeps
// its share of an 864-pixel page (45, 240, 78, 95, 105, 110, 95), fractions dropped.
std::array<int, kColumnCount> columnWidths(int pageWidth);

// The list itself is 20 pixels narrower than its page.
int resultListWidth(int pageWidth);

// Background of a row by its 1-based number, as 0xRRGGBB: odd rows light grey,
// even rows white, so the first row after a new request is grey again.
std::uint32_t rowBackground(int rowNumber);

}  // namespace zeruda::generation
