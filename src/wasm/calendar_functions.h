#pragma once

#include "wasm/functions.h"

// The page functions on dates: each answers as the command named beside it.
namespace zeruda::wasm {

// chart {date, time}: `zeruda-cli chart DATE TIME --json`.
Result<Reply> chartFunction(const Request& request);
// chartSvg {date, time}: the element chart that `chart DATE TIME --svg FILE` writes.
Result<Reply> chartSvgFunction(const Request& request);
// almanac {date}: `zeruda-cli almanac DATE --json`.
Result<Reply> almanacFunction(const Request& request);
// The days almanac-search lists, as it prints them, and the activities it offers.
Result<Reply> almanacSearchFunction(const Request& request);
Result<Reply> almanacActivitiesFunction(const Request& request);
// openingDays {from, days, birth, time}: `zeruda-cli opening-days … --json`.
Result<Reply> openingDaysFunction(const Request& request);
// openingLeftOut {from, days, birth, time}: the days that search leaves out for their
// clash with the legal representative, [{date, note}].
Result<Reply> openingLeftOutFunction(const Request& request);
// month {year, month}: the month grid of `zeruda-cli month YYYY-MM`.
Result<Reply> monthFunction(const Request& request);
// monthDays {year, month}: the month view's days, [{date, name, lunar_name, term,
// festivals}] with the name a day cell shows under its number (a lunar day, a lunar
// month or a term), the lunar month and day ("冬月初七"), the term that begins on the
// day ("" on others) and its festivals.
Result<Reply> monthDaysFunction(const Request& request);

}  // namespace zeruda::wasm
