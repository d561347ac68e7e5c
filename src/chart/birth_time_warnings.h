#pragma once

#include "calendar/date_time.h"

#include <string>
#include <vector>

namespace zeruda::chart {

// The ways a birth's chart hangs on a few minutes, each as one sentence (GBK), in this
// order:
// - within two hours of a 节 moment: the month pillar (and at 立春 the year pillar)
//   before and after it;
// - born 23:00-23:59: the day and hour pillars as the day changes at 23:00 (the chart's
//   own rule) and as it changes at midnight;
// - within ten minutes of a 时辰 boundary (an odd hour): the hour pillars on both sides.
// "Within" is strictly less than. Nothing for a moment outside the calendar's span.
std::vector<std::string> birthTimeWarnings(const calendar::DateTime& birth);

}  // namespace zeruda::chart
