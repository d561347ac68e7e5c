#include "gui/lunar_picker.h"

#include "calendar/lunar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace zeruda::gui {
namespace {

// Month items carry month and leap flag as one number: month, plus 100 when leap.
int monthKey(int month, bool leap) { return month + (leap ? 100 : 0); }

}  // namespace

LunarPicker::LunarPicker(calendar::Date start, QWidget* parent) : QWidget(parent) {
  // The years on offer are those the calendar converts, from its first day to its last.
  const LunarDay first = lunarDayOf(calendar::kFirstLunarDate).value_or(LunarDay{});
  const LunarDay last = lunarDayOf(calendar::kLastLunarDate).value_or(LunarDay{});
  const LunarDay current = lunarDayOf(start).value_or(first);
  auto* line = new QHBoxLayout(this);
  line->setContentsMargins(2, 2, 2, 2);
  year = new QSpinBox(this);
  year->setObjectName(QStringLiteral("农历年"));
  year->setRange(first.year, last.year);
  year->setValue(current.year);
  year->setSuffix(QStringLiteral("年"));
  month = new QComboBox(this);
  month->setObjectName(QStringLiteral("农历月"));
  day = new QComboBox(this);
  day->setObjectName(QStringLiteral("农历日"));
  auto* ok = new QPushButton(QStringLiteral("确定"), this);
  ok->setObjectName(QStringLiteral("农历确定"));
  line->addWidget(new QLabel(QStringLiteral("农历"), this));
  line->addWidget(year);
  line->addWidget(month);
  line->addWidget(day);
  line->addWidget(ok);

  fillMonths(current.month, current.leap);
  fillDays(current.day);
  connect(year, &QSpinBox::valueChanged, this, [this] {
    const int key = month->currentData().toInt();
    fillMonths(key % 100, key >= 100);
    fillDays(day->currentData().toInt());
  });
  connect(month, &QComboBox::currentIndexChanged, this,
          [this] { fillDays(day->currentData().toInt()); });
  connect(ok, &QPushButton::clicked, this, &LunarPicker::confirm);
}

void LunarPicker::fillMonths(int wantedMonth, bool wantedLeap) {
  const QSignalBlocker quiet(month);
  month->clear();
  for (int m = 1; m <= 12; ++m) {
    for (bool leap : {false, true}) {
      // A month exists when its first day has a Gregorian date.
      auto first = gregorianDateOf({year->value(), m, 1, leap});
      if (!first) continue;
      month->addItem(lunarMonthName(*first), monthKey(m, leap));
    }
  }
  int index = month->findData(monthKey(wantedMonth, wantedLeap));
  if (index < 0) index = month->findData(monthKey(wantedMonth, false));
  month->setCurrentIndex(std::max(index, 0));
}

void LunarPicker::fillDays(int wantedDay) {
  const QSignalBlocker quiet(day);
  day->clear();
  const int key = month->currentData().toInt();
  for (int d = 1; d <= 30; ++d) {
    auto gregorian = gregorianDateOf({year->value(), key % 100, d, key >= 100});
    if (!gregorian) break;
    day->addItem(lunarDayName(*gregorian), d);
  }
  const int index = day->findData(wantedDay);
  day->setCurrentIndex(index >= 0 ? index : day->count() - 1);
}

void LunarPicker::confirm() {
  const int key = month->currentData().toInt();
  auto gregorian =
      gregorianDateOf({year->value(), key % 100, day->currentData().toInt(), key >= 100});
  if (gregorian) emit picked(*gregorian);
}

}  // namespace zeruda::gui
