#pragma once

#include "calendar/date_time.h"

#include <optional>
#include <string>
#include <vector>

namespace zeruda::almanac {

// A month as a grid of weeks from Sunday for a fixed-width screen (GBK, "\n" line
// ends): the title "2014年10月" centred, the weekday names, then per week a line of
// day numbers and a line of each day's lunar name beneath (dayCellName). Every cell
// is padded to the same width; in GBK a Chinese character's two bytes take the two
// columns it fills on a terminal. When `today` lies in the month its number is shown in
// brackets, "[22]".
std::string monthGrid(int year, int month, std::optional<calendar::Date> today = std::nullopt);

// What the month views mark on a day (GBK): the name of the solar term that begins on
// it, and its festivals (calendar/festivals.h); 清明, a term and a festival day, is
// named once, as the term.
struct DayMarks {
  std::string term;
  std::vector<std::string> festivals;
};
DayMarks dayMarks(calendar::Date date);

// The month's solar terms and festivals with their days, in date order (GBK, no line
// end): "节气与节日：7日大雪、22日冬至"; empty when the month has none
std::string monthEventsLine(int year, int month);

// What the command line and the page print for a month: the grid, then the events
// line (with its "\n") when the month has any.
std::string monthView(int year, int month, std::optional<calendar::Date> today = std::nullopt);

}  // namespace zeruda::almanac
