#pragma once

#include "calendar/date_time.h"
#include "calendar/typed_date.h"
#include "text/result.h"

#include <QDate>
#include <QString>
#include <optional>

namespace zeruda::gui {

enum class DateEntry;

// The calendar core as the date boxes need it, in Qt's text.

// The same day in Qt's and in the core's form.
QDate toQDate(calendar::Date date);
calendar::Date fromQDate(QDate date);

// The first and last day of the calendar's range, as Qt dates.
QDate firstCalendarDay();
QDate lastCalendarDay();

// A day as the window's messages write it: "2048年12月31日".
QString dayText(calendar::Date date);

// A lunar date as the picker edits it.
struct LunarDay {
  int year = 0;
  int month = 0;
  int day = 0;
  bool leap = false;
};

// The box's text for a date: the Gregorian date first when entering Gregorian dates,
// the lunar date first when entering lunar ones.
QString formatDateForBox(DateEntry entry, calendar::Date date);

// The text of a date under a display pattern of the date boxes' codes.
QString formatDateWithPattern(const QString& pattern, calendar::Date date);

// Typed dates in the box's counting (the lunar date in lunar entry); positions count
// Qt's characters. A refusal's message is GBK, as the core gives it.
Result<calendar::Date> parseTypedDate(DateEntry entry, const QString& text);
QString typedDateText(DateEntry entry, calendar::Date date);
calendar::DateField typedDateFieldAt(const QString& text, int position);
int typedDateFieldEnd(const QString& text, calendar::DateField field);
std::optional<calendar::Date> stepTypedDate(DateEntry entry, calendar::Date date,
                                            calendar::DateField field, int steps);

// The lunar date of a Gregorian date; nothing outside the calendar's range.
std::optional<LunarDay> lunarDayOf(calendar::Date date);

// The Gregorian date of a lunar date; nothing when that lunar date does not exist.
std::optional<calendar::Date> gregorianDateOf(const LunarDay& lunar);

// Names of the lunar month ("闰" first for a leap month) and day of a Gregorian date.
QString lunarMonthName(calendar::Date date);
QString lunarDayName(calendar::Date date);

}  // namespace zeruda::gui
