#pragma once

#include <QCalendarWidget>
#include <QDate>

namespace zeruda::gui {

// A month of Gregorian days with a name beneath each day number, weekends in red and
// today framed. A festival or public holiday is named in its cell on a tinted ground;
// on other days the lunar view names the lunar day (the month's name on the first of a
// lunar month, a term's name on its day) and the Gregorian view names nothing.
// Selecting a day reports the Gregorian date; its lunar date comes from the calendar core.
class LunarMonthView : public QCalendarWidget {
  Q_OBJECT
 public:
  enum class DayNames { Lunar, FestivalsOnly };

  LunarMonthView(const QString& name, QDate today, DayNames names, QWidget* parent = nullptr);

  QDate today() const { return today_; }
  void setToday(QDate today);

  // The name a day's cell shows beneath its number; empty when it shows none.
  QString cellName(QDate date) const;

 protected:
  void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

 private:
  QDate today_;
  DayNames names_;
};

}  // namespace zeruda::gui
