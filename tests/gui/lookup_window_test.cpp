#include "gui/lookup_window.h"
#include "fake_ui_services.h"
#include "storage/built_in_tables.h"
#include "support/program_sandbox.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using zeruda::gui::LookupWindow;
using zeruda::gui::MessageIcon;
using zeruda::gui::test::FakeUiServices;

class LookupWindowTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<zeruda::test::ProgramSandbox> sandbox_;
  FakeUiServices services_;
  QPointer<LookupWindow> window_;

  void ask(const QString& input) {
    window_->input->setText(input);
    QTest::mouseClick(window_->query, Qt::LeftButton);
  }

 private slots:
  void init() {
    sandbox_ = std::make_unique<zeruda::test::ProgramSandbox>();
    services_ = FakeUiServices{};
    window_ = new LookupWindow(services_, sandbox_->session().tables());
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
  }
  void cleanup() {
    delete window_;
    sandbox_.reset();
  }

  void opensEmptyWithTheFocusInTheInput() {
    QCOMPARE(window_->input->text(), QString());
    QCOMPARE(window_->result->text(), QString());
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window_->input));
  }

  void showsTheElementOfACharacter_data() {
    QTest::addColumn<QString>("character");
    QTest::addColumn<QString>("element");
    QTest::newRow("华 is water") << QString::fromUtf8("华") << QString::fromUtf8("水");
    QTest::newRow("通 is fire") << QString::fromUtf8("通") << QString::fromUtf8("火");
    QTest::newRow("文 is water") << QString::fromUtf8("文") << QString::fromUtf8("水");
  }
  void showsTheElementOfACharacter() {
    QFETCH(QString, character);
    QFETCH(QString, element);
    ask(character);
    QCOMPARE(window_->result->text(), element);
    QVERIFY(services_.messages.empty());
  }

  void twoCharactersPassTheCheckButShowNothing() {
    ask(QString::fromUtf8("华"));
    ask(QString::fromUtf8("华通"));
    QVERIFY(services_.messages.empty());
    QCOMPARE(window_->result->text(), QString());
  }

  void inputThatIsNoCharacterIsRefused_data() {
    QTest::addColumn<QString>("input");
    QTest::newRow("latin letters") << QStringLiteral("ab");
    QTest::newRow("only spaces") << QStringLiteral("   ");
    QTest::newRow("letter before a character") << QString::fromUtf8("a华");
  }
  void inputThatIsNoCharacterIsRefused() {
    QFETCH(QString, input);
    ask(QString::fromUtf8("华"));
    window_->query->setFocus();
    ask(input);
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QCOMPARE(services_.messages[0].text, QString::fromUtf8("您未输入合法内容！"));
    QCOMPARE(services_.messages[0].caption, QString::fromUtf8("提示"));
    QCOMPARE(services_.messages[0].icon, MessageIcon::Warning);
    QCOMPARE(window_->input->selectedText(), input);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(window_->input));
    // The earlier answer stays: nothing else happens.
    QCOMPARE(window_->result->text(), QString::fromUtf8("水"));
  }

  void aCharacterTableDamagedWhileTheWindowRunsIsWrittenAgain() {
    const std::filesystem::path zk = sandbox_->workingFile("zk.dat");
    zeruda::test::writeFile(zk, "random bytes where the table was");
    ask(QString::fromUtf8("鑫"));
    QVERIFY(services_.messages.empty());
    QCOMPARE(window_->result->text(), QString::fromUtf8("金"));
    QCOMPARE(zeruda::test::readFile(zk), zeruda::storage::builtInTableBlock("zk").value());
  }
};

QTEST_MAIN(LookupWindowTest)
#include "lookup_window_test.moc"
