#include "wasm/calendar_functions.h"

#include "almanac/month_grid.h"
#include "calendar/gregorian.h"
#include "calendar/lunar.h"
#include "text/gbk_literal.h"

namespace zeruda::wasm {

using namespace text::literals;

Result<Reply> monthFunction(const Request& request) {
  const auto year = request.number("year", 1, 9999);
  const auto month = request.number("month", 1, 12);
  if (!year.ok()) return Error{year.error()};
  if (!month.ok()) return Error{month.error()};
  if (!year.value() || !month.value()) return Error{"缺少year或month"_gbk};
  const int y = *year.value(), m = *month.value();
  // A month is shown when any of its days lies within the calendar.
  const calendar::Date first{y, m, 1};
  const calendar::Date last{y, m, calendar::daysInMonth(y, m)};
  if (last < calendar::kFirstLunarDate || first > calendar::kLastLunarDate) {
    return Error{"月份不在历法范围内（1901-02-19至2048-12-31）"_gbk};
  }
  return Reply{Reply::Kind::Text, almanac::monthGrid(y, m)};
}

}  // namespace zeruda::wasm
