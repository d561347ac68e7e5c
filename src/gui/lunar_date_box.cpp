#include "gui/lunar_date_box.h"

#include "calendar/lunar.h"
#include "gui/calendar_bridge.h"
#include "gui/lunar_picker.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace zeruda::gui {

LunarDateBox::LunarDateBox(const QString& name, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  const QDate today = QDate::currentDate();
  date_ = {today.year(), today.month(), today.day()};

  auto* line = new QHBoxLayout(this);
  line->setContentsMargins(0, 0, 0, 0);
  line->setSpacing(0);
  display_ = new QLineEdit(this);
  display_->setReadOnly(true);
  display_->setMinimumWidth(display_->fontMetrics().horizontalAdvance(
                                QStringLiteral("2000年12月31日 庚辰(龙)闰十二月廿十 ")) +
                            12);
  pickButton_ = new QToolButton(this);
  pickButton_->setArrowType(Qt::DownArrow);
  pickButton_->setToolTip(QStringLiteral("选择日期"));
  line->addWidget(display_);
  line->addWidget(pickButton_);
  setFocusProxy(pickButton_);
  connect(pickButton_, &QToolButton::clicked, this, &LunarDateBox::openPicker);
  refresh();
}

void LunarDateBox::setDate(calendar::Date date) {
  // The box holds only dates the calendar can convert: a date from outside (an old
  // profile, say) becomes the nearest one it can.
  date = std::clamp(date, calendar::kFirstLunarDate, calendar::kLastLunarDate);
  if (date == date_) return;
  date_ = date;
  refresh();
  emit dateChanged();
}

void LunarDateBox::setEntry(DateEntry entry) {
  entry_ = entry;
  refresh();
}

void LunarDateBox::setDisplayPattern(const QString& pattern) {
  pattern_ = pattern;
  refresh();
}

QString LunarDateBox::displayText() const { return display_->text(); }

void LunarDateBox::refresh() {
  display_->setText(pattern_.isEmpty() ? formatDateForBox(entry_, date_)
                                       : formatDateWithPattern(pattern_, date_));
  display_->setCursorPosition(0);
}

void LunarDateBox::openPicker() {
  auto* popup = new QFrame(this, Qt::Popup);
  popup->setAttribute(Qt::WA_DeleteOnClose);
  popup->setFrameShape(QFrame::StyledPanel);
  auto* layout = new QVBoxLayout(popup);
  layout->setContentsMargins(4, 4, 4, 4);
  if (entry_ == DateEntry::Gregorian) {
    auto* calendarView = new QCalendarWidget(popup);
    calendarView->setDateRange(firstCalendarDay(), lastCalendarDay());
    calendarView->setSelectedDate(toQDate(date_));
    layout->addWidget(calendarView);
    connect(calendarView, &QCalendarWidget::activated, popup, [this, popup](QDate picked) {
      setDate({picked.year(), picked.month(), picked.day()});
      popup->close();
    });
    connect(calendarView, &QCalendarWidget::clicked, popup, [this, popup](QDate picked) {
      setDate({picked.year(), picked.month(), picked.day()});
      popup->close();
    });
  } else {
    auto* picker = new LunarPicker(date_, popup);
    layout->addWidget(picker);
    connect(picker, &LunarPicker::picked, popup, [this, popup](calendar::Date picked) {
      setDate(picked);
      popup->close();
    });
  }
  popup->adjustSize();
  popup->move(mapToGlobal(QPoint(0, height())));
  popup->show();
}

}  // namespace zeruda::gui
