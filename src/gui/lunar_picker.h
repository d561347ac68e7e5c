#pragma once

// moc cannot parse the C++20 library headers behind the core's date type; it only
// needs the names, and the compiler still sees the real header.
#ifndef Q_MOC_RUN
#include "calendar/date_time.h"
#include "gui/calendar_bridge.h"
#endif

#include <QWidget>

class QComboBox;
class QSpinBox;

namespace zeruda::gui {

// Lunar entry: a lunar year, one of that year's months (leap month included) and a
// day of that month. Only dates the calendar knows can be chosen.
class LunarPicker : public QWidget {
  Q_OBJECT
 public:
  LunarPicker(calendar::Date start, QWidget* parent = nullptr);

  QSpinBox* year = nullptr;
  QComboBox* month = nullptr;
  QComboBox* day = nullptr;

 signals:
  void picked(calendar::Date gregorian);

 private:
  void fillMonths(int wantedMonth, bool wantedLeap);
  void fillDays(int wantedDay);
  void confirm();
};

}  // namespace zeruda::gui
