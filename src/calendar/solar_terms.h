#pragma once

#include "calendar/date_time.h"

#include <string>

namespace zeruda::calendar {

// Years covered by the solar-term table.
inline constexpr int kFirstTermYear = 1880;
inline constexpr int kLastTermYear = 2079;

// Terms are numbered two ways. Table entries 1-24 run in calendar order from 小寒
// (early January) to 冬至; the odd entries open the solar months. Program numbers
// 1-24 run from 立春 to 大寒 and are what the term list and its callers use.
inline constexpr int kTermCount = 24;

// The moment table entry `entry` (1-24) of `year` begins, Beijing time; an all-zero
// moment outside the table.
DateTime termEntryTime(int year, int entry);

// The table entry of the term that begins on this date, 0 when none does or the year
// is outside the table.
int termOfDay(Date date);

// The last table entry of the date's year that begins on an earlier day; 0 when the
// year's first term is still ahead or the year is outside the table.
int lastTermBeforeDay(Date date);

// The moment of program term `number` in `year`. Outside the table or for a number
// outside 1-24: the fixed moment 0100-01-01 00:00:00.
DateTime solarTermTime(int year, int number);

// The GBK name of program term `number`; empty for a number outside 1-24.
std::string solarTermName(int number);

}  // namespace zeruda::calendar
