#pragma once

#include "generation/candidate_row.h"

#include <optional>

namespace zeruda::generation {

// What a column of the result list sorts by when it holds numbers: 编号 by its value,
// the two stroke columns number by number from the left (so 9 before 10 before 21,
// and 6,10 before 6,10-6 before 6,11), 星级 by its count of stars. Nothing for the
// text columns (全名, 主体名, 五行), which sort by their GBK bytes: pinyin order for
// the common characters, as the code page lays them out.
std::optional<double> columnSortNumber(const CandidateRow& row, Column column);

}  // namespace zeruda::generation
