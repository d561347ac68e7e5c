#pragma once

#include <QCalendarWidget>
#include <QColor>
#include <QDate>

namespace zeruda::gui {

// The marks of a month view's cells: today's frame, the grounds of festivals and terms.
inline const QColor kTodayFrame(0xE0, 0x8A, 0x00);
inline const QColor kFestivalGround(0xFD, 0xEB, 0xE6);
inline const QColor kTermGround(0xE8, 0xF5, 0xEA);

// A month of Gregorian days with a name beneath each day number, weekends in red and
// today framed. A festival or public holiday is named in its cell on a red-tinted
// ground, a solar term on a green-tinted one; on other days the lunar view names the
// lunar day (the month's name on the first of a lunar month) and the Gregorian view
// names nothing.
// Selecting a day reports the Gregorian date; its lunar date comes from the calendar core.
class LunarMonthView : public QCalendarWidget {
  Q_OBJECT
 public:
  enum class DayNames { Lunar, EventsOnly };
  // How a day's cell is marked: a festival outranks a term.
  enum class DayKind { Ordinary, Term, Festival };

  LunarMonthView(const QString& name, QDate today, DayNames names, QWidget* parent = nullptr);

  QDate today() const { return today_; }
  void setToday(QDate today);

  // The name a day's cell shows beneath its number; empty when it shows none.
  QString cellName(QDate date) const;
  DayKind dayKind(QDate date) const;

 protected:
  void paintCell(QPainter* painter, const QRect& rect, QDate date) const override;

 private:
  QDate today_;
  DayNames names_;
};

}  // namespace zeruda::gui
