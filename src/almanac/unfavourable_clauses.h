#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zeruda::almanac {

// A stretch of an officer's 忌 text and the lunar months it holds in. The texts qualify
// some clauses by months, "孟月（正月、四月、七月、十月）忌经商…": such a clause runs
// from the closing bracket to the next qualifier or the end of the text and holds only
// in the months named; the rest of the text holds in every month.
struct UnfavourableClause {
  std::string text;         // GBK
  std::vector<int> months;  // lunar months 1-12; empty: every month
  std::string monthsText;  // the bracket's content as written ("正月、四月、七月、十月")

  // Whether the clause holds in lunar month `month`; a leap month counts as the month
  // it repeats.
  bool holdsIn(int month) const;
};

// The clauses of a 忌 text (GBK), the unqualified beginning first (even when empty). A
// bracket that names anything but lunar months ("正月" … "十月", "十一月", "十二月",
// "冬月", "腊月" separated by "、") qualifies nothing and stays part of its clause.
std::vector<UnfavourableClause> unfavourableClauses(std::string_view text);

}  // namespace zeruda::almanac
