#include "actions/name_judgement.h"
#include "actions/name_report.h"
#include "fake_ui_services.h"
#include "find_control.h"
#include "gui/lunar_date_box.h"
#include "gui/main_window.h"
#include "gui/personal_naming.h"
#include "gui/qt_text.h"
#include "main_window_fixture.h"
#include "naming/judgement.h"
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
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
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

  QString reportShown() { return control<QPlainTextEdit>("编辑框测名报告")->toPlainText(); }

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

  // A listed name, double-clicked, brings the report the core writes for its surname
  // and given name on the page's gender and birth.
  void doubleClickingAListedNameShowsItsReport() {
    nameFifty();
    control<QComboBox>("组合框性别")->setCurrentIndex(1);
    QTreeWidgetItem* row = candidates()->topLevelItem(7);
    const QString name = row->text(0).section(u("["), 0, 0);
    candidates()->scrollToItem(row);  // the list follows the last name in
    const QRect at = candidates()->visualItemRect(row);
    // The press that a user's double-click begins with, then the double-click.
    QTest::mouseClick(candidates()->viewport(), Qt::LeftButton, {}, at.center());
    QTest::mouseDClick(candidates()->viewport(), Qt::LeftButton, {}, at.center());

    zeruda::actions::NameJudgementRequest request{zeruda::text::toGbk("王"),
                                                  zeruda::gui::toGbk(name.mid(1)),
                                                  zeruda::text::toGbk("女"), "2024-03-01", "08:00"};
    zeruda::actions::Context context{sandbox_->session().tables(), nullptr};
    const auto expected = zeruda::actions::judgeName(request, context);
    QVERIFY(expected.ok());
    QCOMPARE(reportShown(),
             zeruda::gui::fromGbk(zeruda::actions::nameReportText(expected.value())));
    QVERIFY2(reportShown().startsWith(u("姓名：") + name + u("（wáng ")),
             qPrintable(reportShown()));
    QVERIFY(reportShown().contains(u("星级：")));  // a birth was given
  }

  // Each listed name carries in its tooltip what the core judged of it and how its
  // stars were counted; the pane beside the lists shows the name last chosen.
  void aListedNameShowsItsReadingSourceAndStars() {
    nameFifty();
    QTreeWidgetItem* row = candidates()->topLevelItem(3);
    const QString name = row->text(0).section(u("["), 0, 0);
    const auto judged = zeruda::naming::judgeName(
        zeruda::text::toGbk("王"), zeruda::gui::toGbk(name.mid(1)), zeruda::naming::Leaning::Male);
    const QString pinyin = zeruda::gui::fromGbk(judged.pinyin);
    QVERIFY2(pinyin.contains(QRegularExpression(u("[āáǎàēéěèīíǐìōóǒòūúǔù]"))), qPrintable(pinyin));
    const QString tip = row->toolTip(0);
    QVERIFY2(tip.startsWith(u("姓名：") + name + u("（") + pinyin + u("）")), qPrintable(tip));
    for (const char* part : {"字义：", "出处：《", "星级：", " = "}) {
      QVERIFY2(tip.contains(u(part)), part);
    }
    QVERIFY(tip.contains(name.mid(1, 1) + u(" ") + zeruda::gui::fromGbk(judged.meanings.at(0))));

    auto* pane = control<QPlainTextEdit>("名字详情");
    QVERIFY(pane->toPlainText().isEmpty());
    for (int at : {3, 9}) {
      candidates()->scrollToItem(candidates()->topLevelItem(at));
      QTest::mouseClick(candidates()->viewport(), Qt::LeftButton, {},
                        candidates()->visualItemRect(candidates()->topLevelItem(at)).center());
      QCOMPARE(pane->toPlainText(), candidates()->topLevelItem(at)->toolTip(0));
    }
    QVERIFY(recommended()->count() > 0);
    QListWidgetItem* pick = recommended()->item(0);
    QTest::mouseClick(recommended()->viewport(), Qt::LeftButton, {},
                      recommended()->visualItemRect(pick).center());
    QVERIFY(pick->toolTip().startsWith(u("姓名：") + pick->text().section(u("["), 0, 0)));
    QCOMPARE(pane->toPlainText(), pick->toolTip());
  }

  // A typed name, by the button or by Enter in its boxes.
  void aTypedNameShowsItsReport() {
    fill("王");
    control<QLineEdit>("测名姓")->setText(u("李"));
    control<QLineEdit>("测名名")->setText(u("清扬"));
    click("按钮测名");
    QVERIFY2(reportShown().startsWith(u("姓名：李清扬（lǐ qīng yáng）")),
             qPrintable(reportShown()));
    QVERIFY(reportShown().contains(u("诗经")));

    control<QLineEdit>("测名姓")->setText(u("杜"));
    control<QLineEdit>("测名名")->setText(u("子腾"));
    QTest::keyClick(control<QLineEdit>("测名名"), Qt::Key_Return);
    QVERIFY2(reportShown().contains(u("谐音：“杜子腾”音近“肚子疼”")), qPrintable(reportShown()));
    QCOMPARE(services_.messages.size(), std::size_t{0});
  }

  // Each refusal focuses the 测名 box at fault, its text selected.
  void aBadTypedNameIsRefusedAtItsBox() {
    struct Case {
      const char* surname;
      const char* given;
      const char* message;
      const char* box;
      const char* selected;
    };
    const Case cases[] = {
        {"李", "Ａ", "您未输入合法内容！", "测名名", "Ａ"},
        {"李", "清扬清扬", "名字只能有一至三个字", "测名名", "清扬清扬"},
        {"Ａ", "清扬", "您未输入合法内容！", "测名姓", "Ａ"},
    };
    fill("王");
    for (const Case& c : cases) {
      services_.messages.clear();
      control<QLineEdit>("测名姓")->setText(u(c.surname));
      control<QLineEdit>("测名名")->setText(u(c.given));
      click("按钮测名");
      QCOMPARE(services_.messages.size(), std::size_t{1});
      QCOMPARE(services_.messages[0].text, u(c.message));
      QCOMPARE(QApplication::focusWidget(), control<QWidget>(c.box));
      QCOMPARE(control<QLineEdit>(c.box)->selectedText(), u(c.selected));
    }
    QVERIFY(window_->findChild<QPlainTextEdit*>(u("编辑框测名报告")) == nullptr);
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
