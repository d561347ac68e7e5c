#pragma once

#include "calendar/date_time.h"
#include "calendar/lunar.h"

#include <optional>
#include <string>

namespace zeruda::chart {

// The fixed explanation of the five elements that closes the report (GBK, CR LF lines).
const std::string& elementExplanation();

// The whole content of the birth-chart box (GBK, CR LF line ends) for a birth moment and
// the lunar reading of its date box (nullopt when the box has none). It starts with the
// box's reset "\r\n" and then the report lines; where the chart depends on a few
// minutes, "  提示：" lines follow the "  生辰：" line (birth_time_warnings.h). A
// moment outside the calendar's span gives a report with empty pillars and every
// element missing.
std::string birthChartReport(const calendar::DateTime& birthMoment,
                             const std::optional<calendar::LunarDate>& lunarReading);

}  // namespace zeruda::chart
