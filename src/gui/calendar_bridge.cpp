#include "gui/calendar_bridge.h"

#include "calendar/date_pattern.h"
#include "calendar/lunar.h"
#include "gui/lunar_date_box.h"
#include "gui/qt_text.h"

namespace zeruda::gui {

QDate toQDate(calendar::Date date) { return QDate(date.year, date.month, date.day); }
calendar::Date fromQDate(QDate date) { return {date.year(), date.month(), date.day()}; }

QDate firstCalendarDay() { return toQDate(calendar::kFirstLunarDate); }
QDate lastCalendarDay() { return toQDate(calendar::kLastLunarDate); }

QString dayText(calendar::Date date) {
  return fromGbk(calendar::dateTimeText(calendar::DateTime::of(date)));
}

QString formatDateForBox(DateEntry entry, calendar::Date date) {
  const std::string& pattern = entry == DateEntry::Gregorian ? calendar::birthDateBoxPattern()
                                                             : calendar::defaultDatePattern();
  return fromGbk(calendar::formatDatePattern(pattern, date));
}

QString formatDateWithPattern(const QString& pattern, calendar::Date date) {
  return fromGbk(calendar::formatDatePattern(toGbk(pattern), date));
}

namespace {

calendar::DateCalendar countingOf(DateEntry entry) {
  return entry == DateEntry::Lunar ? calendar::DateCalendar::Lunar
                                   : calendar::DateCalendar::Gregorian;
}

}  // namespace

Result<calendar::Date> parseTypedDate(DateEntry entry, const QString& text) {
  return calendar::parseTypedDate(toGbk(text), countingOf(entry));
}

QString typedDateText(DateEntry entry, calendar::Date date) {
  return fromGbk(calendar::typedDateText(date, countingOf(entry)));
}

calendar::DateField typedDateFieldAt(const QString& text, int position) {
  return calendar::typedDateFieldAt(toGbk(text), toGbk(text.left(position)).size());
}

int typedDateFieldEnd(const QString& text, calendar::DateField field) {
  const std::string gbk = toGbk(text);
  return static_cast<int>(
      fromGbk(std::string_view(gbk).substr(0, calendar::typedDateFieldEnd(gbk, field))).size());
}

std::optional<calendar::Date> stepTypedDate(DateEntry entry, calendar::Date date,
                                            calendar::DateField field, int steps) {
  return calendar::stepTypedDate(date, countingOf(entry), field, steps);
}

std::optional<LunarDay> lunarDayOf(calendar::Date date) {
  auto lunar = calendar::solarToLunar(date);
  if (!lunar) return std::nullopt;
  return LunarDay{lunar->year, lunar->month, lunar->day, lunar->leap};
}

std::optional<calendar::Date> gregorianDateOf(const LunarDay& lunar) {
  return calendar::lunarToSolar({lunar.year, lunar.month, lunar.day, lunar.leap});
}

QString lunarMonthName(calendar::Date date) {
  return fromGbk(calendar::formatDatePattern("%M", date));
}

QString lunarDayName(calendar::Date date) {
  return fromGbk(calendar::formatDatePattern("%D", date));
}

}  // namespace zeruda::gui
