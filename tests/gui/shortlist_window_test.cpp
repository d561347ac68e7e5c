#include "gui/shortlist_window.h"
#include "fake_ui_services.h"
#include "find_control.h"
#include "gui/evaluation_window.h"
#include "profile/profile.h"
#include "sorted_list.h"
#include "support/program_sandbox.h"
#include "support/sample_profile.h"
#include "support/text_support.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <memory>

using zeruda::gui::EvaluationWindow;
using zeruda::gui::ShortlistWindow;
using zeruda::gui::test::clickHeader;
using zeruda::gui::test::FakeUiServices;
using zeruda::gui::test::runsInOrder;

class ShortlistWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<zeruda::test::ProgramSandbox> sandbox_;
  FakeUiServices services_;
  QPointer<ShortlistWindow> window_;

  QString cell(int row, int column) {
    return window_->table->model()->index(row, column).data().toString();
  }

  void paste(const QString& text) {
    window_->names->setPlainText(text);
    QTest::mouseClick(window_->score, Qt::LeftButton);
  }

 private slots:
  void init() {
    sandbox_ = std::make_unique<zeruda::test::ProgramSandbox>();
    zeruda::profile::LegalPersonProfile saved = zeruda::test::sampleLegalPerson();
    saved.missingElements = zeruda::test::gbk("金水");  // base score 3
    QVERIFY(zeruda::profile::writeLegalPersonProfile(sandbox_->session().profile().path(), saved));
    services_ = FakeUiServices{};
    window_ = new ShortlistWindow(services_, sandbox_->session());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
  }
  void cleanup() {
    delete window_;
    sandbox_.reset();
  }

  void fivePastedNamesSortByStarsAndOpenInTheEvaluationWindow() {
    // On base 3: 华通达 5 points (两星), 华通 7 (四星), 金华通达 5.5 (三星), 华 not rated,
    // 天宝 9 (五星).
    paste(QStringLiteral(
        "成都华通达科技有限公司\n中国华通科技有限公司\n\n成都金华通达信息技术有限公司\n"
        "成都华科技有限公司\n北京天宝贸易有限公司\n"));
    QCOMPARE(window_->table->model()->rowCount(), 5);
    QCOMPARE(cell(0, 2), QStringLiteral("天宝"));  // best first

    window_->table->horizontalHeader()->setSortIndicator(3, Qt::AscendingOrder);
    QStringList stars;
    for (int row = 0; row < 5; ++row) stars << cell(row, 3);
    QCOMPARE(stars,
             (QStringList{QStringLiteral("未评"), QStringLiteral("☆☆"), QStringLiteral("☆☆☆"),
                          QStringLiteral("☆☆☆☆"), QStringLiteral("☆☆☆☆☆")}));
    QVERIFY(window_->table->model()->index(3, 5).data().toString().contains(
        QStringLiteral("需审批：名称冠以“中国”")));

    const QModelIndex chosen = window_->table->model()->index(3, 2);
    const QRect place = window_->table->visualRect(chosen);
    QTest::mouseClick(window_->table->viewport(), Qt::LeftButton, {}, place.center());
    QTest::mouseDClick(window_->table->viewport(), Qt::LeftButton, {}, place.center());
    auto* evaluation = window_->findChild<EvaluationWindow*>();
    QVERIFY(evaluation != nullptr);
    QCOMPARE(evaluation->body->text(), QStringLiteral("华通"));
    QCOMPARE(evaluation->prefix->text(), QStringLiteral("中国"));
    QCOMPARE(evaluation->suffix->text(), QStringLiteral("科技有限公司"));
    QTRY_VERIFY(evaluation->report->toPlainText().contains(QStringLiteral("登记提示")));
    QVERIFY(evaluation->report->toPlainText().startsWith(
        QStringLiteral("中国华通科技有限公司　星级：☆☆☆☆\n")));
    QVERIFY(evaluation->report->toPlainText().contains(QStringLiteral("【需审批】名称冠以“中国”")));
  }

  void exportWritesTheTableAsCsv() {
    paste(QStringLiteral("成都华通科技有限公司"));
    const QString file =
        QString::fromStdString((sandbox_->roots().folder() / "shortlist.csv").string());
    services_.saveAnswers = {file};
    QTest::mouseClick(window_->exportCsv, Qt::LeftButton);
    QCOMPARE(services_.messages.back().text,
             QStringLiteral("导出成功　　") + QDir::toNativeSeparators(file));
    QCOMPARE(zeruda::test::readFile(file.toStdString()),
             zeruda::test::gbk(
                 "序号,全名,主体名,星级,分数,登记提示\r\n1,成都华通科技有限公司,华通,☆☆☆☆,7,\r\n"));
  }

  // Eleven names: 序号 runs past 9, so only a numeric sort keeps 10 after 9. The first
  // click reverses the rank order the table opens in; the export follows the table.
  void theRankSortsAsANumberAndTheExportFollowsTheTable() {
    services_.now = QDateTime(QDate(2026, 12, 9), QTime(10, 0));
    paste(QStringLiteral("华通\n天宝\n金华\n东方\n明德\n华夏\n远航\n青禾\n鑫源\n宏达\n博远\n"));
    QCOMPARE(window_->table->model()->rowCount(), 11);
    QVERIFY(runsInOrder(*window_->table->model(), 0, Qt::AscendingOrder));
    clickHeader(window_->table->horizontalHeader(), 0);
    QVERIFY(runsInOrder(*window_->table->model(), 0, Qt::DescendingOrder));
    QCOMPARE(cell(0, 0), QStringLiteral("11"));
    clickHeader(window_->table->horizontalHeader(), 4);
    QVERIFY(runsInOrder(*window_->table->model(), 4, Qt::AscendingOrder));
    clickHeader(window_->table->horizontalHeader(), 4);
    QVERIFY(runsInOrder(*window_->table->model(), 4, Qt::DescendingOrder));

    const QString file =
        QString::fromStdString((sandbox_->roots().folder() / "sorted.csv").string());
    services_.saveAnswers = {file};
    QTest::mouseClick(window_->exportCsv, Qt::LeftButton);
    QCOMPARE(services_.saveSuggestions.back(), QStringLiteral("批量评测_2026-12-09.csv"));
    const QStringList lines =
        QString::fromStdString(zeruda::test::utf8(zeruda::test::readFile(file.toStdString())))
            .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 12);
    for (int row = 0; row < 11; ++row) {
      QCOMPARE(lines[row + 1].section(QLatin1Char(','), 0, 2),
               (QStringList{cell(row, 0), cell(row, 1), cell(row, 2)}.join(QLatin1Char(','))));
    }
  }

  void anEmptyPasteBoxIsRefused() {
    paste(QStringLiteral(" \n"));
    QCOMPARE(services_.messages.back().text, QStringLiteral("请输入要评测的名字，每行一个"));
    QCOMPARE(window_->table->model()->rowCount(), 0);
  }
};

QTEST_MAIN(ShortlistWindowTest)
#include "shortlist_window_test.moc"
