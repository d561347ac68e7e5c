#include "event_queue.h"
#include "fake_ui_services.h"
#include "find_control.h"
#include "gui/company_naming.h"
#include "gui/lunar_date_box.h"
#include "gui/main_window.h"
#include "gui/quit_signals.h"
#include "gui/single_instance.h"
#include "storage/table_files.h"
#include "support/program_sandbox.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <filesystem>

using zeruda::gui::CompanyNaming;
using zeruda::gui::LunarDateBox;
using zeruda::gui::MainWindow;
using zeruda::gui::SingleInstance;
using zeruda::gui::test::FakeUiServices;
using zeruda::gui::test::findControl;

// The window's life at its edges: a second start, and a quit signal at an awkward
// moment. A program of its own, since a quit leaves Qt's event loops ended for good.
class QuitSignalTest : public QObject {
  Q_OBJECT

 private slots:
  void aSecondStartOnTheFolderHandsOverToTheFirst() {
    QTemporaryDir folder;
    SingleInstance first(folder.path());
    QVERIFY(first.owner());
    QSignalSpy toFront(&first, &SingleInstance::activationRequested);
    QCoreApplication::processEvents();  // the first window's loop runs, and listens
    {
      SingleInstance second(folder.path());
      QVERIFY(!second.owner());
    }
    QVERIFY(toFront.wait(5000));
    QTemporaryDir otherFolder;
    QVERIFY(SingleInstance(otherFolder.path()).owner());
  }

  // A lock that no window of this machine holds is taken over, and what was found is
  // said; a live window's lock is not (the test above).
  void aLockNoRunningWindowHoldsIsTakenOverAndSaid_data() {
    QTest::addColumn<QByteArray>("lock");
    QTest::addColumn<QString>("said");
    const QByteArray here = QSysInfo::machineHostName().toUtf8();
    QTest::newRow("empty") << QByteArray() << QStringLiteral("无法读取");
    QTest::newRow("scribbled") << QByteArray("\xff\xfe\n") << QStringLiteral("无法读取");
    QTest::newRow("another host") << QByteArray("999999\nzeruda\notherhost\n")
                                  << QStringLiteral("另一台计算机（otherhost）");
    QTest::newRow("another host, a live process")
        << QByteArray::number(QCoreApplication::applicationPid()) + "\nzeruda\notherhost\n"
        << QStringLiteral("另一台计算机（otherhost）");
    // Qt itself takes this one over; the note still says so.
    QTest::newRow("process gone") << QByteArray("999999999\nzeruda\n" + here + "\n")
                                  << QStringLiteral("进程 999999999 已不在运行");
  }

  void aLockNoRunningWindowHoldsIsTakenOverAndSaid() {
    QFETCH(QByteArray, lock);
    QFETCH(QString, said);
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("zeruda.lock")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(lock);
    file.close();
    SingleInstance instance(folder.path());
    QVERIFY(instance.owner());
    QVERIFY2(instance.takeOverNote().contains(said), qPrintable(instance.takeOverNote()));
    QTemporaryDir clean;
    QVERIFY(SingleInstance(clean.path()).takeOverNote().isEmpty());
  }

  // Last: the quit ends every event loop of this program.
  void aQuitSignalDuringTheWaitMessageClosesTheWindowCleanly() {
    zeruda::test::ProgramSandbox sandbox;
    FakeUiServices services;
    MainWindow window(services, sandbox.session());
    window.startUp();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    zeruda::gui::closeOnQuitSignals(window);
    auto text = [&](const char* name, const char* value) {
      findControl<QLineEdit>(&window, name)->setText(QString::fromUtf8(value));
    };
    text("公司法人姓", "张");
    text("公司法人名", "三");
    text("公司前缀", "成都");
    text("公司后缀", "科技有限公司");
    findControl<LunarDateBox>(&window, "公司法人农历日期框")->setDate({1985, 6, 15});

    QTest::mouseClick(findControl<QPushButton>(&window, "按钮公司取名"), Qt::LeftButton);
    QVERIFY(services.waitMessage && services.waitMessage->isOpen());
    std::raise(SIGTERM);
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 5000);

    // The run ended with the window, its message with it, and nothing was reported.
    QVERIFY(!window.findChild<CompanyNaming*>()->running());
    QVERIFY(services.waitMessage.isNull());
    QCOMPARE(services.waitsClosedByProgram, 1);
    QVERIFY(zeruda::gui::test::deliverQueuedCalls());
    QCOMPARE(services.messages.size(), std::size_t{1});
    for (auto alias : zeruda::storage::kTableAliases) {
      QVERIFY(
          !std::filesystem::exists(zeruda::storage::tableFile(sandbox.session().folder(), alias)));
    }
  }
};

QTEST_MAIN(QuitSignalTest)
#include "quit_signal_test.moc"
