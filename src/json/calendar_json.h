#pragma once

#include "almanac/almanac.h"
#include "almanac/opening_days.h"
#include "calendar/date_time.h"

#include <span>
#include <string>

namespace zeruda::json {

// The birth chart of a moment: pillars, lunar date, animal, star sign, elements and
// the missing ones, Nayin, the element scores with their judgement, and the
// birth-time warnings.
std::string chartJson(const calendar::DateTime& moment);

// One day of the almanac: date, lunar month-day, pillars, animal, officer, Nayin, the
// officer's 宜 and 忌, then the traditional tables' lists, clash, gods and hours.
std::string almanacJson(const almanac::AlmanacDay& day);

// Opening days, best first, each with its officer, pillars, reasons (good points),
// weekday, cautions and lucky hours.
std::string openingDaysJson(std::span<const almanac::OpeningDay> days);

}  // namespace zeruda::json
