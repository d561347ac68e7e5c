#include "fake_ui_services.h"
#include "find_control.h"
#include "gui/calendar_window.h"
#include "gui/lunar_date_box.h"
#include "gui/lunar_picker.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>
#include <memory>

using zeruda::calendar::Date;
using zeruda::gui::DateEntry;
using zeruda::gui::LunarDateBox;

Q_DECLARE_METATYPE(Date)

namespace zeruda::calendar {
// How QCOMPARE prints a date that differs.
char* toString(const Date& date) {
  return qstrdup(
      qPrintable(QStringLiteral("%1-%2-%3").arg(date.year).arg(date.month).arg(date.day)));
}
}  // namespace zeruda::calendar

namespace {

// The kinds of date box the user types into.
enum class Box { Gregorian, Lunar, CalendarWindow };

// Typed as the keyboard gives it: digits and signs as key presses, Chinese characters
// as an input method commits them.
void typeText(QWidget* target, const QString& text) {
  for (QChar c : text) {
    if (c.unicode() < 0x80) {
      QTest::keyClick(target, c.toLatin1());
    } else {
      QInputMethodEvent commit;
      commit.setCommitString(QString(c));
      QApplication::sendEvent(target, &commit);
    }
  }
}

}  // namespace

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

  // Each box as the user meets it, in a window with a second field to leave it for.
  void typedOrPastedDatesLandInTheBox_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("keys");  // pressed after the text, before Enter
    QTest::addColumn<Date>("date");
    QTest::addColumn<QString>("shown");  // once the box has lost the focus; empty: refused
    const Date june15{1985, 6, 15};
    const QStringList gregorian = {"1985-06-15", "19850615", "1985年6月15日", "1985/6/15"};
    // 1985-06-15 was the 27th day of the fourth lunar month.
    const QStringList lunar = {"1985-04-27", "19850427", "1985年4月27日", "1985/4/27"};
    struct Kind {
      Box box;
      const char* name;
      QStringList formats;
      const char* june15;  // 1985-06-15 as the box shows it
      const char* june14;
      const char* impossible;
    };
    const Kind kinds[] = {
        {Box::Gregorian, "gregorian", gregorian, "1985年6月15日 乙丑(牛)四月廿七",
         "1985年6月14日 乙丑(牛)四月廿六", "1985-02-30"},
        {Box::Lunar, "lunar", lunar, "乙丑年(牛)四月廿七 1985-6-15", "乙丑年(牛)四月廿六 1985-6-14",
         "1985年闰4月27日"},
        {Box::CalendarWindow, "calendar window", gregorian, "1985年6月15日", "1985年6月14日",
         "1985-02-30"},
    };
    auto row = [](const Kind& kind, const QString& what, bool paste, const QString& text,
                  QList<int> keys, Date date, const QString& shown) {
      QTest::addRow("%s, %s %s", kind.name, qPrintable(what), paste ? "pasted" : "typed")
          << int(kind.box) << paste << text << keys << date << shown;
    };
    for (const Kind& kind : kinds) {
      for (const QString& format : kind.formats) {
        for (bool paste : {false, true}) {
          row(kind, format, paste, format, {}, june15, QString::fromUtf8(kind.june15));
        }
      }
      row(kind, QString::fromUtf8(kind.impossible), false, QString::fromUtf8(kind.impossible), {},
          {2000, 1, 1}, {});
      row(kind, "Down on the day", false, kind.formats[0], {Qt::Key_End, Qt::Key_Down},
          {1985, 6, 14}, QString::fromUtf8(kind.june14));
    }
    // Lunar 2023 had a leap second month from 2023-03-22; lunar 2014's leap ninth
    // month is followed by its tenth, which began on 2014-11-22.
    for (bool paste : {false, true}) {
      row(kinds[1], "leap month", paste, QString::fromUtf8("2023年闰2月10日"), {}, {2023, 3, 31},
          QString::fromUtf8("癸卯年(兔)闰二月初十 2023-3-31"));
    }
    QList<int> toLeapMonth = {Qt::Key_Home};
    for (int i = 0; i < 7; ++i) toLeapMonth << Qt::Key_Right;
    row(kinds[1], "Up on the leap month", false, QString::fromUtf8("2014年闰9月1日"),
        toLeapMonth << Qt::Key_Up, {2014, 11, 22},
        QString::fromUtf8("甲午年(马)十月初一 2014-11-22"));
    row(kinds[2], "Up on the year", false, "1985-06-15", {Qt::Key_Home, Qt::Key_Up}, {1986, 6, 15},
        QString::fromUtf8("1986年6月15日"));
  }
  void typedOrPastedDatesLandInTheBox() {
    QFETCH(int, kind);
    QFETCH(bool, paste);
    QFETCH(QString, text);
    QFETCH(QList<int>, keys);
    QFETCH(Date, date);
    QFETCH(QString, shown);

    zeruda::gui::test::FakeUiServices services;
    std::unique_ptr<QWidget> window;
    LunarDateBox* box = nullptr;
    if (static_cast<Box>(kind) == Box::CalendarWindow) {
      window = std::make_unique<zeruda::gui::CalendarWindow>(services);
      box = zeruda::gui::test::findControl<LunarDateBox>(window.get(), "公历日期框");
      static_cast<zeruda::gui::CalendarWindow*>(window.get())
          ->tabs->setCurrentIndex(zeruda::gui::CalendarWindow::kGregorianPage);
    } else {
      window = std::make_unique<QWidget>();
      box = new LunarDateBox(QStringLiteral("公司法人农历日期框"), window.get());
      box->setEntry(static_cast<Box>(kind) == Box::Lunar ? DateEntry::Lunar : DateEntry::Gregorian);
      (new QVBoxLayout(window.get()))->addWidget(box);
    }
    auto* elsewhere = new QLineEdit(window.get());
    box->setDate({2000, 1, 1});
    const QString before = box->displayText();
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));

    elsewhere->setFocus(Qt::OtherFocusReason);
    box->setFocus(Qt::TabFocusReason);
    QWidget* editor = QApplication::focusWidget();
    QVERIFY(editor != nullptr && box->isAncestorOf(editor));
    if (paste) {
      QGuiApplication::clipboard()->setText(text);
      QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
    } else {
      typeText(editor, text);
    }
    for (int key : keys) QTest::keyClick(editor, static_cast<Qt::Key>(key));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(box->date(), date);
    if (shown.isEmpty()) {
      // Refused where the user looks: a reason on the box, the last good date kept.
      QVERIFY(!box->refusal().isEmpty());
      QCOMPARE(editor->toolTip(), box->refusal());
    } else {
      QVERIFY2(box->refusal().isEmpty(), qPrintable(box->refusal()));
    }
    elsewhere->setFocus(Qt::TabFocusReason);
    QCOMPARE(box->displayText(), shown.isEmpty() ? before : shown);
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
