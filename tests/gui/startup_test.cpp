#include "fake_ui_services.h"
#include "find_control.h"
#include "gui/lunar_date_box.h"
#include "gui/main_window.h"
#include "main_window_fixture.h"
#include "profile/profile.h"
#include "support/sample_profile.h"
#include "support/text_support.h"

#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>
#include <memory>

using zeruda::calendar::Date;
using zeruda::gui::LunarDateBox;
using zeruda::gui::MainWindow;
using zeruda::gui::test::FakeUiServices;

// Start-up as the user meets it: a working folder under a temporary data home, with
// or without a profile from an earlier run.
class StartupTest : public zeruda::gui::test::MainWindowFixture {
  Q_OBJECT

 private:
  // The sample legal representative, as a run before this one saved him.
  void writeProfile() {
    QVERIFY(zeruda::profile::writeLegalPersonProfile(sandbox_->session().profile().path(),
                                                     zeruda::test::sampleLegalPerson()));
  }

  void startWindow() {
    window_->startUp();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

 private slots:
  void init() { makeWindow(); }
  void cleanup() { dropWindow(); }

  void savedLegalRepresentativeFillsBothPages() {
    writeProfile();
    startWindow();
    QCOMPARE(control<QLineEdit>("公司法人姓")->text(), QString::fromUtf8("王"));
    QCOMPARE(control<QLineEdit>("公司法人名")->text(), QString::fromUtf8("建国"));
    QCOMPARE(control<QLineEdit>("公司前缀")->text(), QString::fromUtf8("成都"));
    QCOMPARE(control<QLineEdit>("公司后缀")->text(), QString::fromUtf8("科技有限公司"));
    QCOMPARE(control<LunarDateBox>("公司法人农历日期框")->date(), (Date{1985, 6, 15}));
    QCOMPARE(control<LunarDateBox>("农历日期框八字")->date(), (Date{1985, 6, 15}));
    // Hour and minute come from 法人时 and 法人分, not from the date text.
    QCOMPARE(control<QComboBox>("公司法人组合框时")->currentIndex(), 8);
    QCOMPARE(control<QComboBox>("公司法人组合框分")->currentIndex(), 30);
    QCOMPARE(control<QComboBox>("组合框八字时")->currentIndex(), 8);
    QCOMPARE(control<QComboBox>("组合框八字分")->currentIndex(), 30);
    QCOMPARE(control<QLineEdit>("编辑框八字姓")->text(), QString::fromUtf8("王"));
    QCOMPARE(control<QLineEdit>("编辑框八字姓1")->text(), QString::fromUtf8("建国"));
  }

  void chartBoxShowsTheSavedChartUnderItsHeading() {
    writeProfile();
    startWindow();
    const QString expected = QString::fromUtf8(
        "\n\n\n\n     法人生辰八字信息\n\n"
        "\t公历：1985年6月15日8时30分\n"
        "\t农历：1985年4月27日\n"
        "\t时辰：辰（chen）\n"
        "\t属相：牛\n"
        "\t四柱：乙丑年壬午月乙酉日庚辰时\n"
        "\t八字：乙丑壬午乙酉庚辰\n"
        "\t五行：木土 水火 木金 金土\n"
        "\t纳音：海中金；杨柳木；泉中水；白蜡金\n");
    QCOMPARE(control<QPlainTextEdit>("公司法人八字编辑框")->toPlainText(), expected);
  }

  void firstStartLeavesTheFormEmptyWithLabelsOnly() {
    startWindow();
    QCOMPARE(control<QLineEdit>("公司法人姓")->text(), QString());
    QCOMPARE(control<QLineEdit>("公司前缀")->text(), QString());
    QCOMPARE(control<QComboBox>("公司法人组合框时")->currentIndex(), 0);
    QCOMPARE(control<QComboBox>("公司法人组合框分")->currentIndex(), 0);
    QVERIFY(control<QPlainTextEdit>("公司法人八字编辑框")
                ->toPlainText()
                .contains(QString::fromUtf8("\t公历：\n\t农历：\n")));
  }

  void controlsStartInTheirFirstState() {
    startWindow();
    QCOMPARE(control<QComboBox>("公司中间字数")->currentText(), QStringLiteral("2"));
    QVERIFY(control<QLineEdit>("公司编辑框固定字2")->isVisible());
    QVERIFY(!control<QLineEdit>("公司编辑框固定字3")->isVisible());
    QVERIFY(!control<QLineEdit>("公司编辑框固定字4")->isVisible());
    QCOMPARE(control<QTabWidget>("选择夹1")->currentIndex(), int(MainWindow::kCompany));
    const QDate today = QDate::currentDate();
    QCOMPARE(control<LunarDateBox>("农历日期框取名")->date(),
             (Date{today.year(), today.month(), today.day()}));
  }

  void referenceListsHoldEveryRecordOfTheirTables() {
    startWindow();
    auto* talents = control<QTreeWidget>("超级列表框三才");
    // Five elements in three places: 125 combinations, numbered from 1.
    QCOMPARE(talents->topLevelItemCount(), 125);
    QCOMPARE(talents->topLevelItem(0)->text(0), QStringLiteral("1"));
    QCOMPARE(talents->topLevelItem(124)->text(0), QStringLiteral("125"));
    QCOMPARE(talents->headerItem()->text(4), QString::fromUtf8("三才评语"));
    auto* numbers = control<QTreeWidget>("超级列表框数理");
    QCOMPARE(numbers->topLevelItemCount(), 81);
    QCOMPARE(numbers->topLevelItem(80)->text(0), QStringLiteral("81"));
    QCOMPARE(numbers->columnCount(), 7);

    // The texts the columns cut short are read whole below the list.
    numbers->setCurrentItem(numbers->topLevelItem(2));
    const QStringList detail =
        control<QPlainTextEdit>("超级列表框数理详情")->toPlainText().split(QLatin1Char('\n'));
    QCOMPARE(detail.size(), 6);
    QCOMPARE(detail[0], QString::fromUtf8("数理：3　　吉否：") + numbers->topLevelItem(2)->text(1));
    QCOMPARE(detail[5], QString::fromUtf8("含意：") + numbers->topLevelItem(2)->text(6));
  }

  void closingTheWindowDeletesTheTablesAndKeepsTheProfile() {
    writeProfile();
    startWindow();
    for (const char* table : {"sl.dat", "sc.dat", "xm.dat", "gs.dat", "zk.dat"}) {
      QVERIFY2(QFile::exists(workingFile(table)), table);
    }
    window_->close();
    for (const char* table : {"sl.dat", "sc.dat", "xm.dat", "gs.dat", "zk.dat"}) {
      QVERIFY2(!QFile::exists(workingFile(table)), table);
    }
    QVERIFY(QFile::exists(workingFile("shengchen.ini")));
  }

  void middleCountShowsAsManyFixedBoxesAsItUses_data() {
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("third");
    QTest::addColumn<bool>("fourth");
    QTest::newRow("two characters") << "2" << false << false;
    QTest::newRow("three characters") << "3" << true << false;
    QTest::newRow("four characters") << "4" << true << true;
  }
  void middleCountShowsAsManyFixedBoxesAsItUses() {
    QFETCH(QString, count);
    QFETCH(bool, third);
    QFETCH(bool, fourth);
    startWindow();
    control<QComboBox>("公司中间字数")->setCurrentText(count);
    QCOMPARE(control<QLineEdit>("公司编辑框固定字3")->isVisible(), third);
    QCOMPARE(control<QLineEdit>("公司编辑框固定字4")->isVisible(), fourth);
  }

  // The program's own start: the company page paints first, the other pages follow
  // and end up as the whole window's; a page asked for earlier is built at once.
  void aWindowBuiltPageByPageEndsAsTheWholeOne() {
    writeProfile();
    window_ = std::make_unique<MainWindow>(services_, sandbox_->session(),
                                           MainWindow::Build::CompanyPageFirst);
    window_->startUp();
    QCOMPARE(control<QLineEdit>("公司法人姓")->text(), QString::fromUtf8("王"));
    QCOMPARE(window_->findChild<QLineEdit*>(QStringLiteral("编辑框八字姓")), nullptr);
    QCOMPARE(window_->findChild<QTabWidget*>()->count(), 8);
    window_->show();
    QTRY_VERIFY(window_->findChild<QLineEdit*>(QStringLiteral("编辑框八字姓")) != nullptr);
    QCOMPARE(control<QLineEdit>("编辑框八字姓")->text(), QString::fromUtf8("王"));
    QCOMPARE(control<QTreeWidget>("超级列表框数理")->topLevelItemCount(), 81);
    QCOMPARE(window_->minimumSize(), window_->usableMinimumSize());

    dropWindow();
    makeWindow();
    window_ = std::make_unique<MainWindow>(services_, sandbox_->session(),
                                           MainWindow::Build::CompanyPageFirst);
    window_->findChild<QTabWidget*>()->setCurrentIndex(MainWindow::kArticles);
    QVERIFY(control<QTreeWidget>("树型框1")->topLevelItemCount() > 0);
  }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
