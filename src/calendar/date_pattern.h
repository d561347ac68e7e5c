#pragma once

#include "calendar/date_time.h"

#include <string>
#include <string_view>

namespace zeruda::calendar {

// Display patterns of the lunar-capable date boxes, GBK. In a pattern these codes are
// replaced and every other character is copied:
//   %y %m %d  Gregorian year, month, day (decimal, no leading zeros)
//   %Y        year pillar of the date at 23:59:59 (already the new one on 立春's day)
//   %S        zodiac animal of that pillar
//   %M %D     lunar month ("闰" first for a leap month) and lunar day names
// Codes whose value does not exist for the date (outside the lunar span) write nothing.
std::string formatDatePattern(std::string_view pattern, Date date);

// What an empty pattern stands for: "%Y年(%S)%M%D %y-%m-%d".
const std::string& defaultDatePattern();
// The birth-date boxes of the company and birth-chart pages: "%y年%m月%d日 %Y(%S)%M%D".
const std::string& birthDateBoxPattern();
// The almanac's date box: "%y年%m月%d日".
const std::string& almanacDateBoxPattern();

}  // namespace zeruda::calendar
