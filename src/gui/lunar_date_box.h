#pragma once

// moc cannot parse the C++20 library headers behind the core's date type; it only
// needs the names, and the compiler still sees the real header.
#ifndef Q_MOC_RUN
#include "calendar/date_time.h"
#endif

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace zeruda::gui {

// How a date box takes and shows its date; the order is that of the 公农转换 combo
// boxes ("农历", "公历").
enum class DateEntry { Lunar = 0, Gregorian = 1 };

// A birth-date box that holds a Gregorian date, shows it with its lunar date and year
// pillar, and lets the user pick it either on a Gregorian calendar or as a lunar
// year, month and day. With the focus it takes a typed or pasted date instead
// ("1985-06-15", "1985年6月15日"; lunar in lunar entry), which it takes on Enter or
// when the focus leaves; Up and Down step the year, month or day under the cursor,
// F4 and Alt+Down open the picker. A date it cannot take is refused with a red frame
// and the reason as tooltip, and the last good date stays.
class LunarDateBox : public QWidget {
  Q_OBJECT
 public:
  LunarDateBox(const QString& name, QWidget* parent = nullptr);

  calendar::Date date() const { return date_; }
  void setDate(calendar::Date date);

  DateEntry entry() const { return entry_; }
  void setEntry(DateEntry entry);

  // A display pattern of its own (codes as the date boxes know them) in place of the
  // one that goes with the entry; empty returns to that one.
  void setDisplayPattern(const QString& pattern);

  // The text the box shows now.
  QString displayText() const;

  // Why the last typed date was refused; empty when it was taken.
  QString refusal() const { return refusal_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 signals:
  void dateChanged();

 private:
  void refresh();
  void openPicker();
  // Takes the typed text as the date, or refuses it; true when taken.
  bool takeTypedDate();
  void stepField(int steps);
  void showRefusal(const QString& reason);

  calendar::Date date_;
  DateEntry entry_ = DateEntry::Gregorian;
  QString pattern_;
  QString refusal_;
  bool typing_ = false;  // the box has the focus and shows the typed form
  QLineEdit* display_ = nullptr;
  QToolButton* pickButton_ = nullptr;
};

}  // namespace zeruda::gui
