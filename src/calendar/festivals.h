#pragma once

#include "calendar/date_time.h"

#include <string>
#include <vector>

namespace zeruda::calendar {

// The traditional festivals and public holidays of a Gregorian date, GBK names in the
// order of the festival table under data/calendar (2020-10-01 gives "中秋", "国庆节").
// Lunar festivals fall on their month proper, never on its leap copy; 除夕 is the last
// day of the twelfth month, the 29th or the 30th as the month's length has it. Empty for
// an ordinary day and outside 1901-02-19 to 2048-12-31.
std::vector<std::string> festivalNames(Date date);

}  // namespace zeruda::calendar
