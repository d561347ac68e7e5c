#pragma once

#include "wasm/functions.h"

namespace zeruda::wasm {

// month {year, month}: the month grid of `zeruda-cli month YYYY-MM`.
Result<Reply> monthFunction(const Request& request);

}  // namespace zeruda::wasm
