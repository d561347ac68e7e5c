// moc needs only the test class; the core headers are for the compiler.
#ifndef Q_MOC_RUN
#include "almanac/perpetual_calendar.h"
#include "profile/profile.h"
#include "support/program_sandbox.h"
#include "support/sample_profile.h"
#include "support/text_support.h"
#endif
#include "fake_ui_services.h"
#include "find_control.h"
#include "gui/lunar_date_box.h"
#include "gui/lunar_month_view.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"

#include <QAction>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <memory>

using zeruda::gui::LunarDateBox;
using zeruda::gui::LunarMonthView;
using zeruda::gui::MainWindow;
using zeruda::gui::test::FakeUiServices;
using zeruda::gui::test::findControl;

// The two calendar windows, opened from the main window's toolbar at a fixed moment:
// 2014-02-04 06:03:10, a Tuesday, the very second 立春 began (lunar 正月初五).
class CalendarWindowsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<zeruda::test::ProgramSandbox> sandbox_;
  FakeUiServices services_;
  std::unique_ptr<MainWindow> main_;

  QWidget* openFromToolbar(int button, const char* name) {
    main_->findChild<QToolBar*>(QStringLiteral("工具条1"))->actions()[button - 1]->trigger();
    return findControl<QWidget>(main_.get(), name);
  }
  template <typename T>
  static T* in(QWidget* window, const char* name) {
    return findControl<T>(window, name);
  }
  static QString text(QWidget* window, const char* label) {
    return in<QLabel>(window, label)->text();
  }
  // How many pixels of the month view's picture have exactly `colour`.
  static int pixelsOf(QWidget* view, QColor colour) {
    const QImage shot = view->grab().toImage();
    int count = 0;
    for (int y = 0; y < shot.height(); ++y) {
      for (int x = 0; x < shot.width(); ++x) count += shot.pixelColor(x, y) == colour;
    }
    return count;
  }

 private slots:
  void init() {
    services_ = FakeUiServices{};
    services_.now = QDateTime(QDate(2014, 2, 4), QTime(6, 3, 10));
    sandbox_ = std::make_unique<zeruda::test::ProgramSandbox>();
    main_ = std::make_unique<MainWindow>(services_, sandbox_->session());
    main_->show();
  }
  void cleanup() {
    main_.reset();
    sandbox_.reset();
  }

  void calendarOpensWithTodaysCard() {
    QWidget* window = openFromToolbar(9, "万年历");
    const auto today = zeruda::almanac::todayTexts({2014, 2, 4, 6, 3, 10});
    QCOMPARE(text(window, "透明标签1"), zeruda::gui::fromGbk(today.yearMonth));
    QCOMPARE(text(window, "透明标签2"), QStringLiteral("4"));
    QCOMPARE(text(window, "透明标签5"), QString::fromUtf8("农历:二零一四年正月初五"));
    QCOMPARE(text(window, "透明标签6"), QString::fromUtf8("四柱:甲午 丙寅 丙午 辛卯"));
    // A Tuesday: the working-day colour.
    QCOMPARE(in<QLabel>(window, "透明标签2")->palette().color(QPalette::WindowText),
             QColor(0x00, 0x80, 0x80));
    QCOMPARE(in<QCalendarWidget>(window, "农历月历1")->selectedDate(), QDate(2014, 2, 4));
    QCOMPARE(text(window, "透明标签11"), QString::fromUtf8("农历日期:2014年1月5日"));
  }

  void calendarConvertsADateAndTimeToPillars() {
    QWidget* window = openFromToolbar(9, "万年历");
    // The time boxes start at 23:59:59: on 立春's day the new year's pillars.
    QCOMPARE(in<QLineEdit>(window, "公历柱编辑框")->text(),
             QString::fromUtf8("甲午 丙寅 丁未 庚子"));
    in<QSpinBox>(window, "公历时编辑框")->setValue(6);
    in<QSpinBox>(window, "公历分编辑框")->setValue(3);
    in<QSpinBox>(window, "公历秒编辑框")->setValue(9);
    QCOMPARE(in<QLineEdit>(window, "公历柱编辑框")->text(),
             QString::fromUtf8("癸巳 乙丑 丙午 辛卯"));
    in<LunarDateBox>(window, "农历日期框1")->setDate({2000, 1, 1});
    in<QSpinBox>(window, "公历时1")->setValue(12);
    in<QSpinBox>(window, "公历分1")->setValue(0);
    QTest::mouseClick(in<QPushButton>(window, "按钮8"), Qt::LeftButton);
    QCOMPARE(in<QLineEdit>(window, "立春编辑框3")->text(),
             QString::fromUtf8("己卯 丙子 戊午 戊午"));
  }

  void calendarListsTheTermsOfTheSelectedYear() {
    QWidget* window = openFromToolbar(9, "万年历");
    in<QCalendarWidget>(window, "农历月历1")->setSelectedDate(QDate(2015, 6, 1));
    QTest::mouseClick(in<QPushButton>(window, "按钮7"), Qt::LeftButton);
    auto* list = in<QListWidget>(window, "选择列表框1");
    QCOMPARE(list->count(), 24);
    QCOMPARE(list->item(0)->text().left(3), QString::fromUtf8("立春:"));
    QCOMPARE(list->item(4)->text(), QString::fromUtf8("清明:2015年4月5日10时39分"));
    QCOMPARE(list->item(23)->text().left(8), QString::fromUtf8("大寒:2015年"));
  }

  // Paged on from December 2026 to February 2027 as the user pages, with the arrow.
  void calendarFollowsTheShownMonthAndNamesItsFestivals() {
    services_.now = QDateTime(QDate(2026, 12, 9), QTime(10, 0));
    QWidget* window = openFromToolbar(9, "万年历");
    auto* lunarView = in<LunarMonthView>(window, "农历月历1");
    auto* next = lunarView->findChild<QToolButton*>(QStringLiteral("qt_calendar_nextmonth"));
    QVERIFY(next != nullptr);
    QTest::mouseClick(next, Qt::LeftButton);
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(lunarView->selectedDate(), QDate(2027, 2, 9));
    QCOMPARE(text(window, "透明标签11"), QString::fromUtf8("农历日期:2027年1月4日"));
    auto* list = in<QListWidget>(window, "选择列表框1");
    QCOMPARE(list->count(), 24);
    QVERIFY(list->item(0)->text().startsWith(QString::fromUtf8("立春:2027年2月4日")));
    QVERIFY(list->item(1)->text().startsWith(QString::fromUtf8("雨水:2027年2月19日")));

    // The lunar view names festivals in place of the lunar day; the Gregorian view
    // names festivals and terms alone.
    auto* gregorianView = in<LunarMonthView>(window, "月历1");
    using Kind = LunarMonthView::DayKind;
    const struct {
      QDate date;
      const char* lunar;
      const char* gregorian;
      Kind kind;
    } cells[] = {
        {QDate(2027, 2, 4), "立春", "立春", Kind::Term},
        {QDate(2027, 2, 5), "除夕", "除夕", Kind::Festival},
        {QDate(2027, 2, 6), "春节", "春节", Kind::Festival},
        {QDate(2027, 2, 7), "初二", "", Kind::Ordinary},
        {QDate(2027, 2, 20), "元宵", "元宵", Kind::Festival},
        {QDate(2027, 4, 5), "清明", "清明", Kind::Term},
    };
    for (const auto& cell : cells) {
      QCOMPARE(lunarView->cellName(cell.date), QString::fromUtf8(cell.lunar));
      QCOMPARE(gregorianView->cellName(cell.date), QString::fromUtf8(cell.gregorian));
      QCOMPARE(lunarView->dayKind(cell.date), cell.kind);
    }
  }

  // February 2014: today (the 4th, selected) framed, 雨水 on the 19th and 元宵 on the
  // 14th on their grounds; March shows neither today nor a festival.
  void monthViewsMarkTodayTermsAndFestivals() {
    QWidget* window = openFromToolbar(9, "万年历");
    for (const char* name : {"农历月历1", "月历1"}) {
      auto* view = in<LunarMonthView>(window, name);
      view->setSelectedDate(QDate(2014, 2, 4));
      if (QString::fromUtf8(name) == QStringLiteral("月历1")) {
        in<QAbstractButton>(window, "单选框1")->click();
      }
      QVERIFY(QTest::qWaitForWindowExposed(view));
      QVERIFY2(pixelsOf(view, zeruda::gui::kTodayFrame) > 40, name);
      QVERIFY2(pixelsOf(view, zeruda::gui::kTermGround) > 100, name);
      QVERIFY2(pixelsOf(view, zeruda::gui::kFestivalGround) > 100, name);
      view->setCurrentPage(2014, 3);
      QCOMPARE(pixelsOf(view, zeruda::gui::kTodayFrame), 0);
      QCOMPARE(pixelsOf(view, zeruda::gui::kFestivalGround), 0);
    }
  }

  // The selected day's lists as lunar-javascript 1.7.7 gives them (getDayYi, getDayJi,
  // getDayChongDesc, getDaySha, getDayTianShen, getTimes).
  void calendarShowsTheSelectedDaysAlmanac() {
    QWidget* window = openFromToolbar(9, "万年历");
    QCOMPARE(text(window, "标签日宜"), QString::fromUtf8("解除 沐浴"));
    QCOMPARE(text(window, "标签日忌"), QString::fromUtf8("诸事不宜"));
    QCOMPARE(text(window, "标签冲煞"), QString::fromUtf8("冲鼠(庚子)　煞北"));
    QCOMPARE(text(window, "标签值神"), QString::fromUtf8("白虎（黑道）"));
    auto* hours = in<QTableWidget>(window, "表格时辰");
    QCOMPARE(hours->columnCount(), 12);
    const auto hour = [hours](int column) {
      return hours->item(0, column)->text() + hours->item(1, column)->text() +
             hours->item(2, column)->text();
    };
    QCOMPARE(hour(0), QString::fromUtf8("戊子金匮吉"));
    QCOMPARE(hour(2), QString::fromUtf8("庚寅白虎凶"));
    in<QCalendarWidget>(window, "农历月历1")->setSelectedDate(QDate(2014, 2, 3));
    QCOMPARE(text(window, "标签日忌"), QString::fromUtf8("开市 出行 安葬 行丧"));
    QCOMPARE(text(window, "标签冲煞"), QString::fromUtf8("冲猪(己亥)　煞东"));
    QCOMPARE(hour(1), QString::fromUtf8("丁丑玉堂吉"));
  }

  void calendarSwitchesBetweenTheMonthViews() {
    QWidget* window = openFromToolbar(9, "万年历");
    auto* tabs = in<QTabWidget>(window, "选择夹1");
    QCOMPARE(tabs->currentIndex(), 0);
    in<QAbstractButton>(window, "单选框1")->click();
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QString::fromUtf8("公历"));
    in<QAbstractButton>(window, "单选框2")->click();
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QString::fromUtf8("农历"));
  }

  void almanacOpensOnTodayAndFollowsTheDateBox() {
    QWidget* window = openFromToolbar(10, "黄历吉日");
    QCOMPARE(text(window, "标签岁次"),
             QString::fromUtf8("甲午年、生肖属马、丙寅月、丙午日　【定日】"));
    QCOMPARE(text(window, "标签五行"), QString::fromUtf8("天河水"));
    QCOMPARE(text(window, "标签禁忌"), QString::fromUtf8("忌词讼出行。"));
    in<LunarDateBox>(window, "农历日期框1")->setDate({2024, 1, 1});
    QVERIFY(text(window, "标签岁次").endsWith(QString::fromUtf8("甲子日　【建日】")));
    QCOMPARE(in<QComboBox>(window, "组合框宜忌")->currentText(), QString::fromUtf8("嫁娶"));
    // The officer texts' activities, a line, then those of the day lists.
    QVERIFY(in<QComboBox>(window, "组合框宜忌")->findText(QString::fromUtf8("开市")) > 0);
    in<LunarDateBox>(window, "农历日期框1")->setDate({2014, 2, 3});
    QCOMPARE(text(window, "标签日忌"), QString::fromUtf8("开市 出行 安葬 行丧"));
  }

  // 开市 from the day lists: each day found has it in its 宜 list.
  void almanacSearchesTheDayListsForTheirActivities() {
    QWidget* window = openFromToolbar(10, "黄历吉日");
    in<LunarDateBox>(window, "农历日期框1")->setDate({2024, 1, 1});
    in<QComboBox>(window, "组合框1")->setCurrentIndex(2);  // 一月以内
    auto* activity = in<QComboBox>(window, "组合框宜忌");
    activity->setCurrentIndex(activity->findText(QString::fromUtf8("开市")));
    QTest::mouseClick(in<QPushButton>(window, "按钮日子查询"), Qt::LeftButton);
    auto* list = in<QListWidget>(window, "选择列表框1");
    QVERIFY(list->count() > 0);
    const QStringList date =
        list->item(0)->text().split(QRegularExpression(QStringLiteral("\\D")), Qt::SkipEmptyParts);
    in<LunarDateBox>(window, "农历日期框1")
        ->setDate({date[0].toInt(), date[1].toInt(), date[2].toInt()});
    QVERIFY(text(window, "标签日宜").split(QLatin1Char(' ')).contains(QString::fromUtf8("开市")));
  }

  void almanacSearchListsTheFoundDays() {
    QWidget* window = openFromToolbar(10, "黄历吉日");
    in<LunarDateBox>(window, "农历日期框1")->setDate({2024, 1, 1});
    in<QComboBox>(window, "组合框1")->setCurrentIndex(0);  // 一周以内
    in<QComboBox>(window, "组合框2")->setCurrentIndex(0);  // 宜
    QTest::mouseClick(in<QPushButton>(window, "按钮日子查询"), Qt::LeftButton);
    auto* list = in<QListWidget>(window, "选择列表框1");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->item(0)->text(), QString::fromUtf8("2024年1月7日"));
    QCOMPARE(list->item(1)->text(), QString::fromUtf8("2024年1月8日"));
    QCOMPARE(in<QTabWidget>(window, "选择夹1")->currentIndex(), 1);
  }

  // A fresh sandbox: no legal representative is saved.
  void openingPageSaysWhenNoLegalRepresentativeIsSaved() {
    QWidget* window = openFromToolbar(10, "黄历吉日");
    QTest::mouseClick(in<QPushButton>(window, "按钮开业查询"), Qt::LeftButton);
    QVERIFY(text(window, "标签开业法人").contains(QString::fromUtf8("尚未保存")));
    QCOMPARE(in<QTreeWidget>(window, "开业吉日列表框")->topLevelItemCount(), 0);
  }

  void openingPageListsTheSavedLegalRepresentativesDaysWithReasons() {
    QVERIFY(zeruda::profile::writeLegalPersonProfile(sandbox_->session().profile().path(),
                                                     zeruda::test::sampleLegalPerson()));

    QWidget* window = openFromToolbar(10, "黄历吉日");
    in<LunarDateBox>(window, "农历日期框1")->setDate({2027, 1, 1});
    in<QSpinBox>(window, "开业天数框")->setValue(60);
    QTest::mouseClick(in<QPushButton>(window, "按钮开业查询"), Qt::LeftButton);
    QCOMPARE(in<QTabWidget>(window, "选择夹1")->currentIndex(), 2);
    QCOMPARE(text(window, "标签开业法人"),
             QString::fromUtf8("法人：王建国　生于1985年6月15日8时30分"));
    auto* list = in<QTreeWidget>(window, "开业吉日列表框");
    QVERIFY(list->topLevelItemCount() > 0);
    QVERIFY(text(window, "标签开业结果")
                .contains(QString::number(list->topLevelItemCount()) + QString::fromUtf8(" 天")));
    // A 开 day (己亥) with its reasons; 2027-01-04, a 危 day on 未, clashes with the 丑 year.
    const auto rows = list->findItems(QString::fromUtf8("2027年1月20日"), Qt::MatchExactly);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0]->text(1) + rows[0]->text(2) + rows[0]->text(3),
             QString::fromUtf8("星期三开己亥"));
    QVERIFY(!rows[0]->text(4).isEmpty());  // lucky hours
    QVERIFY(
        rows[0]->text(5).startsWith(QString::fromUtf8("值开日；宜交易、契券；值神明堂（黄道）")));
    // Cut off in the column, whole in the row's tooltip, one reason to a line.
    QVERIFY(rows[0]->toolTip(0).startsWith(
        QString::fromUtf8("2027年1月20日 星期三\n值开日\n宜交易、契券\n值神明堂（黄道）")));
    QCOMPARE(rows[0]->toolTip(5), rows[0]->toolTip(0));
    QVERIFY(list->findItems(QString::fromUtf8("2027年1月4日"), Qt::MatchExactly).isEmpty());
    const auto notes = in<QListWidget>(window, "开业不取列表框")
                           ->findItems(QString::fromUtf8("2027年1月4日"), Qt::MatchStartsWith);
    QCOMPARE(notes.size(), 1);
    QVERIFY(notes[0]->text().contains(QString::fromUtf8("冲法人生年之丑")));
  }
};

QTEST_MAIN(CalendarWindowsTest)
#include "calendar_windows_test.moc"
