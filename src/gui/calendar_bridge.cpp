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
