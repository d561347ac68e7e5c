#pragma once

#include "calendar/date_time.h"
#include "text/result.h"
#include "wasm/request.h"

#include <string_view>

namespace zeruda::wasm {

// The date under `key`: "1985-06-15" as on the command line, or "1985年6月15日" as
// people write it; it must exist and lie within the calendar (1901-02-19 to
// 2048-12-31).
Result<calendar::Date> requestDate(const Request& request, std::string_view key);

// The time of day under `key`: "HH:MM" or "HH:MM:SS" (the date part left zero).
Result<calendar::DateTime> requestTime(const Request& request, std::string_view key);

// The moment of the date under `dateKey` and the time under `timeKey`.
Result<calendar::DateTime> requestMoment(const Request& request, std::string_view dateKey,
                                         std::string_view timeKey);

}  // namespace zeruda::wasm
