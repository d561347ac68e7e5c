#include "gui/evaluation_window.h"
#include "fake_ui_services.h"
#include "gui/picture_view.h"
#include "numerology/grids.h"
#include "picture_check.h"
#include "pictures/grid_diagram.h"
#include "profile/profile.h"
#include "support/program_sandbox.h"
#include "support/sample_profile.h"
#include "support/text_support.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextEdit>
#include <memory>

using zeruda::gui::EvaluationWindow;
using zeruda::gui::MessageIcon;
using zeruda::gui::test::FakeUiServices;
using zeruda::test::gbk;

class EvaluationWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<zeruda::test::ProgramSandbox> sandbox_;
  FakeUiServices services_;
  QPointer<EvaluationWindow> window_;

  // The sample legal representative, his chart missing two elements here, so the
  // star rating's base score is 3.
  void writeProfile() {
    zeruda::profile::LegalPersonProfile saved = zeruda::test::sampleLegalPerson();
    saved.missingElements = gbk("金水");
    QVERIFY(zeruda::profile::writeLegalPersonProfile(sandbox_->session().profile().path(), saved));
  }

  void openOn(const QString& body, const QString& stars = {}) {
    window_->restore({body, stars});
    QTRY_VERIFY(!window_->report->toPlainText().isEmpty() || !services_.messages.empty());
  }

  QString reportText() { return window_->report->toPlainText(); }

  // The character format of the report where `piece` stands.
  QTextCharFormat formatAt(const QString& piece) {
    QTextCursor found = window_->report->document()->find(piece);
    if (found.isNull()) qFatal("piece not in the report");
    return found.charFormat();
  }

 private slots:
  void init() {
    sandbox_ = std::make_unique<zeruda::test::ProgramSandbox>();
    writeProfile();
    services_ = FakeUiServices{};
    window_ = new EvaluationWindow(services_, sandbox_->session());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
  }
  void cleanup() {
    delete window_;
    sandbox_.reset();
  }

  void opensWithTheSavedLegalRepresentativeAndTheSelectedBody() {
    openOn(QString::fromUtf8("华通"));
    QCOMPARE(window_->surname->text(), QString::fromUtf8("王"));
    QCOMPARE(window_->givenName->text(), QString::fromUtf8("建国"));
    QCOMPARE(window_->prefix->text(), QString::fromUtf8("成都"));
    QCOMPARE(window_->suffix->text(), QString::fromUtf8("科技有限公司"));
    QCOMPARE(window_->hour->currentIndex(), 8);
    QCOMPARE(window_->minute->currentIndex(), 30);
    QCOMPARE(window_->body->text(), QString::fromUtf8("华通"));
  }

  // The worked example: 成都 + 华通 + 科技有限公司 on a base score of 3.
  void reportsTheFiveGridsAndThreeTalentsOfTheName() {
    openOn(QString::fromUtf8("华通"));
    QVERIFY2(reportText().startsWith(QString::fromUtf8(
                 "成都华通科技有限公司　星级：☆☆☆☆\n\n"
                 "-----------------------五格三才基本信息-----------------------\n"
                 "华(hua)通(tong)\n"
                 "五格：天格15(土)　人格28(金)　地格15(土)　总格28(金)　外格1(木)\n"
                 "与法人结合的三才：天才5(土)→人才8(金)→地才5(土)\n"
                 "名字五行属性：华(水)通(火)\n\n"
                 "----------------------------名字释义---------------------------\n"
                 "总评： ")),
             qPrintable(reportText()));
    QVERIFY(reportText().contains(QString::fromUtf8("\n解释： ")));
  }

  void rulesAreBlueAndTheRestLightBlueAtTwelvePoints() {
    openOn(QString::fromUtf8("华通"));
    const QTextCharFormat rule = formatAt(QString::fromUtf8("五格三才基本信息"));
    QCOMPARE(rule.foreground().color(), QColor(0, 0, 255));
    QCOMPARE(formatAt(QString::fromUtf8("名字释义")).foreground().color(), QColor(0, 0, 255));
    const QTextCharFormat body = formatAt(QString::fromUtf8("华(hua)"));
    QCOMPARE(body.foreground().color(), QColor(0, 136, 255));
    QCOMPARE(body.fontPointSize(), 12.0);
    QCOMPARE(rule.fontPointSize(), 12.0);
  }

  void reportPageIsSavedAndShownInTheBrowserBox() {
    openOn(QString::fromUtf8("华通"));
    QCOMPARE(window_->page->source().fileName(), QStringLiteral("gsmzpf.htm"));
    QVERIFY(std::filesystem::exists(sandbox_->workingFile("gsmzpf.htm")));
    QVERIFY2(window_->page->toPlainText().contains(QString::fromUtf8("成都华通科技有限公司")),
             qPrintable(window_->page->toPlainText()));
  }

  void selectedRowsStarsAreKeptForItsOwnBody() {
    openOn(QString::fromUtf8("华通"), QString::fromUtf8("☆"));
    QVERIFY(reportText().startsWith(QString::fromUtf8("成都华通科技有限公司　星级：☆\n")));
  }

  void spacesLeaveTheBodyAndItKeepsTheSelectedRowsStars() {
    openOn(QString::fromUtf8("华通"), QString::fromUtf8("☆"));
    window_->body->setText(QString::fromUtf8("华 通"));
    QTest::mouseClick(window_->evaluate, Qt::LeftButton);
    QCOMPARE(window_->body->text(), QString::fromUtf8("华通"));
    QVERIFY(reportText().startsWith(QString::fromUtf8("成都华通科技有限公司　星级：☆\n")));
  }

  // 通华 has the grids of 华通 (both characters have 14 Kangxi strokes), so on the
  // same base score it earns the same four stars, whatever the selected row says.
  void anotherBodyHasItsStarsComputed() {
    openOn(QString::fromUtf8("华通"), QString::fromUtf8("☆"));
    window_->body->setText(QString::fromUtf8("通华"));
    QTest::mouseClick(window_->evaluate, Qt::LeftButton);
    QVERIFY(reportText().startsWith(QString::fromUtf8("成都通华科技有限公司　星级：☆☆☆☆\n")));
  }

  void badBodiesAreRefusedWithTheFocusOnTheBodyBox_data() {
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("message");
    QTest::newRow("one character")
        << QString::fromUtf8("华") << QString::fromUtf8("请输公司名字主体");
    QTest::newRow("nothing but spaces")
        << QString::fromUtf8(" 　 ") << QString::fromUtf8("请输公司名字主体");
    QTest::newRow("five characters")
        << QString::fromUtf8("华通天地人") << QString::fromUtf8("公司名字主体最多4个汉字");
  }
  void badBodiesAreRefusedWithTheFocusOnTheBodyBox() {
    QFETCH(QString, body);
    QFETCH(QString, message);
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    window_->body->setText(body);
    window_->surname->setFocus();
    QTest::mouseClick(window_->evaluate, Qt::LeftButton);
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QCOMPARE(services_.messages[0].text, message);
    QCOMPARE(services_.messages[0].caption, QString::fromUtf8("提示"));
    QCOMPARE(services_.messages[0].icon, MessageIcon::Warning);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window_->body));
    QVERIFY(reportText().isEmpty());
  }

  void copyPutsTheReportOnTheClipboardAndSaysSo() {
    window_->report->setPlainText(QString::fromUtf8("成都华通科技有限公司　星级：☆☆☆☆"));
    QTest::mouseClick(window_->copy, Qt::LeftButton);
    QCOMPARE(services_.clipboard, QString::fromUtf8("成都华通科技有限公司　星级：☆☆☆☆"));
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QCOMPARE(services_.messages[0].icon, MessageIcon::Information);
    QCOMPARE(services_.messages[0].caption, QString::fromUtf8("提示"));
    QCOMPARE(services_.messages[0].text,
             QString::fromUtf8("复制成功！您可以把评测结果粘贴到其他文件中！"));
  }

  void aRefusedCopyIsReportedAsAFailureWithAWarning() {
    window_->report->setPlainText(QStringLiteral("x"));
    services_.clipboardWorks = false;
    QTest::mouseClick(window_->copy, Qt::LeftButton);
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QCOMPARE(services_.messages[0].icon, MessageIcon::Warning);
    QCOMPARE(services_.messages[0].caption, QString::fromUtf8("提示"));
    QCOMPARE(services_.messages[0].text, QString::fromUtf8("复制失败！请稍后再试。"));
  }

  void printingWritesTheReportAsOneJob() {
    QTemporaryDir folder;
    services_.printToPdf = folder.filePath(QStringLiteral("report.pdf"));
    window_->report->setPlainText(QString::fromUtf8("总评： 测试打印\r\n解释： 第二行"));
    QCOMPARE(window_->print->text(), QString::fromUtf8("打   印"));
    QTest::mouseClick(window_->print, Qt::LeftButton);
    QCOMPARE(services_.printJobs, 1);
    QFile pdf(services_.printToPdf);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QVERIFY(pdf.read(5) == "%PDF-");
    QVERIFY(pdf.size() > 1000);
  }

  // The diagram stands inside the report box, left of its text, and is the core's
  // diagram of the body's grids, painted where the model says.
  void diagramBesideTheReportIsTheCoresModelAsPainted() {
    openOn(QString::fromUtf8("华通"));
    zeruda::numerology::NameGrids name;
    zeruda::numerology::loadNameParts(name, gbk("华通"));
    name.grids = zeruda::numerology::computeGrids(name.surnamePart, name.givenPart);
    QVERIFY(window_->diagram->picture() == zeruda::pictures::gridDiagram(name));
    QVERIFY(window_->diagram->isVisible());
    QCOMPARE(window_->diagram->parentWidget(), static_cast<QWidget*>(window_->report));
    QVERIFY(window_->diagram->geometry().right() < window_->report->viewport()->x());
    const QStringList faults = zeruda::gui::test::paintingFaults(*window_->diagram);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(", ")));
  }

  void printedReportCarriesTheDiagram() {
    openOn(QString::fromUtf8("华通"));
    QTemporaryDir folder;
    services_.printToPdf = folder.filePath(QStringLiteral("report.pdf"));
    QTest::mouseClick(window_->print, Qt::LeftButton);
    QCOMPARE(services_.printJobs, 1);
    const int width = static_cast<int>(window_->diagram->picture().width * 3);
    QVERIFY(zeruda::gui::test::pdfHoldsImageOfWidth(services_.printToPdf, width));
  }

  void diagramIsSavedAsPngOrSvgFromItsContextMenu() {
    openOn(QString::fromUtf8("华通"));
    QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("g.png"));
    const QString svg = folder.filePath(QStringLiteral("g.svg"));
    services_.saveAnswers = {png, svg};
    const QList<QAction*> menu = window_->diagram->actions();
    QCOMPARE(menu.size(), 2);
    menu[0]->trigger();
    menu[1]->trigger();
    QCOMPARE(services_.saveFilters,
             (std::vector<QString>{QStringLiteral("*.png"), QStringLiteral("*.svg")}));
    const auto& picture = window_->diagram->picture();
    QCOMPARE(QImage(png).size(), QSize(int(picture.width * 2), int(picture.height * 2)));
    QFile file(svg);  // the core's writer; its XML is parsed in the command-line tests
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(QString::fromUtf8(file.readAll()).contains(QString::fromUtf8(">天格</text>")));
    QVERIFY(services_.messages.empty());
  }

  void reportFollowsTheWindowWidthWithTheCopyButtonTenPixelsBelow() {
    window_->resize(900, 640);
    QCOMPARE(window_->report->width(), 880);
    QCOMPARE(window_->copy->y(), window_->report->y() + window_->report->height() + 10);
    window_->resize(600, 640);
    QCOMPARE(window_->report->width(), 580);
  }

  // "[王]法人名：" read as one: each label needs room from the box before it.
  void labelsKeepAGapFromTheBoxBeforeThem() {
    for (QLabel* label : window_->findChildren<QLabel*>()) {
      const QRect own = label->geometry();
      int before = -1;
      for (QWidget* other :
           label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const QRect box = other->geometry();
        if (other != label && box.right() < own.left() && box.bottom() >= own.center().y() &&
            box.top() <= own.center().y()) {
          before = std::max(before, box.right());
        }
      }
      if (before >= 0) QVERIFY2(own.left() - before > 8, qPrintable(label->text()));
    }
  }
};

QTEST_MAIN(EvaluationWindowTest)
#include "evaluation_window_test.moc"
