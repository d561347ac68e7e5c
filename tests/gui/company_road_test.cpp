#include "event_queue.h"
#include "fake_ui_services.h"
#include "find_control.h"
#include "gui/company_naming.h"
#include "gui/evaluation_window.h"
#include "gui/lunar_date_box.h"
#include "gui/main_window.h"
#include "main_window_fixture.h"
#include "profile/profile.h"
#include "sorted_list.h"
#include "support/sample_profile.h"
#include "support/text_support.h"
#include "wait_steps.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QTreeView>
#include <memory>

using zeruda::gui::CompanyNaming;
using zeruda::gui::EvaluationWindow;
using zeruda::gui::LunarDateBox;
using zeruda::gui::MainWindow;
using zeruda::gui::MessageIcon;
using zeruda::gui::test::clickHeader;
using zeruda::gui::test::closeWaitMessageAt;
using zeruda::gui::test::FakeUiServices;
using zeruda::gui::test::FakeWaitMessage;
using zeruda::gui::test::RunEnds;
using zeruda::gui::test::runsInOrder;
using zeruda::test::gbk;

namespace {

const char* const kWaitText = "正在生成名字，请稍侯.......点击确定后，将停止生成名字";

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

// The company page driven as a user drives it: fill the form, meet the checks,
// generate, stop, export, open a row.
class CompanyRoadTest : public zeruda::gui::test::MainWindowFixture {
  Q_OBJECT

 private:
  QTreeView* list() { return control<QTreeView>("公司备选名超级列表框"); }
  // The list as shown, sorted or not.
  QAbstractItemModel& rows() { return *list()->model(); }
  QString cell(int row, int column) { return rows().index(row, column).data().toString(); }
  void click(const char* button) {
    QTest::mouseClick(control<QPushButton>(button), Qt::LeftButton);
  }

  // A first start leaves every box empty: the user fills them all.
  void fillForm() {
    control<QLineEdit>("公司前缀")->setText(u("成都"));
    control<QLineEdit>("公司后缀")->setText(u("科技有限公司"));
    control<QLineEdit>("公司法人姓")->setText(u("张"));
    control<QLineEdit>("公司法人名")->setText(u("三"));
    control<LunarDateBox>("公司法人农历日期框")->setDate({1985, 6, 15});
    control<QComboBox>("公司法人组合框时")->setCurrentIndex(8);
    control<QComboBox>("公司法人组合框分")->setCurrentIndex(30);
  }

  // Closes the wait message once the engine has delivered `wanted` rows.
  void closeWaitMessageAfter(int wanted) { closeWaitMessageAt(services_, rows(), wanted); }

  // Waits for the run's end, which comes behind its last rows.
  void settle() { QVERIFY(runEnds_->next()); }

  QString status() {
    return control<QStatusBar>("状态条1")->findChildren<QLabel*>().first()->text();
  }

  QByteArray readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
  }

  void startWindow() {
    window_->findChild<CompanyNaming*>()->seedSource = [] { return 20170101u; };
    runEnds_ = std::make_unique<RunEnds>(window_->findChild<CompanyNaming*>());
    window_->startUp();
    window_->resize(864, 640);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

  // The program started anew on the same working folder, which now holds `saved`.
  void startAgainWith(const zeruda::profile::LegalPersonProfile& saved) {
    window_.reset();
    QVERIFY(zeruda::profile::writeLegalPersonProfile(sandbox_->session().profile().path(), saved));
    window_ = std::make_unique<MainWindow>(services_, sandbox_->session());
    startWindow();
  }

  // A check message, its caption and icon, and where the focus went.
  void expectRefusal(const char* text, const char* focus) {
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QCOMPARE(services_.messages[0].text, u(text));
    QCOMPARE(services_.messages[0].caption, u("系统提示"));
    QCOMPARE(services_.messages[0].icon, MessageIcon::Warning);
    QCOMPARE(QApplication::focusWidget(), control<QWidget>(focus));
    QCOMPARE(rows().rowCount(), 0);
  }

  std::unique_ptr<RunEnds> runEnds_;

 private slots:
  void init() {
    makeWindow();
    startWindow();
  }
  void cleanup() {
    runEnds_.reset();
    dropWindow();
  }

  void theRoadBoxOffersBothRoadsTheWordsFirst() {
    const auto* road = control<QComboBox>("公司组合框取名方式");
    QCOMPARE(road->count(), 2);
    QCOMPARE(road->currentText(), u("词库佳名"));
    QCOMPARE(road->itemText(1), u("字库随机"));
  }

  void surnameInLatinLettersIsRefusedWithTheFocusOnIt() {
    fillForm();
    control<QLineEdit>("公司法人姓")->setText(QStringLiteral("Wang"));
    control<QLineEdit>("公司前缀")->setFocus();
    click("按钮公司取名");
    expectRefusal("请填写公司法人姓,只可输入中文！", "公司法人姓");
  }

  void emptySuffixIsRefusedUnlessAShopIsNamed() {
    fillForm();
    control<QLineEdit>("公司后缀")->clear();
    click("按钮公司取名");
    expectRefusal("请填写公司名称的行业后缀,只可输入中文！没有行业后缀时勾选 [取店铺、品牌名]",
                  "公司后缀");
  }

  void shopNameStillNeedsTheSurname() {
    fillForm();
    control<QCheckBox>("选择框1")->setChecked(true);
    control<QLineEdit>("公司法人姓")->clear();
    click("按钮公司取名");
    expectRefusal("请填写公司法人代表的姓氏！", "公司法人姓");
  }

  void moreElementsThanCharactersIsRefused() {
    fillForm();
    for (const char* box : {"选择框3", "选择框4", "选择框5"})
      control<QCheckBox>(box)->setChecked(true);
    click("按钮公司取名");
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QCOMPARE(services_.messages[0].text, u("可包含五行个数超过中间字总个数，请重新选择！"));
    QCOMPARE(rows().rowCount(), 0);
  }

  void latinLettersLeaveTheTextBoxesWhenTheRequestRuns() {
    fillForm();
    control<QLineEdit>("公司前缀")->setText(u("成都ab"));
    control<QLineEdit>("公司法人名")->setText(u("三x"));
    closeWaitMessageAfter(1);
    click("按钮公司取名");
    QCOMPARE(control<QLineEdit>("公司前缀")->text(), u("成都"));
    QCOMPARE(control<QLineEdit>("公司法人名")->text(), u("三"));
    settle();
    QVERIFY(cell(0, 1).startsWith(u("成都")));
  }

  void autoPickWarnsWhenTicked() {
    QTest::mouseClick(control<QCheckBox>("公司选择框星级"), Qt::LeftButton);
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QCOMPARE(services_.messages[0].text, u("自动挑选功能启用后，生成名字速度会变慢！"));
    QCOMPARE(services_.messages[0].caption, u("系统提示"));
    QCOMPARE(services_.messages[0].icon, MessageIcon::Warning);
    QTest::mouseClick(control<QCheckBox>("公司选择框星级"), Qt::LeftButton);
    QCOMPARE(services_.messages.size(), std::size_t{1});
  }

  void listHeadersKeepTheirLeadingBlanks() {
    const QStringList expected = {u("编号"),      u("            全名"), u(" 主体名"),
                                  u(" 简体笔画"), u(" 康熙笔画"),        u("   五行"),
                                  u("   星级")};
    for (int column = 0; column < expected.size(); ++column) {
      QCOMPARE(rows().headerData(column, Qt::Horizontal, Qt::DisplayRole).toString(),
               expected[column]);
    }
  }

  void columnsTakeTheirShareOfAWindow864Wide() {
    window_->resize(864, 640);
    // The shares of the page less the 字号详情 pane (a quarter of the list's room).
    const QList<int> expected = {33, 179, 58, 71, 78, 82, 71};
    for (int column = 0; column < expected.size(); ++column) {
      QCOMPARE(list()->header()->sectionSize(column), expected[column]);
    }
    window_->resize(1728, 640);
    QCOMPARE(list()->header()->sectionSize(1), 359);
  }

  void generatingFillsTheListBehindTheWaitMessageUntilItIsClosed() {
    fillForm();
    closeWaitMessageAt(services_, rows(), 30,
                       &window_->findChild<CompanyNaming*>()->onRowHandedOver);
    click("按钮公司取名");
    // The click has returned with the message up: the rows come through the window's
    // own event loop.
    QVERIFY(services_.waitMessage && services_.waitMessage->isOpen());
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QCOMPARE(services_.messages[0].text, u(kWaitText));
    QCOMPARE(services_.messages[0].caption, u("特别提示"));
    QCOMPARE(services_.messages[0].icon, MessageIcon::Information);

    // Closing the message stopped the engine before its next attempt, and the run's
    // end came behind its last row.
    settle();
    const int total = rows().rowCount();
    QCOMPARE(total, 30);
    QCOMPARE(services_.waitsClosedByProgram, 0);
    QVERIFY(zeruda::gui::test::deliverQueuedCalls());
    QCOMPARE(rows().rowCount(), total);
    QVERIFY(!status().startsWith(u("已生成名字")));

    for (int row = 0; row < total; ++row) QCOMPARE(cell(row, 0), QString::number(row + 1));
    QCOMPARE(cell(0, 1), u("成都") + cell(0, 2) + u("科技有限公司"));
    QCOMPARE(rows().index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(0xEC, 0xEC, 0xEC));
    QCOMPARE(rows().index(1, 3).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
    QCOMPARE(rows().index(2, 6).data(Qt::BackgroundRole).value<QColor>(), QColor(0xEC, 0xEC, 0xEC));
  }

  // Each header click sorts by its column, numbers as numbers (9 before 10 before
  // 21, stars by their count); a second click reverses.
  void headerClicksSortTheListByNumber_data() {
    QTest::addColumn<int>("column");
    QTest::newRow("编号") << 0;
    QTest::newRow("简体笔画") << 3;
    QTest::newRow("康熙笔画") << 4;
    QTest::newRow("星级") << 6;
  }
  void headerClicksSortTheListByNumber() {
    QFETCH(int, column);
    fillForm();
    closeWaitMessageAfter(40);
    click("按钮公司取名");
    settle();
    QVERIFY(rows().rowCount() >= 40);
    clickHeader(list()->header(), column);
    QVERIFY(runsInOrder(rows(), column, Qt::AscendingOrder));
    QVERIFY(!runsInOrder(rows(), column, Qt::DescendingOrder));
    clickHeader(list()->header(), column);
    QVERIFY(runsInOrder(rows(), column, Qt::DescendingOrder));
    QVERIFY(!runsInOrder(rows(), column, Qt::AscendingOrder));
  }

  // Sorted before the run: rows land in their sorted places as they arrive, a double
  // click opens the row clicked, and the export writes the order shown under a name
  // of the prefix, the body length and the day.
  void aSortedListTakesRowsInPlaceOpensTheRowClickedAndExportsItsOrder() {
    services_.now = QDateTime(QDate(2026, 12, 9), QTime(10, 0));
    fillForm();
    clickHeader(list()->header(), 4);
    clickHeader(list()->header(), 4);  // 康熙笔画, largest first
    bool sortedMeanwhile = true;
    const QObject watch;  // the checks go with it
    connect(&rows(), &QAbstractItemModel::rowsInserted, &watch, [&] {
      sortedMeanwhile = sortedMeanwhile && runsInOrder(rows(), 4, Qt::DescendingOrder);
    });
    closeWaitMessageAfter(30);
    click("按钮公司取名");
    settle();
    QVERIFY(sortedMeanwhile);
    QVERIFY(runsInOrder(rows(), 4, Qt::DescendingOrder));

    // A row that no longer stands where it arrived.
    int moved = 0;
    while (moved < rows().rowCount() && cell(moved, 0) == QString::number(moved + 1)) ++moved;
    QVERIFY(moved < rows().rowCount());
    const QRect place = list()->visualRect(rows().index(moved, 2));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, place.center());
    // The pane shows the selected row's 字号 with its reading.
    QVERIFY(control<QPlainTextEdit>("字号详情")
                ->toPlainText()
                .startsWith(u("字号：") + cell(moved, 2) + u("（")));
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, place.center());
    auto* evaluation = window_->findChild<EvaluationWindow*>();
    QVERIFY(evaluation != nullptr);
    QCOMPARE(evaluation->body->text(), cell(moved, 2));
    QTRY_VERIFY(evaluation->report->toPlainText().startsWith(cell(moved, 1) + u("　星级：") +
                                                             cell(moved, 6)));

    const QString csvPath = sandboxFile("sorted.csv");
    services_.saveAnswers.push_back(csvPath);
    click("按钮2");
    QCOMPARE(services_.saveSuggestions.back(), u("成都_两字_2026-12-09.csv"));
    const QStringList lines =
        QString::fromStdString(zeruda::test::utf8(readFile(csvPath).toStdString()))
            .split(u("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), rows().rowCount() + 1);
    for (int row = 0; row < rows().rowCount(); ++row) {
      QCOMPARE(lines[row + 1].section(u(","), 0, 0), cell(row, 0));
    }
  }

  void passedRequestSavesTheProfileAndShowsTheChartOnBothPages() {
    fillForm();
    closeWaitMessageAfter(1);
    click("按钮公司取名");
    const auto saved =
        zeruda::profile::readLegalPersonProfile(sandbox_->session().profile().path());
    QCOMPARE(zeruda::test::utf8(saved.surname), std::string("张"));
    QCOMPARE(zeruda::test::utf8(saved.hourBranch), std::string("辰"));
    // 1985-06-15 is the 27th day of the fourth lunar month; 8:30 is in the 辰 hour.
    QVERIFY2(control<QPlainTextEdit>("公司法人八字编辑框")
                 ->toPlainText()
                 .startsWith(u("法人生辰八字信息\n\n\t农历：1985年4月27日　时辰：辰（chen）\n")),
             qPrintable(control<QPlainTextEdit>("公司法人八字编辑框")->toPlainText()));
    QCOMPARE(control<QLineEdit>("编辑框八字姓")->text(), u("张"));
    QCOMPARE(control<QLineEdit>("编辑框八字姓1")->text(), u("三"));
    QCOMPARE(control<LunarDateBox>("农历日期框八字")->date(),
             (zeruda::calendar::Date{1985, 6, 15}));
    QCOMPARE(control<QComboBox>("组合框八字时")->currentIndex(), 8);
    QCOMPARE(control<QComboBox>("组合框八字分")->currentIndex(), 30);
  }

  // The wait message is the stop while a run goes: the page's stop button behind it
  // cannot be reached, and says so by being greyed until the run has ended.
  void theStopButtonIsGreyedWhileTheWaitMessageCarriesTheStop() {
    fillForm();
    click("按钮公司取名");
    QVERIFY(!control<QPushButton>("按钮6")->isEnabled());
    services_.waitMessage->closeAsUser();
    settle();
    QVERIFY(control<QPushButton>("按钮6")->isEnabled());
  }

  // Runs no body could pass are refused before they start: no wait message, no rows.
  void runsNoBodyCouldPassAreRefusedWithoutAWaitMessage_data() {
    QTest::addColumn<QString>("fixed1");
    QTest::addColumn<QString>("fixed2");
    QTest::addColumn<QString>("fixed4");
    QTest::addColumn<bool>("woodAndFire");
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("focus");
    QTest::newRow("every position fixed")
        << u("华") << u("通") << QString() << false
        << u("名字中间字个数与限定字个数一样了，软件将不生成名字，请减少限定字后，重新开始")
        << u("按钮公司取名");
    QTest::newRow("华 fixed, 木 and 火 required")
        << u("华") << QString() << QString() << true
        << u("包含五行的要求无法满足：除固定字外只剩1个字，却还需要包含2种五行。") << u("选择框3");
  }
  void runsNoBodyCouldPassAreRefusedWithoutAWaitMessage() {
    QFETCH(QString, fixed1);
    QFETCH(QString, fixed2);
    QFETCH(QString, fixed4);
    QFETCH(bool, woodAndFire);
    QFETCH(QString, refusal);
    QFETCH(QString, focus);
    fillForm();
    control<QLineEdit>("公司编辑框固定字1")->setText(fixed1);
    control<QLineEdit>("公司编辑框固定字2")->setText(fixed2);
    control<QLineEdit>("公司编辑框固定字4")->setText(fixed4);  // hidden past the body
    control<QCheckBox>("选择框4")->setChecked(woodAndFire);
    control<QCheckBox>("选择框6")->setChecked(woodAndFire);
    control<QPushButton>("按钮公司取名")->setFocus();
    click("按钮公司取名");
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QCOMPARE(services_.messages[0].text, refusal);
    QCOMPARE(services_.messages[0].caption, u("特别提示"));
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QCOMPARE(rows().rowCount(), 0);
  }

  void anUnstoppedRunEndsAtTwoThousandRowsAndTheWindowKeepsResponding() {
    fillForm();
    int ticks = 0;
    QTimer heartbeat;
    connect(&heartbeat, &QTimer::timeout, this, [&] { ++ticks; });
    heartbeat.start(10);
    // Nobody closes the wait message: the run takes it down when it ends by itself.
    click("按钮公司取名");
    settle();
    heartbeat.stop();
    QCOMPARE(services_.waitsClosedByProgram, 1);
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QCOMPARE(status(), u("已生成名字%1个，达到一次生成的上限，已停止生成").arg(rows().rowCount()));
    // The attempt under way at the cap may still add its row.
    QVERIFY2(rows().rowCount() == 2000 || rows().rowCount() == 2001,
             qPrintable(QString::number(rows().rowCount())));
    QVERIFY(ticks > 0);
    QCOMPARE(cell(1999, 0), QStringLiteral("2000"));
  }

  // While a run goes a second request starts nothing; closing the window ends the
  // run there, takes its message down and reports nothing.
  void aSecondRequestStartsNothingAndClosingTheWindowEndsTheRun() {
    fillForm();
    click("按钮公司取名");
    auto* naming = window_->findChild<CompanyNaming*>();
    QVERIFY(naming->running());
    const QPointer<FakeWaitMessage> wait = services_.waitMessage;
    click("按钮公司取名");
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QCOMPARE(services_.waitMessage.data(), wait.data());

    window_->close();
    QVERIFY(!naming->running());
    QVERIFY(wait.isNull());
    QCOMPARE(services_.waitsClosedByProgram, 1);
    QVERIFY(zeruda::gui::test::deliverQueuedCalls());
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QVERIFY(!runEnds_->next(0));
  }

  void exportsWriteTheListedRows() {
    fillForm();
    QVERIFY(!control<QPushButton>("按钮导出详细")->isEnabled());
    closeWaitMessageAfter(12);
    click("按钮公司取名");
    settle();
    const int count = rows().rowCount();
    services_.messages.clear();

    // The rich export: each row's plain columns, then its reading and the rest.
    const QString richPath = sandboxFile("rich.csv");
    services_.saveAnswers.push_back(richPath);
    click("按钮导出详细");
    QVERIFY(services_.saveSuggestions.back().endsWith(
        u("_两字_") + QDate::currentDate().toString(Qt::ISODate) + u("_详细.csv")));
    const QStringList richLines =
        QString::fromStdString(zeruda::test::utf8(readFile(richPath).toStdString()))
            .split(u("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(richLines.size(), count + 1);
    QCOMPARE(richLines[1].section(u(","), 2, 2), cell(0, 2));
    QVERIFY(richLines[1].contains(u("基数 ")));
    services_.messages.clear();

    const QString csvPath = sandboxFile("names.csv");
    services_.saveAnswers.push_back(csvPath);
    click("按钮2");
    QCOMPARE(services_.saveFilters.back(), QStringLiteral("*.csv"));
    QCOMPARE(services_.messages.back().text, u("导出成功　　") + QDir::toNativeSeparators(csvPath));
    QCOMPARE(services_.messages.back().caption, u("特别提示"));
    QCOMPARE(services_.messages.back().icon, MessageIcon::Information);
    const QByteArray csv = readFile(csvPath);
    QVERIFY(csv.startsWith(
        QByteArray::fromStdString(gbk("序号,全名,主体名,汉字笔画,康熙笔画,五行,星级\r\n"))));
    QCOMPARE(csv.count("\r\n"), count + 1);
    // The stroke cells' commas become "―" (A8 44) so the columns stay apart.
    QString firstRow = cell(0, 0);
    for (int column = 1; column < 7; ++column) {
      firstRow += u(",") + cell(0, column).replace(u(","), u("―"));
    }
    QVERIFY(csv.contains(QByteArray::fromStdString("\r\n" + gbk(firstRow.toStdString()) + "\r\n")));
    QVERIFY(!csv.contains("\xEF\xBB\xBF"));

    const QString txtPath = sandboxFile("names.txt");
    services_.saveAnswers.push_back(txtPath);
    click("按钮3");
    QCOMPARE(services_.saveFilters.back(), QStringLiteral("*.txt"));
    QCOMPARE(services_.messages.back().text, u("导出成功　　") + QDir::toNativeSeparators(txtPath));
    const QByteArray txt = readFile(txtPath);
    QString firstLine = QStringLiteral(" ");
    for (int column = 0; column < 7; ++column)
      firstLine += cell(0, column) + QStringLiteral("     ");
    firstLine += QStringLiteral("    \r\n");
    QVERIFY(txt.startsWith(QByteArray::fromStdString(gbk(firstLine.toStdString()))));
    QCOMPARE(txt.count("\r\n"), count);
  }

  // The file cannot be written: the user hears so instead of a success.
  void exportThatCannotWriteSaysItFailed() {
    services_.saveAnswers.push_back(sandboxFile("no/such/folder/names.csv"));
    click("按钮2");
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QVERIFY2(services_.messages[0].text.startsWith(u("导出失败")),
             qPrintable(services_.messages[0].text));
    QCOMPARE(services_.messages[0].icon, MessageIcon::Warning);
  }

  void cancelledSaveDialogWritesNothingAndSaysNothing() {
    services_.messages.clear();
    click("按钮2");
    click("按钮3");
    QCOMPARE(services_.saveFilters.size(), std::size_t{2});
    QVERIFY(services_.messages.empty());
    QVERIFY(QDir(sandboxFile(""))
                .entryList({QStringLiteral("*.csv"), QStringLiteral("*.txt")}, QDir::Files)
                .isEmpty());
  }

  void doubleClickOpensTheReportForTheSelectedRow() {
    fillForm();
    closeWaitMessageAfter(3);
    click("按钮公司取名");
    settle();
    const QModelIndex second = rows().index(1, 2);
    list()->setCurrentIndex(second);
    const QRect place = list()->visualRect(second);
    // A double click arrives after the first click's press and release.
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, place.center());
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, place.center());
    EvaluationWindow* evaluation = window_->findChild<EvaluationWindow*>();
    QVERIFY(evaluation != nullptr);
    QCOMPARE(evaluation->body->text(), cell(1, 2));
    QTRY_VERIFY(!evaluation->report->toPlainText().isEmpty());
    // The row's own stars head the report.
    QVERIFY(evaluation->report->toPlainText().startsWith(cell(1, 1) + u("　星级：") + cell(1, 6) +
                                                         u("\n")));
    services_.messages.clear();
    QTest::mouseClick(evaluation->copy, Qt::LeftButton);
    QCOMPARE(services_.clipboard, evaluation->report->toPlainText());
    QCOMPARE(services_.messages.back().text, u("复制成功！您可以把评测结果粘贴到其他文件中！"));
  }

  void toolbarOpensTheReportForTheSelectedRowToo() {
    fillForm();
    closeWaitMessageAfter(2);
    click("按钮公司取名");
    settle();
    list()->setCurrentIndex(rows().index(0, 0));
    control<QToolBar>("工具条1")->actions()[4]->trigger();
    EvaluationWindow* evaluation = window_->findChild<EvaluationWindow*>();
    QVERIFY(evaluation != nullptr);
    QCOMPARE(evaluation->body->text(), cell(0, 2));
    QCOMPARE(evaluation->surname->text(), u("张"));
  }

  void toolbarOpensTheLookupWindow() {
    control<QToolBar>("工具条1")->actions()[7]->trigger();
    QVERIFY(window_->findChild<QWidget*>(u("汉字五行属性查询")) != nullptr);
    QVERIFY(window_->findChild<QWidget*>(u("汉字五行属性查询"))->isVisible());
  }

  void doubleClickWithoutARowDoesNothing() {
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
    QVERIFY(window_->findChild<EvaluationWindow*>() == nullptr);
  }

  void rowsTellTheirRegistrationFindingsAsTooltips() {
    fillForm();
    control<QLineEdit>("公司前缀")->setText(u("中国"));
    closeWaitMessageAfter(2);
    click("按钮公司取名");
    settle();
    const QString tip = rows().index(0, 3).data(Qt::ToolTipRole).toString();
    QVERIFY2(tip.contains(u("【需审批】名称冠以“中国”")), qPrintable(tip));
    QVERIFY(cell(0, 1).startsWith(u("中国")));  // the cells stay as they are
  }

  // The tooltip opens with what the run knew of the 字号: its reading with tone marks,
  // each character's meaning and the star line that gave the row its stars.
  void rowsTellTheirBodysReadingMeaningsAndStarsAsTooltips() {
    fillForm();
    closeWaitMessageAfter(2);
    click("按钮公司取名");
    settle();
    const QString body = cell(0, 2);
    const QStringList lines = rows().index(0, 2).data(Qt::ToolTipRole).toString().split(u'\n');
    QVERIFY2(lines.size() > 3, qPrintable(lines.join(u'\n')));
    const QRegularExpression reading(u("^字号：") + body + u("（\\S*[āáǎàēéěèīíǐìōóǒòūúǔùǖǘǚǜ]"));
    QVERIFY2(reading.match(lines[0]).hasMatch(), qPrintable(lines[0]));
    const QRegularExpression meaning(u("^字义：") + body.left(1) + u(" \\S"));
    QVERIFY2(!lines.filter(meaning).isEmpty(), qPrintable(lines.join(u'\n')));
    QVERIFY(!lines.filter(QRegularExpression(u("^星级：") + cell(0, 6) + u("（"))).isEmpty());
  }

  void theShortlistButtonOpensTheShortlistWindow() {
    click("按钮打开批量评测");
    QWidget* shortlist = window_->findChild<QWidget*>(u("批量评测"));
    QVERIFY(shortlist != nullptr && shortlist->isVisible());
  }

  // Enter in a form's field starts the form's command, here met by its first check on
  // the empty form; F1 shows the help.
  void enterStartsTheFormsCommandAndF1ShowsTheHelp_data() {
    QTest::addColumn<QString>("form");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("message");
    const QString surname = u("请填写公司法人姓,只可输入中文！");
    QTest::newRow("company page, name") << u("公司法人名") << int(Qt::Key_Return) << surname;
    QTest::newRow("company page, date box")
        << u("公司法人农历日期框") << int(Qt::Key_Return) << surname;
    QTest::newRow("company page, keypad Enter")
        << u("公司中间字数") << int(Qt::Key_Enter) << surname;
    QTest::newRow("personal page")
        << u("编辑框姓") << int(Qt::Key_Return) << u("您未输入合法内容！");
    QTest::newRow("evaluation window")
        << u("编辑框名字主体") << int(Qt::Key_Return) << u("请输公司名字主体");
    QTest::newRow("lookup window")
        << u("编辑框输入") << int(Qt::Key_Return) << u("您未输入合法内容！");
    QTest::newRow("F1") << u("公司法人姓") << int(Qt::Key_F1)
                        << u("随时可以点击弹出框里的确定按扭中断取名");
  }
  void enterStartsTheFormsCommandAndF1ShowsTheHelp() {
    QFETCH(QString, form);
    QFETCH(int, key);
    QFETCH(QString, message);
    const QList<QAction*> toolbar = control<QToolBar>("工具条1")->actions();
    if (form == u("编辑框姓")) window_->showPage(MainWindow::kPersonal);
    if (form == u("编辑框名字主体")) {
      toolbar[4]->trigger();
      // The window reports on what it restored as soon as it opens: on nothing here.
      QTRY_COMPARE(services_.messages.size(), std::size_t{1});
      services_.messages.clear();
    }
    if (form == u("编辑框输入")) toolbar[7]->trigger();
    QWidget* field = window_->findChild<QWidget*>(form);
    QVERIFY(field != nullptr);
    field->setFocus(Qt::TabFocusReason);
    if (field->focusProxy() != nullptr) field = field->focusProxy();
    QTest::keyClick(field, static_cast<Qt::Key>(key));
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QVERIFY2(services_.messages[0].text.contains(message), qPrintable(services_.messages[0].text));
  }

  // The whole road by keyboard: the window opens in 法人姓, Tab reaches the date box
  // past 法人名 and the 公历/农历 box, and Enter there generates with the typed date.
  void typedBirthDateAndEnterGenerateAndSaveTheDate() {
    auto saved = zeruda::test::sampleLegalPerson();
    saved.solarBirth = gbk("2000年1月1日8时30分");
    startAgainWith(saved);
    QCOMPARE(QApplication::focusWidget(), control<QWidget>("公司法人姓"));
    for (const char* next : {"公司法人名", "公司法人组合框公农转换", "公司法人农历日期框"}) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      QWidget* reached = control<QWidget>(next);
      QVERIFY2(QApplication::focusWidget() == reached ||
                   reached->isAncestorOf(QApplication::focusWidget()),
               next);
    }
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("1985-06-15"));
    closeWaitMessageAfter(1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QCOMPARE(services_.messages[0].text, u(kWaitText));
    settle();
    QVERIFY(rows().rowCount() > 0);
    // The hour and minute are the saved 8:30, restored into their boxes.
    const QByteArray file = readFile(workingFile("shengchen.ini"));
    QVERIFY2(file.contains(QByteArray::fromStdString(gbk("\r\n公历=1985年6月15日8时30分\r\n"))),
             file.constData());
  }

  void sameSeedGivesTheSameNames() {
    fillForm();
    closeWaitMessageAfter(10);
    click("按钮公司取名");
    settle();
    QStringList first;
    for (int row = 0; row < 10; ++row) first << cell(row, 1);
    click("按钮公司取名");
    settle();
    QStringList second;
    for (int row = 0; row < 10; ++row) second << cell(row, 1);
    QCOMPARE(second, first);
    // A new request empties the list: row 1 is number 1 and grey again.
    QCOMPARE(cell(0, 0), QStringLiteral("1"));
  }
};

QTEST_MAIN(CompanyRoadTest)
#include "company_road_test.moc"
