#include "gui/main_window.h"
#include "event_queue.h"
#include "fake_ui_services.h"
#include "find_control.h"
#include "gui/evaluation_window.h"
#include "gui/lookup_window.h"
#include "gui/result_columns.h"
#include "gui/secondary_window.h"
#include "gui/window_texts.h"
#include "main_window_fixture.h"
#include "support/temp_folder.h"

#include <QAction>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>
#include <QWindow>
#include <functional>
#include <memory>

using zeruda::gui::MainWindow;
using zeruda::gui::MessageIcon;
using zeruda::gui::test::FakeUiServices;

class MainWindowTest : public zeruda::gui::test::MainWindowFixture {
  Q_OBJECT

 private:
  QTabWidget* tabs() { return control<QTabWidget>("选择夹1"); }
  QList<QAction*> toolbarButtons() { return control<QToolBar>("工具条1")->actions(); }

 private slots:
  void init() {
    makeWindow();
    window_->resize(864, 640);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() { dropWindow(); }

  void titleNamesTheProgramAndTheDoubleClickHint() {
    QCOMPARE(window_->windowTitle(),
             QString::fromUtf8("朗星轩公司取名软件v42   2017.01.01  双击 最大化/标准大小 切换"));
  }

  void pagesComeInTheirOrderWithTheCompanyPageInFront() {
    const QStringList expected = {"取名",     "三才表",   "81数理表",     "生辰八字",
                                  "公司取名", "取名知识", "法人生辰八字", "公司取名知识"};
    QCOMPARE(tabs()->count(), expected.size());
    for (int i = 0; i < expected.size(); ++i) QCOMPARE(tabs()->tabText(i), expected[i]);
    QCOMPARE(tabs()->tabText(tabs()->currentIndex()), QString::fromUtf8("公司取名"));
  }

  void pagesWhoseWorkIsNotBuiltYetAreGreyed() {
    QVERIFY(!control<QPushButton>("按钮4")->isEnabled());  // 更多资料下载: no source yet
  }

  void toolbarHasTwelveWorkingButtons() {
    const QList<QAction*> buttons = toolbarButtons();
    QCOMPARE(buttons.size(), 12);
    for (int i = 0; i < buttons.size(); ++i)
      QVERIFY2(buttons[i]->isEnabled(), qPrintable(buttons[i]->text()));
  }

  void toolbarButtonsShowTheirPages_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("page");
    QTest::newRow("1 personal naming") << 1 << QString::fromUtf8("取名");
    QTest::newRow("2 company naming") << 2 << QString::fromUtf8("公司取名");
    QTest::newRow("6 81 numbers") << 6 << QString::fromUtf8("81数理表");
    QTest::newRow("7 three talents") << 7 << QString::fromUtf8("三才表");
  }
  void toolbarButtonsShowTheirPages() {
    QFETCH(int, button);
    QFETCH(QString, page);
    tabs()->setCurrentIndex(5);
    toolbarButtons()[button - 1]->trigger();
    QCOMPARE(tabs()->tabText(tabs()->currentIndex()), page);
  }

  void helpButtonShowsTheQuickUseTextAsASystemNotice() {
    toolbarButtons()[10]->trigger();
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QCOMPARE(services_.messages[0].caption, QString::fromUtf8("系统提示"));
    QVERIFY(services_.messages[0].text.startsWith(
        QString::fromUtf8("★朗星轩公司取名软件快速使用说明★\r\n\r\n---")));
    QVERIFY(services_.messages[0].text.contains(
        QString::fromUtf8("《青禾远航》 \r\n           四个字,")));
    QVERIFY(!services_.messages[0].text.contains(QString::fromUtf8("中断取名")));
  }

  void menuHelpEntriesAddHowToStopBeforeTheLastParagraph_data() {
    QTest::addColumn<QString>("entry");
    QTest::newRow("使用说明") << QString::fromUtf8("使用说明");
    QTest::newRow("使用帮助") << QString::fromUtf8("使用帮助");
  }
  void menuHelpEntriesAddHowToStopBeforeTheLastParagraph() {
    QFETCH(QString, entry);
    QAction* action = nullptr;
    for (QAction* candidate : control<QMenu>("快速菜单")->findChildren<QAction*>()) {
      if (candidate->text() == entry) action = candidate;
    }
    QVERIFY(action != nullptr);
    action->trigger();
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QCOMPARE(services_.messages[0].caption, QString::fromUtf8("系统提示"));
    QVERIFY(services_.messages[0].text.endsWith(
        QString::fromUtf8("生成名字，\r\n\r\n随时可以点击弹出框里的确定按扭中断取名\r\n\r\n"
                          "注：以上输入汉字的地方需要切换至中文输入法再输入")));
  }

  // The entries whose feature belongs to later work are greyed (a greyed menu counts
  // once); everything else works.
  void menuEntriesOfLaterWorkAreGreyed() {
    QStringList greyed;
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
      for (QAction* action : menu->actions()) {
        if (action->isSeparator()) continue;
        if (!action->isEnabled()) {
          greyed << action->text();
        } else if (action->menu() != nullptr) {
          walk(action->menu());
        }
      }
    };
    walk(control<QMenu>("快速菜单"));
    QCOMPARE(greyed, QStringList{QString::fromUtf8("五行平衡取名建议")});
  }

  void statusBarCarriesTheSlogan() {
    const QList<QLabel*> panes = control<QStatusBar>("状态条1")->findChildren<QLabel*>();
    QVERIFY(!panes.isEmpty());
    QCOMPARE(panes.first()->text(), zeruda::gui::kStatusSlogan);
  }

  void closingTheKnowledgePageReturnsToCompanyNaming() {
    tabs()->setCurrentIndex(5);
    QTest::mouseClick(control<QPushButton>("按钮返回"), Qt::LeftButton);
    QCOMPARE(tabs()->tabText(tabs()->currentIndex()), QString::fromUtf8("公司取名"));
  }

  void exitButtonClosesTheWindow() {
    toolbarButtons()[11]->trigger();
    QVERIFY(!window_->isVisible());
  }

  // At 864 x 640 the status bar starts at 618 (22 pixels high).
  void resizeRuleSetsTheControlsAt864Wide_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("what");
    QTest::addColumn<int>("expected");
    auto row = [](const char* rule, const char* name, int page, const char* what, int value) {
      QTest::newRow(rule) << QString::fromUtf8(name) << page << QString(what) << value;
    };
    row("tabs width W", "选择夹1", 4, "width", 864);
    row("tabs height H-55", "选择夹1", 4, "height", 585);
    row("company group width W-10", "分组框4", 4, "width", 854);
    row("company group height H-120", "分组框4", 4, "height", 520);
    row("result list width (W-20) less the pane and its gap", "公司备选名超级列表框", 4, "width",
        627);
    row("字号详情 width (W-20)/4", "字号详情", 4, "width", 211);
    row("result list height tabs-250", "公司备选名超级列表框", 4, "height", 335);
    row("export strip width W-20", "分组框5", 4, "width", 844);
    row("export strip top S-90", "分组框5", 4, "top", 528);
    row("knowledge text width W-25", "超级编辑框知识相关", 5, "width", 839);
    row("knowledge text height H-180", "超级编辑框知识相关", 5, "height", 460);
    row("back button top S-90", "按钮返回", 5, "top", 528);
    row("chart inputs width W-10", "分组框2", 3, "width", 854);
    row("chart report width W-10", "编辑框八字命理", 3, "width", 854);
    row("chart report height H-150", "编辑框八字命理", 3, "height", 490);
    row("chart copy button top S-90", "按钮八字复制", 3, "top", 528);
    row("article tree height H-150", "树型框1", 7, "height", 490);
    row("more button top S-90", "按钮4", 7, "top", 528);
  }
  void resizeRuleSetsTheControlsAt864Wide() {
    QFETCH(QString, name);
    QFETCH(int, page);
    QFETCH(QString, what);
    QFETCH(int, expected);
    tabs()->setTabEnabled(page, true);
    tabs()->setCurrentIndex(page);
    window_->resize(864, 640);
    QTRY_COMPARE(control<QStatusBar>("状态条1")->y(), 618);
    QWidget* widget = window_->findChild<QWidget*>(name);
    QVERIFY(widget != nullptr);
    const int actual = what == "width"    ? widget->width()
                       : what == "height" ? widget->height()
                                          : widget->y();
    QCOMPARE(actual, expected);
  }

  void resultColumnsKeepTheirSharesOfThePage_data() {
    QTest::addColumn<int>("pageWidth");
    QTest::addColumn<QList<int>>("widths");
    QTest::newRow("design width") << 864 << QList<int>{45, 240, 78, 95, 105, 110, 95};
    // 1000 × 45 / 864 = 52.08, × 240 = 277.8 …: fractions of a pixel drop.
    QTest::newRow("wider") << 1000 << QList<int>{52, 277, 90, 109, 121, 127, 109};
    QTest::newRow("half") << 432 << QList<int>{22, 120, 39, 47, 52, 55, 47};
    QTest::newRow("negative") << -50 << QList<int>{0, 0, 0, 0, 0, 0, 0};
  }
  void resultColumnsKeepTheirSharesOfThePage() {
    QFETCH(int, pageWidth);
    QFETCH(QList<int>, widths);
    const auto got = zeruda::gui::resultColumnWidths(pageWidth);
    QCOMPARE(QList<int>(got.begin(), got.end()), widths);
  }

  void resultRowsAlternateGreyAndWhiteByTheirNumber() {
    QCOMPARE(zeruda::gui::resultRowBackground(1), QColor(0xEC, 0xEC, 0xEC));
    QCOMPARE(zeruda::gui::resultRowBackground(2000), QColor(Qt::white));
    QCOMPARE(zeruda::gui::resultRowBackground(2001), QColor(0xEC, 0xEC, 0xEC));
    QCOMPARE(zeruda::gui::resultListWidth(864), 844);
    QCOMPARE(zeruda::gui::resultListWidth(10), 0);
  }

  void articleViewTakesTheRestBesideTheTree() {
    window_->resize(864, 640);
    const int tree = control<QTreeWidget>("树型框1")->width();
    QCOMPARE(window_->findChild<QWidget*>(QString::fromUtf8("超文本浏览框2"))->width(),
             864 - tree - 30);
  }

  void nameBoxesDropTypedLatinLettersButTakeChineseInput() {
    auto* surname = control<QLineEdit>("公司法人姓");
    surname->setFocus();
    QTest::keyClicks(surname, "ab1 ");
    QCOMPARE(surname->text(), QString());
    QInputMethodEvent composed;
    composed.setCommitString(QString::fromUtf8("张三"));
    QApplication::sendEvent(surname, &composed);
    QCOMPARE(surname->text(), QString::fromUtf8("张三"));
    QTest::keyClick(surname, Qt::Key_Backspace);
    QCOMPARE(surname->text(), QString::fromUtf8("张"));
  }

  void nameBoxesTakeTheirFieldsLengthAndNoControlCharacter_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("limit");
    for (const auto& [box, limit] :
         std::initializer_list<std::pair<const char*, int>>{{"公司法人姓", 4},
                                                            {"公司法人名", 4},
                                                            {"公司前缀", 10},
                                                            {"公司后缀", 20},
                                                            {"公司编辑框固定字1", 1},
                                                            {"编辑框姓", 4},
                                                            {"编辑框固定字", 1},
                                                            {"编辑框八字姓", 4},
                                                            {"编辑框八字姓1", 4}}) {
      QTest::newRow(box) << QString::fromUtf8(box) << limit;
    }
  }
  void nameBoxesTakeTheirFieldsLengthAndNoControlCharacter() {
    QFETCH(QString, box);
    QFETCH(int, limit);
    auto* edit = window_->findChild<QLineEdit*>(box);
    QVERIFY(edit);
    edit->clear();
    auto commit = [edit](const QString& text) {
      QInputMethodEvent composed;
      composed.setCommitString(text);
      QApplication::sendEvent(edit, &composed);
    };
    commit(QString(30, QChar(0x534E)));  // 华 thirty times
    QCOMPARE(edit->text().size(), limit);
    edit->clear();
    commit(QString::fromUtf8("\t张"));
    QCOMPARE(edit->text(), QString());
  }

  void statusBarSaysWhereTheFilesGoWhenTheDataFolderTakesNone() {
    dropWindow();
    zeruda::test::SandboxedRoots roots;
    zeruda::test::writeFile(roots.data() / "zeruda", "a file where the program's folder goes");
    zeruda::app::Session session;
    FakeUiServices services;
    MainWindow window(services, session);
    window.startUp();
    const QString shown = window.findChild<QStatusBar*>(QString::fromUtf8("状态条1"))
                              ->findChildren<QLabel*>()
                              .first()
                              ->text();
    QVERIFY2(shown.contains(QString::fromUtf8("无法写入")), qPrintable(shown));
    QVERIFY2(shown.contains(QString::fromStdString(roots.tmp().string())), qPrintable(shown));
  }

  void tinyWindowGetsWhateverTheRuleGives() {
    window_->setMinimumSize(0, 0);
    window_->resize(200, 150);
    // 150 - 120 = 30 and 200 - 20 = 180, less 45 for the pane and 6 between: no lower
    // bound is imposed on the rule.
    QTRY_COMPARE(control<QWidget>("分组框4")->height(), 30);
    QCOMPARE(control<QWidget>("公司备选名超级列表框")->width(), 129);
  }

  // Controls placed side by side that share pixels cover one another.
  static QString overlapping(QWidget* container) {
    QList<QWidget*> shown;
    for (QWidget* child : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child->isVisible()) shown << child;
    }
    for (int i = 0; i < shown.size(); ++i) {
      for (int j = i + 1; j < shown.size(); ++j) {
        if (shown[i]->geometry().intersects(shown[j]->geometry())) {
          return shown[i]->metaObject()->className() + QStringLiteral(" / ") +
                 shown[j]->metaObject()->className();
        }
      }
    }
    return {};
  }

  void atItsSmallestSizeEveryPageKeepsItsControlsApart() {
    window_->resize(200, 150);
    QCOMPARE(window_->size(), window_->usableMinimumSize());
    // The window's own first size stays allowed.
    QVERIFY(window_->width() <= 864 && window_->height() < 640);
    QWidget* companyForm = control<QWidget>("公司法人姓")->parentWidget();
    QWidget* chartInputs = control<QWidget>("分组框2");
    for (int page : {int(MainWindow::kCompany), int(MainWindow::kChart)}) {
      tabs()->setCurrentIndex(page);
      // The page just shown lays itself out on requests it queued.
      QVERIFY(zeruda::gui::test::deliverQueuedCalls());
      for (QWidget* container : {companyForm, chartInputs, control<QWidget>("分组框5")}) {
        if (!container->isVisible()) continue;
        QCOMPARE(overlapping(container), QString());
      }
    }
    // Pages laid out by a layout get at least its minimum.
    for (int page = 0; page < tabs()->count(); ++page) {
      tabs()->setCurrentIndex(page);
      QVERIFY(zeruda::gui::test::deliverQueuedCalls());
      if (const QLayout* layout = tabs()->widget(page)->layout()) {
        const QSize room = tabs()->widget(page)->size();
        QVERIFY2(room.width() >= layout->minimumSize().width() &&
                     room.height() >= layout->minimumSize().height(),
                 qPrintable(tabs()->tabText(page)));
      }
    }
    tabs()->setCurrentIndex(MainWindow::kCompany);
    auto* list = control<QWidget>("公司备选名超级列表框");
    QVERIFY(list->height() >= 100);
    QVERIFY(list->mapTo(window_.get(), QPoint(0, list->height())).y() <=
            control<QWidget>("分组框5")->mapTo(window_.get(), QPoint(0, 0)).y());
  }

  // The evaluation window is larger than the test screen is high: it is cut to fit.
  void secondaryWindowsOpenCentredOnTheMainWindowAndOnScreen_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("at");
    QTest::newRow("lookup, in the middle") << 8 << QPoint(100, 80);
    QTest::newRow("lookup, main window half off screen") << 8 << QPoint(-500, -300);
    QTest::newRow("evaluation, cut to the screen") << 5 << QPoint(0, 0);
    QTest::newRow("calendar") << 9 << QPoint(40, 30);
    QTest::newRow("almanac") << 10 << QPoint(40, 30);
  }
  void secondaryWindowsOpenCentredOnTheMainWindowAndOnScreen() {
    QFETCH(int, button);
    QFETCH(QPoint, at);
    window_->move(at);
    toolbarButtons()[button - 1]->trigger();
    QWidget* opened = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top != window_.get() && top->isVisible() && top->parentWidget() == window_.get()) {
        opened = top;
      }
    }
    QVERIFY(opened != nullptr);
    QCOMPARE(opened->windowHandle()->transientParent(), window_->windowHandle());
    const QRect screen = window_->screen()->availableGeometry();
    QVERIFY2(screen.contains(opened->frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                      .arg(opened->x())
                                                                      .arg(opened->y())
                                                                      .arg(opened->width())
                                                                      .arg(opened->height())));
    const QRect expected = zeruda::gui::centredOnOwner(window_->frameGeometry(),
                                                       opened->frameGeometry().size(), screen);
    QCOMPARE(opened->frameGeometry(), expected);
    QRect centred(QPoint(0, 0), opened->frameGeometry().size());
    centred.moveCenter(window_->frameGeometry().center());
    if (screen.contains(centred)) QCOMPARE(opened->frameGeometry(), centred);

    // Opened again, the same window comes to the front where the user left it.
    opened->move(opened->pos() + QPoint(5, 5));
    const QPoint left = opened->pos();
    toolbarButtons()[button - 1]->trigger();
    int windows = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      windows += top != window_.get() && top->isVisible() && top->parentWidget() == window_.get();
    }
    QCOMPARE(windows, 1);
    QCOMPARE(opened->pos(), left);
    opened->close();
  }

  // On a screen of 1000 x 700.
  void centringKeepsTheWholeFrameOnTheScreen_data() {
    QTest::addColumn<QRect>("owner");
    QTest::addColumn<QSize>("frame");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("centred") << QRect(100, 100, 600, 400) << QSize(200, 100)
                             << QRect(300, 250, 200, 100);
    QTest::newRow("owner at the left edge")
        << QRect(-400, 100, 600, 400) << QSize(400, 100) << QRect(0, 250, 400, 100);
    QTest::newRow("owner below the screen")
        << QRect(500, 600, 600, 400) << QSize(300, 300) << QRect(650, 400, 300, 300);
    QTest::newRow("taller than the screen")
        << QRect(0, 0, 600, 400) << QSize(300, 900) << QRect(150, 0, 300, 700);
  }
  void centringKeepsTheWholeFrameOnTheScreen() {
    QFETCH(QRect, owner);
    QFETCH(QSize, frame);
    QFETCH(QRect, expected);
    QCOMPARE(zeruda::gui::centredOnOwner(owner, frame, QRect(0, 0, 1000, 700)), expected);
  }

  // The window's own area for a frame of 4 pixels with a 30-pixel title bar: the title
  // bar stays on the screen. The owner is the main window at 864 x 640 in the same frame.
  void aWindowLargerThanTheScreenKeepsItsTitleBarOnIt_data() {
    QTest::addColumn<QSize>("wanted");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("evaluation window on 1280 x 720")
        << QSize(980, 720) << QRect(0, 0, 1280, 720) << QRect(150, 30, 980, 686);
    QTest::newRow("the same below a 28-pixel panel")
        << QSize(980, 720) << QRect(0, 28, 1280, 692) << QRect(150, 58, 980, 658);
    QTest::newRow("wider than the screen too")
        << QSize(1400, 800) << QRect(0, 0, 1280, 720) << QRect(4, 30, 1272, 686);
    QTest::newRow("small, simply centred")
        << QSize(360, 110) << QRect(0, 0, 1280, 720) << QRect(460, 295, 360, 110);
  }
  void aWindowLargerThanTheScreenKeepsItsTitleBarOnIt() {
    QFETCH(QSize, wanted);
    QFETCH(QRect, available);
    QFETCH(QRect, expected);
    const QMargins frame(4, 30, 4, 4);
    const QRect owner(204, 0, 872, 674);
    QCOMPARE(zeruda::gui::placedOverOwner(wanted, frame, owner, available), expected);
  }

  void escapeClosesASecondaryWindowButNotTheMainWindow_data() {
    QTest::addColumn<int>("button");
    QTest::newRow("duplicate name") << 3;
    QTest::newRow("evaluation") << 5;
    QTest::newRow("lookup") << 8;
    QTest::newRow("calendar") << 9;
    QTest::newRow("almanac") << 10;
  }
  void escapeClosesASecondaryWindowButNotTheMainWindow() {
    QFETCH(int, button);
    toolbarButtons()[button - 1]->trigger();
    QPointer<QWidget> opened;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top != window_.get() && top->isVisible() && top->parentWidget() == window_.get()) {
        opened = top;
      }
    }
    QVERIFY(opened != nullptr);
    // From a control inside, which passes the key on to its window.
    QWidget* inside = nullptr;
    for (QWidget* child : opened->findChildren<QWidget*>()) {
      if (child->focusPolicy() & Qt::TabFocus && child->isVisible()) {
        inside = child;
        break;
      }
    }
    QVERIFY(inside != nullptr);
    QTest::keyClick(inside, Qt::Key_Escape);
    QVERIFY(opened.isNull() || !opened->isVisible());

    QTest::keyClick(control<QLineEdit>("公司法人姓"), Qt::Key_Escape);
    QTest::keyClick(window_.get(), Qt::Key_Escape);
    QVERIFY(window_->isVisible());
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
