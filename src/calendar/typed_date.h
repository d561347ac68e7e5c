#pragma once

#include "calendar/date_time.h"
#include "text/result.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zeruda::calendar {

// Which calendar the numbers of a typed date count in.
enum class DateCalendar { Gregorian, Lunar };

// The parts of a typed date, in the order they are typed.
enum class DateField { Year, Month, Day };

// A date typed or pasted into a date box (GBK): year, month and day as three runs of
// digits in that order, or as eight digits in a row ("19850615"); ASCII or full-width
// digits. Between the runs may stand blanks, "-", "/", ".", "年", "月" and "日"; in
// lunar counting "闰" before the month marks the leap month ("2023年闰2月10日").
// The result is the Gregorian date, or a message when the text is no date, the date
// does not exist, or it lies outside 1901-02-19 to 2048-12-31.
Result<Date> parseTypedDate(std::string_view text, DateCalendar calendar);

// A month of the calendar, as a month view shows it.
struct TypedMonth {
  int year = 0;
  int month = 0;
};

// A month typed as year and month, two runs of digits in that order or six digits in a
// row ("2026-12", "2026年12月", "202612"; ASCII or full-width digits, the separators
// of a typed date). A message when the text is no month, or no day of the month lies
// within the calendar.
Result<TypedMonth> parseTypedMonth(std::string_view text);

// A date as a box offers it for typing: "1985年6月15日", or in lunar counting the
// lunar date with its leap mark, "2023年闰2月10日". Empty for a lunar date outside
// the calendar's range.
std::string typedDateText(Date date, DateCalendar calendar);

// The field whose digits the cursor at byte `offset` of a typed date stands in or
// just after; the year when it stands before all digits.
DateField typedDateFieldAt(std::string_view text, std::size_t offset);

// The byte offset just after the digits of `field` in a typed date; the text's end
// when the text lacks that field.
std::size_t typedDateFieldEnd(std::string_view text, DateField field);

// The date `steps` years, months or days away from `date`, counted in `calendar`: a
// day beyond the new month's end becomes its last day, a lunar leap month counts as
// a month of its own. Nothing when the result leaves 1901-02-19 to 2048-12-31.
std::optional<Date> stepTypedDate(Date date, DateCalendar calendar, DateField field, int steps);

}  // namespace zeruda::calendar
