#include "gui/app_setup.h"
#include "gui/address_dialog.h"
#include "gui/lunar_date_box.h"
#include "gui/ui_services.h"
#include "profile/interface_settings.h"

#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolButton>
#include <memory>

using zeruda::gui::MessageIcon;
using zeruda::gui::QtUiServices;
using zeruda::gui::WaitMessage;

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

// Runs `step` on the modal dialog that the next call opens, once it is up.
template <typename Dialog>
void whenOpen(std::function<void(Dialog*)> step) {
  QTimer::singleShot(0, [step] {
    QVERIFY(
        QTest::qWaitFor([] { return qobject_cast<Dialog*>(QApplication::activeModalWidget()); }));
    step(qobject_cast<Dialog*>(QApplication::activeModalWidget()));
  });
}

}  // namespace

// The application as the program prepares it, with the real dialogs of QtUiServices.
class AppSetupTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> home_;

 private slots:
  void initTestCase() {
    // The system language is not Chinese here: the program's choice must win.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    zeruda::gui::prepareApplication(*qApp);
  }
  void init() { home_ = std::make_unique<QTemporaryDir>(); }

  void qtsOwnDialogsAndMenusSpeakChinese() {
    QDialogButtonBox buttons(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    QVERIFY2(buttons.button(QDialogButtonBox::Save)->text().startsWith(u("保存")),
             qPrintable(buttons.button(QDialogButtonBox::Save)->text()));
    QVERIFY(buttons.button(QDialogButtonBox::Cancel)->text().startsWith(u("取消")));
    QLineEdit box(u("华通"));
    std::unique_ptr<QMenu> menu(box.createStandardContextMenu());
    QStringList entries;
    for (QAction* action : menu->actions()) entries << action->text();
    QVERIFY2(entries.join(u(" ")).contains(u("复制")), qPrintable(entries.join(u(" "))));
  }

  void datePopupsNameMonthsAndWeekdaysInChinese() {
    zeruda::gui::LunarDateBox box(u("日期框"));
    box.setDate({2000, 1, 1});
    box.show();
    QTest::mouseClick(box.findChild<QToolButton*>(), Qt::LeftButton);
    auto* calendar = box.findChild<QCalendarWidget*>();
    QVERIFY(calendar != nullptr);
    QCOMPARE(calendar->locale().monthName(1), u("一月"));
    QCOMPARE(calendar->locale().dayName(1, QLocale::ShortFormat), u("周一"));
  }

  void theWindowsCarryTheProgramsIcon() {
    QVERIFY(!QApplication::windowIcon().isNull());
    QVERIFY(!QApplication::windowIcon().pixmap(32, 32).isNull());
  }

  void aMessageWithoutCaptionGetsTheProgramsOwn() {
    QString caption;
    whenOpen<QMessageBox>([&caption](QMessageBox* box) {
      caption = box->windowTitle();
      box->accept();
    });
    QtUiServices().showMessage(nullptr, MessageIcon::None, QString(),
                               u("可包含五行个数超过中间字总个数，请重新选择！"));
    QCOMPARE(caption, u("系统提示"));
  }

  // A wait message opens without an event loop of its own: the call returns with
  // the box up and modal. The program's close says
  // nothing; the user's says so once.
  void aWaitMessageReturnsAtOnceAndTellsTheUsersClose_data() {
    QTest::addColumn<int>("key");  // the user's key on the box, or 0 for the program's close
    QTest::newRow("the program's close") << 0;
    QTest::newRow("Enter on 确定") << int(Qt::Key_Return);
    QTest::newRow("Esc") << int(Qt::Key_Escape);
  }
  void aWaitMessageReturnsAtOnceAndTellsTheUsersClose() {
    QFETCH(int, key);
    QWidget window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    std::unique_ptr<WaitMessage> wait = QtUiServices().openWaitMessage(
        &window, MessageIcon::Information, u("特别提示"), u("请稍候"));
    const QPointer<QMessageBox> box = window.findChild<QMessageBox*>();
    QVERIFY(box && box->isVisible());
    QCOMPARE(box->windowModality(), Qt::ApplicationModal);
    QCOMPARE(QApplication::activeModalWidget(), box.data());
    QCOMPARE(box->windowTitle(), u("特别提示"));
    QCOMPARE(box->button(QMessageBox::Ok)->text(), u("确定"));
    QSignalSpy userClosed(wait.get(), &WaitMessage::userClosed);
    if (key == 0) {
      wait->close();
    } else {
      QTest::keyClick(box, static_cast<Qt::Key>(key));
    }
    wait.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(box.isNull());
    QCOMPARE(userClosed.count(), key == 0 ? 0 : 1);
  }

  // A message box is at least as wide as its caption and the title bar's buttons.
  void messageBoxesShowTheirWholeCaption_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("text");
    QTest::newRow("export notice") << u("特别提示") << u("导出成功");
    QTest::newRow("caption longer than the text") << u("这是一个比正文长得多的窗口标题") << u("好");
  }
  void messageBoxesShowTheirWholeCaption() {
    QFETCH(QString, caption);
    QFETCH(QString, text);
    int width = 0, captionWidth = 0;
    whenOpen<QMessageBox>([&](QMessageBox* box) {
      QFont bold = box->font();
      bold.setBold(true);
      captionWidth = QFontMetrics(bold).horizontalAdvance(box->windowTitle());
      width = box->width();
      box->accept();
    });
    QtUiServices().showMessage(nullptr, MessageIcon::Information, caption, text);
    // The icon and three buttons of the title bar take at least a line's height each.
    QVERIFY2(width >= captionWidth + 4 * QFontMetrics(QApplication::font()).height(),
             qPrintable(QStringLiteral("%1 < %2").arg(width).arg(captionWidth)));
  }

  void theAddressDialogCopiesTheWorkingAddress() {
    const QString address = u(
        "https://s.1688.com/company/company_search.htm?keywords=%D4%B6%BA%BD%20AB&n=y&categoryId=");
    QApplication::clipboard()->clear();
    QString shown, copied;
    whenOpen<zeruda::gui::AddressDialog>([&](zeruda::gui::AddressDialog* dialog) {
      shown = dialog->address->toPlainText();
      QTest::mouseClick(dialog->copy, Qt::LeftButton);
      copied = QApplication::clipboard()->text();
      dialog->accept();
    });
    QtUiServices().showAddress(nullptr, address);
    QCOMPARE(shown, address);
    QCOMPARE(copied, address);
  }

  void saveDialogsStartInTheDocumentsFolderThenInTheLastFolderUsed() {
    QtUiServices services;
    services.profileFile = home_->filePath(u("shengchen.ini")).toStdString();
    QVERIFY(QDir(home_->path()).mkpath(u("文档")));
    QVERIFY(QDir(home_->path()).mkpath(u("导出")));
    services.userFolders = {
        home_->path().toStdString(), {}, home_->filePath(u("文档")).toStdString()};
    QString opened;
    QString offered;
    auto saveInto = [&opened, &offered](const QString& file) {
      whenOpen<QFileDialog>([&opened, &offered, file](QFileDialog* dialog) {
        opened = dialog->directory().absolutePath();
        offered = dialog->selectedFiles().value(0);
        dialog->selectFile(file);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog hides it
      });
    };
    saveInto(home_->filePath(u("导出/名单.csv")));
    QCOMPARE(services.chooseSaveFile(nullptr, u("*.csv"), u("csv"), {}),
             home_->filePath(u("导出/名单.csv")));
    QCOMPARE(opened, home_->filePath(u("文档")));
    QCOMPARE(
        QString::fromStdString(zeruda::profile::readExportFolder(services.profileFile).string()),
        home_->filePath(u("导出")));
    saveInto(home_->filePath(u("导出/第二份.txt")));
    services.chooseSaveFile(nullptr, u("*.txt"), u("txt"), u("成都_两字_2026-12-09.txt"));
    QCOMPARE(opened, home_->filePath(u("导出")));
    // The suggested name stands in the folder the dialog opened in.
    QCOMPARE(offered, home_->filePath(u("导出/成都_两字_2026-12-09.txt")));
  }
};

QTEST_MAIN(AppSetupTest)
#include "app_setup_test.moc"
