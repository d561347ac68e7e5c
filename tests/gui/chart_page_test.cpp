#include "fake_ui_services.h"
#include "find_control.h"
#include "gui/lunar_date_box.h"
#include "gui/main_window.h"
#include "gui/picture_view.h"
#include "main_window_fixture.h"
#include "picture_check.h"
#include "pictures/element_chart.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <algorithm>
#include <memory>

using zeruda::gui::LunarDateBox;
using zeruda::gui::MainWindow;
using zeruda::gui::MessageIcon;
using zeruda::gui::test::FakeUiServices;

class ChartPageTest : public zeruda::gui::test::MainWindowFixture {
  Q_OBJECT

 private:
  QString report() { return control<QPlainTextEdit>("编辑框八字命理")->toPlainText(); }

  // A legal representative born on 4 February 2014 at 06:04, a minute after 立春.
  void fillCompanyPage() {
    control<QLineEdit>("公司法人姓")->setText(QString::fromUtf8("张"));
    control<QLineEdit>("公司法人名")->setText(QString::fromUtf8("三丰"));
    control<LunarDateBox>("公司法人农历日期框")->setDate({2014, 2, 4});
    control<QComboBox>("公司法人组合框时")->setCurrentIndex(6);
    control<QComboBox>("公司法人组合框分")->setCurrentIndex(4);
  }

 private slots:
  void init() {
    makeWindow();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() { dropWindow(); }

  void toolbarButtonShowsThePageWithTheCompanyPersonsChart() {
    fillCompanyPage();
    control<QToolBar>("工具条1")->actions()[3]->trigger();
    QCOMPARE(control<QTabWidget>("选择夹1")->currentIndex(), int(MainWindow::kChart));
    QCOMPARE(control<QLineEdit>("编辑框八字姓")->text(), QString::fromUtf8("张"));
    QCOMPARE(control<QLineEdit>("编辑框八字姓1")->text(), QString::fromUtf8("三丰"));
    QCOMPARE(control<LunarDateBox>("农历日期框八字")->date(), (zeruda::calendar::Date{2014, 2, 4}));
    QCOMPARE(control<QComboBox>("组合框八字时")->currentIndex(), 6);
    QCOMPARE(control<QComboBox>("组合框八字分")->currentIndex(), 4);
    QVERIFY2(report().contains(QString::fromUtf8("  公历：2014年2月4日6时4分\n")),
             qPrintable(report()));
    // A minute after 立春 the year is 甲午 and the month 丙寅.
    QVERIFY(report().contains(QString::fromUtf8("  四柱：甲午年，丙寅月，")));
  }

  // Six o'clock on 4 February 2014, three minutes before 立春: the report says so right
  // under the pillars; at noon it has nothing to warn of.
  void reportWarnsWhereTheChartHangsOnAFewMinutes() {
    fillCompanyPage();
    control<QComboBox>("公司法人组合框分")->setCurrentIndex(0);
    QTest::mouseClick(control<QPushButton>("按钮八字计算"), Qt::LeftButton);
    QVERIFY2(report().contains(QString::fromUtf8(
                 "  生辰：癸巳 乙丑 丙午 辛卯\n"
                 "  提示：出生时刻距立春（2014年2月4日6时3分10秒）不足两小时；此刻之前为 癸巳年 "
                 "乙丑月，之后为 甲午年 丙寅月。\n  八字：")),
             qPrintable(report()));
    control<QComboBox>("公司法人组合框时")->setCurrentIndex(12);
    QTest::mouseClick(control<QPushButton>("按钮八字计算"), Qt::LeftButton);
    QVERIFY(!report().contains(QString::fromUtf8("提示")));
  }

  void computeButtonReplacesTheWholeReportEachTime() {
    fillCompanyPage();
    QTest::mouseClick(control<QPushButton>("按钮八字计算"), Qt::LeftButton);
    const QString first = report();
    QVERIFY(first.startsWith(QStringLiteral("\n\n  ")));
    QTest::mouseClick(control<QPushButton>("按钮八字计算"), Qt::LeftButton);
    QCOMPARE(report(), first);
  }

  void chartPageInputsAreReplacedByTheCompanyPageBeforeTheReport() {
    fillCompanyPage();
    control<QLineEdit>("编辑框八字姓")->setText(QString::fromUtf8("李"));
    control<LunarDateBox>("农历日期框八字")->setDate({1990, 1, 1});
    QTest::mouseClick(control<QPushButton>("按钮八字计算"), Qt::LeftButton);
    QCOMPARE(control<QLineEdit>("编辑框八字姓")->text(), QString::fromUtf8("张"));
    QVERIFY(report().contains(QString::fromUtf8("2014年2月4日")));
  }

  void copyPutsTheReportOnTheClipboardAndSaysSo() {
    fillCompanyPage();
    QTest::mouseClick(control<QPushButton>("按钮八字计算"), Qt::LeftButton);
    QTest::mouseClick(control<QPushButton>("按钮八字复制"), Qt::LeftButton);
    QCOMPARE(services_.clipboard, report());
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QCOMPARE(services_.messages[0].caption, QString::fromUtf8("提示！"));
    QCOMPARE(services_.messages[0].text, QString::fromUtf8("信息已成功复制到剪贴板"));
  }

  // The chart stands inside the report box, left of the text: the core's chart of the
  // same moment, painted where the model says, its five scores those of the report.
  void elementChartBesideTheReportIsTheCoresModelAsPainted() {
    fillCompanyPage();
    control<QToolBar>("工具条1")->actions()[3]->trigger();
    auto* view = control<zeruda::gui::PictureView>("八字五行图");
    const auto moment = zeruda::calendar::DateTime::of({2014, 2, 4}, 6, 4);
    QVERIFY(view->picture() ==
            zeruda::pictures::elementChart(zeruda::calendar::fourPillars(moment),
                                           zeruda::chart::elementStrength(moment)));
    QVERIFY(view->isVisible());
    const auto* box = control<QPlainTextEdit>("编辑框八字命理");
    QVERIFY(view->geometry().right() < box->viewport()->x());
    const QStringList faults = zeruda::gui::test::paintingFaults(*view);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(", ")));

    QStringList texts;
    for (const auto& text : view->picture().texts) texts << zeruda::gui::fromGbk(text.text);
    const QString scores = report()
                               .section(QString::fromUtf8("〖同类得分〗："), 1, 1)
                               .section(QString::fromUtf8("〖综合旺衰得分〗"), 0, 0);
    int found = 0;
    QRegularExpression score(QString::fromUtf8("([木火土金水]) ([0-9.]+)"));
    for (auto match = score.globalMatch(scores); match.hasNext(); ++found) {
      const auto m = match.next();
      const QStringList bar = {m.captured(2), m.captured(1)};  // a bar's score, then its name
      QVERIFY2(std::search(texts.begin(), texts.end(), bar.begin(), bar.end()) != texts.end(),
               qPrintable(m.captured(0)));
    }
    QCOMPARE(found, 5);
  }

  void printButtonPrintsTheReportWithTheChart() {
    fillCompanyPage();
    control<QToolBar>("工具条1")->actions()[3]->trigger();
    QTemporaryDir folder;
    services_.printToPdf = folder.filePath(QStringLiteral("chart.pdf"));
    QTest::mouseClick(control<QPushButton>("按钮八字打印"), Qt::LeftButton);
    QCOMPARE(services_.printJobs, 1);
    const auto* view = control<zeruda::gui::PictureView>("八字五行图");
    QVERIFY(zeruda::gui::test::pdfHoldsImageOfWidth(services_.printToPdf,
                                                    int(view->picture().width * 3)));
  }

  // A clipboard that refuses the text must not be reported as a success.
  void refusedCopyIsReportedAsAFailure() {
    services_.clipboardWorks = false;
    QTest::mouseClick(control<QPushButton>("按钮八字复制"), Qt::LeftButton);
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QCOMPARE(services_.messages[0].icon, MessageIcon::Warning);
    QCOMPARE(services_.messages[0].text, QString::fromUtf8("复制失败！请稍后再试。"));
  }
};

QTEST_MAIN(ChartPageTest)
#include "chart_page_test.moc"
