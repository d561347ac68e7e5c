#pragma once

#include <QCalendarWidget>
#include <QDate>

namespace zeruda::gui {

// A month of Gregorian days, each cell with the lunar day name beneath its day number
// (the month's name on the first of a lunar month, a term's name on its day), weekends
// in red and today framed. Selecting a day reports the Gregorian date; its lunar date
// comes from the calendar core.
class LunarMonthView : public QCalendarWidget {
  Q_OBJECT
 public:
  LunarMonthView(const QString& name, QDate today, QWidget* parent = nullptr);

  QDate today() const { return today_; }
  void setToday(QDate today);

 protected:
  void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

 private:
  QDate today_;
};

}  // namespace zeruda::gui
