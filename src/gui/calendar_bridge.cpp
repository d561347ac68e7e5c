#include "gui/calendar_bridge.h"

#include "gui/lunar_date_box.h"

#include <QDate>

namespace zeruda::gui {

// Until the lunar calendar is in the core the boxes know Gregorian dates only, and
// the lunar entry stays switched off (see the 公农转换 combo boxes).

QString formatDateForBox(DateEntry, calendar::Date date) {
  return QStringLiteral("%1年%2月%3日").arg(date.year).arg(date.month).arg(date.day);
}

std::optional<LunarDay> lunarDayOf(calendar::Date) { return std::nullopt; }

std::optional<calendar::Date> gregorianDateOf(const LunarDay&) { return std::nullopt; }

QString lunarMonthName(calendar::Date) { return {}; }

QString lunarDayName(calendar::Date) { return {}; }

}  // namespace zeruda::gui
