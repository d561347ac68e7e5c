#include "gui/lunar_date_box.h"

#include "calendar/lunar.h"
#include "gui/calendar_bridge.h"
#include "gui/lunar_picker.h"
#include "gui/qt_text.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDate>
#include <QFocusEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QToolTip>
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
  display_->installEventFilter(this);
  display_->setMinimumWidth(display_->fontMetrics().horizontalAdvance(
                                QStringLiteral("2000年12月31日 庚辰(龙)闰十二月廿十 ")) +
                            12);
  pickButton_ = new QToolButton(this);
  pickButton_->setArrowType(Qt::DownArrow);
  pickButton_->setToolTip(QStringLiteral("选择日期"));
  // The keyboard reaches the picker through the text box (F4, Alt+Down), so Tab
  // goes from the text box straight on to the next field.
  pickButton_->setFocusPolicy(Qt::NoFocus);
  line->addWidget(display_);
  line->addWidget(pickButton_);
  setFocusProxy(display_);
  connect(pickButton_, &QToolButton::clicked, this, &LunarDateBox::openPicker);
  connect(display_, &QLineEdit::textEdited, this, [this] {
    if (!refusal_.isEmpty()) showRefusal({});
  });
  refresh();
}

void LunarDateBox::setDate(calendar::Date date) {
  // The box holds only dates the calendar can convert: a date from outside (an old
  // profile, say) becomes the nearest one it can.
  date = std::clamp(date, calendar::kFirstLunarDate, calendar::kLastLunarDate);
  if (!refusal_.isEmpty()) showRefusal({});
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
  if (typing_) {
    display_->setText(typedDateText(entry_, date_));
    return;
  }
  display_->setText(pattern_.isEmpty() ? formatDateForBox(entry_, date_)
                                       : formatDateWithPattern(pattern_, date_));
  display_->setCursorPosition(0);
}

bool LunarDateBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched != display_) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::FocusIn:
      // The popup and a context menu take the focus only for a moment.
      if (!typing_) {
        typing_ = true;
        refresh();
        // Typing replaces the date, unless a click placed the cursor in it.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::MouseFocusReason) {
          display_->selectAll();
        }
      }
      break;
    case QEvent::FocusOut:
      if (typing_ && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
        takeTypedDate();
        typing_ = false;
        refresh();
      }
      break;
    case QEvent::KeyPress: {
      const auto* key = static_cast<QKeyEvent*>(event);
      const bool alt = key->modifiers().testFlag(Qt::AltModifier);
      if (key->key() == Qt::Key_F4 || (alt && key->key() == Qt::Key_Down)) {
        openPicker();
        return true;
      }
      if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) &&
          (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        stepField(key->key() == Qt::Key_Up ? 1 : -1);
        return true;
      }
      // Enter takes the typed date before the form's own command sees the key; a
      // refused date keeps the key, so nothing runs on the old date.
      if (typing_ && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        return !takeTypedDate();
      }
      break;
    }
    default:
      break;
  }
  return QWidget::eventFilter(watched, event);
}

bool LunarDateBox::takeTypedDate() {
  const Result<calendar::Date> typed = parseTypedDate(entry_, display_->text());
  if (!typed) {
    showRefusal(fromGbk(typed.error()));
    return false;
  }
  setDate(typed.value());
  // The same date typed another way is shown in the box's own form again.
  refresh();
  return true;
}

void LunarDateBox::stepField(int steps) {
  const QString text = display_->text();
  const Result<calendar::Date> typed = parseTypedDate(entry_, text);
  const calendar::DateField field = typedDateFieldAt(text, display_->cursorPosition());
  const std::optional<calendar::Date> stepped =
      stepTypedDate(entry_, typed ? typed.value() : date_, field, steps);
  if (!stepped) return;  // the calendar ends there
  setDate(*stepped);
  refresh();
  display_->setCursorPosition(typedDateFieldEnd(display_->text(), field));
}

void LunarDateBox::showRefusal(const QString& reason) {
  refusal_ = reason;
  display_->setToolTip(reason);
  display_->setStyleSheet(
      reason.isEmpty() ? QString() : QStringLiteral("QLineEdit { border: 1px solid red; }"));
  if (!reason.isEmpty() && display_->isVisible()) {
    QToolTip::showText(display_->mapToGlobal(QPoint(0, display_->height())), reason, display_);
  }
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
