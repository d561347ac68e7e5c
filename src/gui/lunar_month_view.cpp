#include "gui/lunar_month_view.h"

#include "almanac/month_grid.h"
#include "almanac/perpetual_calendar.h"
#include "gui/calendar_bridge.h"
#include "gui/qt_text.h"

#include <QPainter>
#include <QTextCharFormat>

namespace zeruda::gui {
namespace {

const QColor kWeekendColour(0xFF, 0x00, 0x00);
const QColor kNameColour(0x5A, 0x66, 0x75);
const QColor kFestivalInk(0xC0, 0x1C, 0x1C);
const QColor kTermInk(0x1B, 0x7A, 0x3A);

}  // namespace

LunarMonthView::LunarMonthView(const QString& name, QDate today, DayNames names, QWidget* parent)
    : QCalendarWidget(parent), today_(today), names_(names) {
  setObjectName(name);
  // Month and weekday names in Chinese, whatever the system's language.
  setLocale(QLocale(QLocale::Chinese, QLocale::China));
  setFirstDayOfWeek(Qt::Sunday);
  setGridVisible(true);
  setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
  setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
  // Lunar names exist within the calendar's range only.
  setDateRange(firstCalendarDay(), lastCalendarDay());
  setSelectedDate(today);
  QTextCharFormat weekend;
  weekend.setForeground(kWeekendColour);
  setWeekdayTextFormat(Qt::Saturday, weekend);
  setWeekdayTextFormat(Qt::Sunday, weekend);
  setMinimumSize(420, 300);
}

void LunarMonthView::setToday(QDate today) {
  today_ = today;
  updateCells();
}

QString LunarMonthView::cellName(QDate date) const {
  const almanac::DayMarks marks = almanac::dayMarks(fromQDate(date));
  QStringList festivals;
  for (const std::string& name : marks.festivals) festivals << fromGbk(name);
  if (!festivals.isEmpty()) return festivals.join(QLatin1Char(' '));
  if (names_ == DayNames::EventsOnly) return fromGbk(marks.term);
  return fromGbk(almanac::dayCellName(fromQDate(date)));
}

LunarMonthView::DayKind LunarMonthView::dayKind(QDate date) const {
  const almanac::DayMarks marks = almanac::dayMarks(fromQDate(date));
  if (!marks.festivals.empty()) return DayKind::Festival;
  return marks.term.empty() ? DayKind::Ordinary : DayKind::Term;
}

void LunarMonthView::paintCell(QPainter* painter, const QRect& rect, QDate date) const {
  painter->save();
  const bool inMonth = date.month() == monthShown() && date.year() == yearShown();
  const bool selected = date == selectedDate();
  const bool weekend = date.dayOfWeek() >= Qt::Saturday;
  const DayKind kind = dayKind(date);
  const bool festival = kind == DayKind::Festival;
  const bool term = kind == DayKind::Term;
  if (selected) {
    painter->fillRect(rect.adjusted(1, 1, -1, -1), palette().highlight());
  } else if (inMonth && kind != DayKind::Ordinary) {
    painter->fillRect(rect.adjusted(1, 1, -1, -1), festival ? kFestivalGround : kTermGround);
  }

  QColor ink = selected  ? palette().highlightedText().color()
               : weekend ? kWeekendColour
                         : palette().text().color();
  if (!inMonth) ink.setAlpha(90);

  // The day number on the upper half, its lunar name on the lower.
  const QRect upper(rect.left(), rect.top() + 2, rect.width(), rect.height() / 2);
  const QRect lower(rect.left(), rect.top() + rect.height() / 2, rect.width(),
                    rect.height() / 2 - 2);
  QFont dayFont = font();
  dayFont.setPointSizeF(dayFont.pointSizeF() * 1.25);
  dayFont.setBold(true);
  painter->setFont(dayFont);
  painter->setPen(ink);
  painter->drawText(upper, Qt::AlignHCenter | Qt::AlignBottom, QString::number(date.day()));

  QColor nameInk = selected   ? ink
                   : festival ? kFestivalInk
                   : term     ? kTermInk
                   : weekend  ? kWeekendColour
                              : kNameColour;
  if (!inMonth) nameInk.setAlpha(90);
  QFont nameFont = font();
  nameFont.setPointSizeF(nameFont.pointSizeF() * 0.9);
  nameFont.setBold(kind != DayKind::Ordinary);
  painter->setFont(nameFont);
  painter->setPen(nameInk);
  // Two festivals on one day may not fit a narrow cell: the rest is elided.
  const QString name =
      QFontMetrics(nameFont).elidedText(cellName(date), Qt::ElideRight, lower.width() - 2);
  painter->drawText(lower, Qt::AlignHCenter | Qt::AlignTop, name);

  if (date == today_) {
    painter->setPen(QPen(kTodayFrame, 2));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(rect.adjusted(2, 2, -2, -2));
  }
  painter->restore();
}

}  // namespace zeruda::gui
