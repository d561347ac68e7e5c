#pragma once

#include "naming/judgement.h"
#include "numerology/score_parts.h"

#include <array>
#include <memory>
#include <string>

namespace zeruda::generation {

// The columns of the company result list, left to right.
enum class Column { Sequence, FullName, Body, WrittenStrokes, KangxiStrokes, Elements, Stars };
inline constexpr std::size_t kColumnCount = 7;

// One accepted candidate as the result list shows it: seven GBK cells, which export
// and the report read back, with what the list shows beside them: how its stars were
// counted and the judgement of its 字号 (shared by the rows of one run that give the
// same 字号). Both follow from the cells, which alone decide equality.
struct CandidateRow {
  std::array<std::string, kColumnCount> cells;
  numerology::ScoreParts parts;
  std::shared_ptr<const naming::NameJudgement> judgement;

  const std::string& cell(Column column) const { return cells[static_cast<std::size_t>(column)]; }
  std::string& cell(Column column) { return cells[static_cast<std::size_t>(column)]; }
  bool operator==(const CandidateRow& other) const { return cells == other.cells; }
};

}  // namespace zeruda::generation
