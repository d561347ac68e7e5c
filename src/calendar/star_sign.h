#pragma once

#include "calendar/date_time.h"

#include <string>

namespace zeruda::calendar {

// The Western star sign of a Gregorian date, e.g. "水瓶座" for 20 January.
std::string starSignOf(Date date);

}  // namespace zeruda::calendar
