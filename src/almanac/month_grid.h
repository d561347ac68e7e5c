#pragma once

#include <string>

namespace zeruda::almanac {

// A month as a grid of weeks from Sunday for a fixed-width screen (GBK, "\n" line
// ends): the title "2014年10月" centred, the weekday names, then per week a line of
// day numbers and a line of each day's lunar name beneath (dayCellName). Every cell
// is padded to the same width; in GBK a Chinese character's two bytes take the two
// columns it fills on a terminal.
std::string monthGrid(int year, int month);

}  // namespace zeruda::almanac
