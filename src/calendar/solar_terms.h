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

// The one answer for "no such term": 0100-01-01 00:00:00, far before any table year,
// so it never passes for a real moment.
inline constexpr DateTime kNoTermMoment = {100, 1, 1, 0, 0, 0};

// The moment table entry `entry` (1-24) of `year` begins, Beijing time;
// kNoTermMoment outside the table.
DateTime termEntryTime(int year, int entry);

// The table entry of the term that begins on this date, 0 when none does or the year
// is outside the table.
int termOfDay(Date date);

// Seconds from the first of `month` (1-12) of `year`, 00:00:00, to the moment the
// month's 节 opens its solar month: 小寒 in January, 立春 in February … 大雪 in
// December. Every 节 falls in its own month. The caller keeps to the table's years
// and to months 1-12; this is the inner step of the pillar and officer rules.
int openingTermSecond(int year, int month);

// The Gregorian month (1-12) of the year of `date` whose 节 opened the solar month the
// date lies in, counting the 节's own day as already inside; 0 in January before
// 小寒, which still lies in the month 大雪 of the year before opened. The caller
// passes a real date within the table's years.
int openingTermMonthOfDay(Date date);

// The moment of program term `number` in `year`. Outside the table or for a number
// outside 1-24: kNoTermMoment.
DateTime solarTermTime(int year, int number);

// The GBK name of program term `number`; empty for a number outside 1-24.
std::string solarTermName(int number);

}  // namespace zeruda::calendar
