#pragma once

#include "calendar/date_time.h"
#include "text/result.h"

#include <string_view>

namespace zeruda::calendar {

// A time of day typed or pasted (GBK): hour and minute, and optionally seconds, as runs
// of one or two digits separated by ":" or "：" ("08:30", "8:30:15", full-width digits
// too; blanks around it are left out). The result has only the time-of-day fields
// set, or is a message when the text is no time or names none of 00:00:00 to 23:59:59.
Result<DateTime> parseTypedTime(std::string_view text);

}  // namespace zeruda::calendar
