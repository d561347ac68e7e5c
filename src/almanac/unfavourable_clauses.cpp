#include "almanac/unfavourable_clauses.h"

#include "calendar/lunar_names.h"
#include "text/characters.h"
#include "text/gbk_literal.h"

#include <algorithm>
#include <optional>

namespace zeruda::almanac {

using namespace calendar;
namespace {

using namespace text::literals;

// A lunar month by any of its names; nothing for other text.
std::optional<int> monthOfName(std::string_view name) {
  if (name == "十一月"_gbk) return 11;
  if (name == "十二月"_gbk) return 12;
  for (int month = 1; month <= 12; ++month) {
    if (name == dateBoxMonthName(month, false)) return month;
  }
  return std::nullopt;
}

// The months a bracket's content names, or nothing when it is not a list of months.
std::optional<std::vector<int>> monthsOfList(std::string_view list) {
  const std::string& separator = "、"_gbk;
  std::vector<int> months;
  while (true) {
    const std::size_t end = std::min(text::findCharacterAware(list, separator), list.size());
    const auto month = monthOfName(list.substr(0, end));
    if (!month) return std::nullopt;
    months.push_back(*month);
    if (end == list.size()) return months;
    list.remove_prefix(end + separator.size());
  }
}

}  // namespace

bool UnfavourableClause::holdsIn(int month) const {
  return months.empty() || std::find(months.begin(), months.end(), month) != months.end();
}

std::vector<UnfavourableClause> unfavourableClauses(std::string_view text) {
  const std::string& open = "（"_gbk;
  const std::string& close = "）"_gbk;
  std::vector<UnfavourableClause> clauses(1);
  std::size_t clauseStart = 0;
  std::size_t searchFrom = 0;
  while (true) {
    const std::size_t opening = text::findCharacterAware(text, open, searchFrom);
    if (opening == std::string_view::npos) break;
    const std::size_t inside = opening + open.size();
    const std::size_t closing = text::findCharacterAware(text, close, inside);
    if (closing == std::string_view::npos) break;
    searchFrom = closing + close.size();
    const std::string_view list = text.substr(inside, closing - inside);
    auto months = monthsOfList(list);
    if (!months) continue;
    clauses.back().text = std::string(text.substr(clauseStart, opening - clauseStart));
    clauses.push_back({{}, std::move(*months), std::string(list)});
    clauseStart = searchFrom;
  }
  clauses.back().text = std::string(text.substr(clauseStart));
  return clauses;
}

}  // namespace zeruda::almanac
