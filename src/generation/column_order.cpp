#include "generation/column_order.h"

#include "text/gbk_literal.h"

#include <array>
#include <string_view>

namespace zeruda::generation {

using namespace text::literals;

namespace {

// A stroke cell holds up to four counts (one per body character); each count stays
// well below this, so the counts can stand as the digits of one number.
constexpr double kStrokeBase = 100;
constexpr int kStrokePlaces = 4;

// The counts of a stroke cell ("12,8-6") as one number, the first count weighing most;
// the places a shorter cell lacks count as zero, so it sorts before its longer kin.
double strokeNumber(std::string_view cell) {
  std::array<int, kStrokePlaces> counts{};
  int place = -1;
  bool inCount = false;
  for (const char c : cell) {
    const bool digit = c >= '0' && c <= '9';
    if (digit && !inCount) ++place;
    inCount = digit;
    if (digit && place < kStrokePlaces) counts[place] = counts[place] * 10 + (c - '0');
  }
  double number = 0;
  for (const int count : counts) number = number * kStrokeBase + count;
  return number;
}

double starCount(std::string_view cell) {
  const std::string& star = "☆"_gbk;
  double stars = 0;
  for (std::size_t at = cell.find(star); at != std::string_view::npos;
       at = cell.find(star, at + star.size())) {
    ++stars;
  }
  return stars;
}

double sequenceNumber(std::string_view cell) {
  double number = 0;
  for (const char c : cell) {
    if (c < '0' || c > '9') break;
    number = number * 10 + (c - '0');
  }
  return number;
}

}  // namespace

std::optional<double> columnSortNumber(const CandidateRow& row, Column column) {
  const std::string& cell = row.cell(column);
  switch (column) {
    case Column::Sequence:
      return sequenceNumber(cell);
    case Column::WrittenStrokes:
    case Column::KangxiStrokes:
      return strokeNumber(cell);
    case Column::Stars:
      return starCount(cell);
    case Column::FullName:
    case Column::Body:
    case Column::Elements:
      break;
  }
  return std::nullopt;
}

}  // namespace zeruda::generation
