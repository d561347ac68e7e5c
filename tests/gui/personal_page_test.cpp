#include "fake_ui_services.h"
#include "find_control.h"
#include "gui/lunar_date_box.h"
#include "gui/main_window.h"
#include "gui/personal_naming.h"
#include "main_window_fixture.h"
#include "naming/verses.h"
#include "sorted_list.h"
#include "text/gbk.h"
#include "wait_steps.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <memory>

using zeruda::gui::LunarDateBox;
using zeruda::gui::MainWindow;
using zeruda::gui::MessageIcon;
using zeruda::gui::PersonalNaming;
using zeruda::gui::test::clickHeader;
using zeruda::gui::test::closeWaitMessageAt;
using zeruda::gui::test::FakeUiServices;
using zeruda::gui::test::RunEnds;
using zeruda::gui::test::runsInOrder;

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

const char* const kWaitText = "正在取名，点击[确定]可停止　　";

}  // namespace

// The 取名 page driven as a parent drives it: fill, be refused, name, stop, copy.
class PersonalPageTest : public zeruda::gui::test::MainWindowFixture {
  Q_OBJECT

 private:
  QTreeWidget* candidates() { return control<QTreeWidget>("超级列表框姓名备选"); }
  QListWidget* recommended() { return control<QListWidget>("列表框姓名推荐"); }
  QString status() { return window_->statusBar()->findChildren<QLabel*>().first()->text(); }
  void click(const char* name) { QTest::mouseClick(control<QWidget>(name), Qt::LeftButton); }

  void fill(const char* surname) {
    control<QLineEdit>("编辑框姓")->setText(u(surname));
    control<LunarDateBox>("农历日期框取名")->setDate({2024, 3, 1});
    control<QComboBox>("组合框时")->setCurrentIndex(8);
  }

  // Waits for the run's end, which comes behind its last names.
  void settle() { QVERIFY(runEnds_->next()); }

  QStringList names() {
    QStringList texts;
    for (int i = 0; i < candidates()->topLevelItemCount(); ++i) {
      texts << candidates()->topLevelItem(i)->text(0);
    }
    return texts;
  }

  void expectMessage(std::size_t at, const char* text, const char* caption, MessageIcon icon) {
    QVERIFY(services_.messages.size() > at);
    QCOMPARE(services_.messages[at].text, u(text));
    QCOMPARE(services_.messages[at].caption, u(caption));
    QCOMPARE(services_.messages[at].icon, icon);
  }

  // Names until 50 stand, then the wait message is closed; the run waits for that
  // close at its 50th name.
  void nameFifty() {
    fill("王");
    closeWaitMessageAt(services_, *candidates()->model(), 50,
                       &window_->findChild<PersonalNaming*>()->onRowHandedOver);
    click("按钮电脑取名");
    settle();
  }

  std::unique_ptr<RunEnds> runEnds_;

 private slots:
  void init() {
    makeWindow();
    window_->findChild<PersonalNaming*>()->seedSource = [] { return 7u; };
    runEnds_ = std::make_unique<RunEnds>(window_->findChild<PersonalNaming*>());
    window_->startUp();
    window_->showPage(MainWindow::kPersonal);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }
  void cleanup() {
    window_->close();  // closes the tables too, as at exit
    runEnds_.reset();
    dropWindow();
  }

  void boxesFollowTheirTickBoxesAndTheNameLength() {
    QVERIFY(!control<QComboBox>("组合框星级")->isEnabled());
    QVERIFY(!control<QLineEdit>("编辑框固定字")->isEnabled());
    click("选择框星级");
    QVERIFY(control<QComboBox>("组合框星级")->isEnabled());
    control<QCheckBox>("选择框固定字")->setChecked(true);
    QVERIFY(control<QComboBox>("组合框固定字选择")->isEnabled());
    QVERIFY(control<QLineEdit>("编辑框固定字")->isEnabled());
    click("单选框字数三");
    control<QComboBox>("组合框固定字选择")->setCurrentIndex(2);
    click("单选框字数二");
    QCOMPARE(control<QComboBox>("组合框固定字选择")->currentIndex(), 1);
    click("单选框字数一");
    QCOMPARE(control<QComboBox>("组合框固定字选择")->currentIndex(), 0);
  }

  void aCharacterOutsideTheStandardTableIsNotedInTheStatusBar() {
    fill("王");
    control<QCheckBox>("选择框固定字")->setChecked(true);
    control<QLineEdit>("编辑框固定字")->setText(u("龘"));
    click("按钮电脑取名");
    services_.waitMessage->closeAsUser();  // closed at once: a few names do
    settle();
    QVERIFY2(status().startsWith(u("提示：“龘”不在《通用规范汉字表》")), qPrintable(status()));
  }

  void refusalsNameTheBoxAndSelectItsText() {
    fill("Ａ");
    click("按钮电脑取名");
    expectMessage(0, "您未输入合法内容！", "提示", MessageIcon::Warning);
    QCOMPARE(QApplication::focusWidget(), control<QWidget>("编辑框姓"));
    QCOMPARE(control<QLineEdit>("编辑框姓")->selectedText(), u("Ａ"));

    fill("欧阳");
    click("单选框字数三");
    click("按钮电脑取名");
    expectMessage(1, "复姓不可以使用三个字的名字！", "特别提示", MessageIcon::Warning);
    QCOMPARE(services_.messages.size(), std::size_t{2});
    QCOMPARE(candidates()->topLevelItemCount(), 0);
  }

  void namesArriveUntilStopped() {
    nameFifty();
    expectMessage(0, kWaitText, "特别提示", MessageIcon::Information);
    QCOMPARE(services_.waitsClosedByProgram, 0);
    const QStringList first = names();
    QCOMPARE(first.size(), 50);  // the user's stop, before the next name
    for (int i = 0; i < first.size(); ++i) {
      QVERIFY2(first[i].startsWith(u("王")) && first[i].endsWith(u("]")), qPrintable(first[i]));
      QCOMPARE(candidates()->topLevelItem(i)->data(0, Qt::UserRole).toInt(), i + 1);
    }
    for (int i = 0; i < recommended()->count(); ++i) {
      QVERIFY(recommended()->item(i)->text().endsWith(u("[☆☆☆☆]")));
    }
    QVERIFY(status().startsWith(u("根据周易")));
  }

  // The road box gives the run its road: verse pairs by default, the stroke draw's
  // other names on the same seed when chosen.
  void theRoadChosenDrawsTheNames() {
    QCOMPARE(control<QComboBox>("组合框取名方式")->currentText(), u("诗词典籍"));
    nameFifty();
    const QStringList verse = names();
    for (const QString& name : verse) {
      const std::string given = zeruda::text::toGbk(name.mid(1, 2).toStdString());
      QVERIFY2(!zeruda::naming::versesOf(given).empty(), qPrintable(name));
    }
    control<QComboBox>("组合框取名方式")->setCurrentText(u("按笔画随机"));
    nameFifty();
    QCOMPARE(names().size(), 50);
    QVERIFY(names() != verse);
  }

  void aRunEndsByItselfAtTwoThousandNames() {
    fill("王");
    click("按钮电脑取名");
    settle();
    QCOMPARE(services_.waitsClosedByProgram, 1);
    QCOMPARE(candidates()->topLevelItemCount(), 2000);
    QCOMPARE(status(), u("已取名2000个，达到一次取名的上限，取名已停止"));
  }

  // Sorted before the run, names land by their stars as they arrive; a second click
  // reverses, and the copy takes the order shown.
  void theHeaderSortsByStarsWhileNamesArriveAndTheCopyFollows() {
    clickHeader(candidates()->header(), 0);
    fill("王");
    // Looked at after each burst is in: the tree places a burst's items one by one.
    bool sortedMeanwhile = true;
    const QObject watch;  // the checks go with it
    connect(
        candidates()->model(), &QAbstractItemModel::rowsInserted, &watch,
        [&] {
          sortedMeanwhile =
              sortedMeanwhile && runsInOrder(*candidates()->model(), 0, Qt::AscendingOrder);
        },
        Qt::QueuedConnection);
    closeWaitMessageAt(services_, *candidates()->model(), 50);
    click("按钮电脑取名");
    settle();
    QVERIFY(sortedMeanwhile);
    QVERIFY(runsInOrder(*candidates()->model(), 0, Qt::AscendingOrder));
    QVERIFY(!runsInOrder(*candidates()->model(), 0, Qt::DescendingOrder));
    clickHeader(candidates()->header(), 0);
    QVERIFY(runsInOrder(*candidates()->model(), 0, Qt::DescendingOrder));
    click("按钮复制名字");
    QCOMPARE(services_.clipboard, names().join(u("\r\n")) + u("\r\n"));
  }

  void copyingSaysWhatHappened() {
    click("按钮复制名字");
    expectMessage(0, "没有可复制的名字！", "提示", MessageIcon::Warning);

    nameFifty();
    services_.messages.clear();
    click("按钮复制名字");
    expectMessage(0, "复制名字成功！", "提示", MessageIcon::Information);
    QCOMPARE(services_.clipboard, names().join(u("\r\n")) + u("\r\n"));

    services_.clipboardWorks = false;
    click("按钮复制名字");
    expectMessage(1, "复制名字失败！", "提示", MessageIcon::Warning);
  }
};

QTEST_MAIN(PersonalPageTest)
#include "personal_page_test.moc"
