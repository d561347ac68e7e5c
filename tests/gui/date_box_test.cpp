#include "gui/lunar_date_box.h"
#include "gui/lunar_picker.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QToolButton>

using zeruda::calendar::Date;
using zeruda::gui::DateEntry;
using zeruda::gui::LunarDateBox;

Q_DECLARE_METATYPE(Date)

// Reference dates are calendar facts: 2014-01-31 is the lunar new year, 立春 2014 fell
// on 4 February, 2014-10-24 opened the leap ninth month, 2014-12-22 the eleventh month
// and 2015-01-20 the twelfth.
class DateBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheDateThroughTheEntryPattern_data() {
    QTest::addColumn<Date>("date");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("shown");
    auto row = [](const char* name, Date date, DateEntry entry, const char* shown) {
      QTest::newRow(name) << date << static_cast<int>(entry) << QString::fromUtf8(shown);
    };
    row("new year's day still in the old pillar year", {2014, 1, 31}, DateEntry::Gregorian,
        "2014年1月31日 癸巳(蛇)正月初一");
    row("spring begins: the new pillar year", {2014, 2, 4}, DateEntry::Gregorian,
        "2014年2月4日 甲午(马)正月初五");
    row("leap month marked", {2014, 10, 24}, DateEntry::Gregorian,
        "2014年10月24日 甲午(马)闰九月初一");
    row("eleventh month is 冬月", {2014, 12, 22}, DateEntry::Gregorian,
        "2014年12月22日 甲午(马)冬月初一");
    row("twelfth month is 腊月", {2015, 1, 20}, DateEntry::Gregorian,
        "2015年1月20日 甲午(马)腊月初一");
    row("lunar entry puts the lunar date first", {2014, 10, 24}, DateEntry::Lunar,
        "甲午年(马)闰九月初一 2014-10-24");
    row("lunar entry, tenth month", {2014, 11, 22}, DateEntry::Lunar,
        "甲午年(马)十月初一 2014-11-22");
  }
  void showsTheDateThroughTheEntryPattern() {
    QFETCH(Date, date);
    QFETCH(int, entry);
    QFETCH(QString, shown);
    LunarDateBox box(QStringLiteral("农历日期框八字"));
    box.setEntry(static_cast<DateEntry>(entry));
    box.setDate(date);
    QCOMPARE(box.displayText(), shown);
  }

  void switchingToLunarAndBackRestoresTheFirstPattern() {
    LunarDateBox box(QStringLiteral("公司法人农历日期框"));
    box.setDate({2014, 2, 4});
    const QString first = box.displayText();
    box.setEntry(DateEntry::Lunar);
    QVERIFY(box.displayText() != first);
    box.setEntry(DateEntry::Gregorian);
    QCOMPARE(box.displayText(), first);
  }

  void datesOutsideTheCalendarBecomeItsNearestEnd() {
    LunarDateBox box(QStringLiteral("公司法人农历日期框"));
    box.setDate({1900, 5, 1});
    QCOMPARE(box.date(), (Date{1901, 2, 19}));
    box.setDate({2100, 1, 1});
    QCOMPARE(box.date(), (Date{2048, 12, 31}));
  }

  void theCalendarOffersOnlyTheCalendarsDays() {
    LunarDateBox box(QStringLiteral("公司法人农历日期框"));
    box.show();
    QTest::mouseClick(box.findChild<QToolButton*>(), Qt::LeftButton);
    auto* calendarView =
        qobject_cast<QWidget*>(QApplication::activePopupWidget())->findChild<QCalendarWidget*>();
    QVERIFY(calendarView != nullptr);
    QCOMPARE(calendarView->minimumDate(), QDate(1901, 2, 19));
    QCOMPARE(calendarView->maximumDate(), QDate(2048, 12, 31));
    QApplication::activePopupWidget()->close();
  }

  void gregorianEntryTakesTheDayPickedOnTheCalendar() {
    LunarDateBox box(QStringLiteral("公司法人农历日期框"));
    box.setDate({2014, 2, 4});
    box.show();
    QTest::mouseClick(box.findChild<QToolButton*>(), Qt::LeftButton);
    auto* calendarView =
        qobject_cast<QWidget*>(QApplication::activePopupWidget())->findChild<QCalendarWidget*>();
    QVERIFY(calendarView != nullptr);
    calendarView->setSelectedDate(QDate(1985, 6, 15));
    QTest::keyClick(calendarView->findChild<QTableView*>(), Qt::Key_Return);
    QCOMPARE(box.date(), (Date{1985, 6, 15}));
  }

  void lunarEntryOffersTheLeapMonthAndConvertsToTheGregorianDate() {
    LunarDateBox box(QStringLiteral("公司法人农历日期框"));
    box.setEntry(DateEntry::Lunar);
    box.setDate({2014, 3, 1});
    box.show();
    QTest::mouseClick(box.findChild<QToolButton*>(), Qt::LeftButton);
    auto* picker = QApplication::activePopupWidget()->findChild<zeruda::gui::LunarPicker*>();
    QVERIFY(picker != nullptr);
    picker->year->setValue(2014);
    const int leapNine = picker->month->findText(QString::fromUtf8("闰九月"));
    QVERIFY(leapNine >= 0);
    // 2014 had thirteen months: the leap ninth follows the ninth.
    QCOMPARE(picker->month->count(), 13);
    QCOMPARE(picker->month->itemText(leapNine - 1), QString::fromUtf8("九月"));
    picker->month->setCurrentIndex(leapNine);
    picker->day->setCurrentIndex(picker->day->findText(QString::fromUtf8("初一")));
    QTest::mouseClick(picker->findChild<QPushButton*>(QStringLiteral("农历确定")), Qt::LeftButton);
    QCOMPARE(box.date(), (Date{2014, 10, 24}));
  }

  void lunarMonthsOfferOnlyTheirOwnDays() {
    zeruda::gui::LunarPicker picker({2014, 3, 1});
    picker.year->setValue(2014);
    // Lunar 2014 began on 1-31, its second month on 3-1 and its third on 3-31: 29 days,
    // then 30.
    picker.month->setCurrentIndex(picker.month->findText(QString::fromUtf8("正月")));
    QCOMPARE(picker.day->count(), 29);
    picker.month->setCurrentIndex(picker.month->findText(QString::fromUtf8("二月")));
    QCOMPARE(picker.day->count(), 30);
  }

  void changingTheDateIsAnnounced() {
    LunarDateBox box(QStringLiteral("公司法人农历日期框"));
    box.setDate({2014, 2, 4});
    int changes = 0;
    connect(&box, &LunarDateBox::dateChanged, this, [&] { ++changes; });
    box.setDate({2014, 2, 5});
    box.setDate({2014, 2, 5});
    QCOMPARE(changes, 1);
  }
};

QTEST_MAIN(DateBoxTest)
#include "date_box_test.moc"
