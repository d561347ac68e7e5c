#include "gui/evaluation_window.h"
#include "fake_ui_services.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <memory>

using zeruda::gui::EvaluationWindow;
using zeruda::gui::MessageIcon;
using zeruda::gui::test::FakeUiServices;

class EvaluationWindowTest : public QObject {
  Q_OBJECT

 private:
  FakeUiServices services_;
  QPointer<EvaluationWindow> window_;

 private slots:
  void init() {
    services_ = FakeUiServices{};
    window_ = new EvaluationWindow(services_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
  }
  void cleanup() { delete window_; }

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

  void reportFollowsTheWindowWidthWithTheCopyButtonTenPixelsBelow() {
    window_->resize(900, 640);
    QCOMPARE(window_->report->width(), 880);
    QCOMPARE(window_->copy->y(), window_->report->y() + window_->report->height() + 10);
    window_->resize(600, 640);
    QCOMPARE(window_->report->width(), 580);
  }
};

QTEST_MAIN(EvaluationWindowTest)
#include "evaluation_window_test.moc"
