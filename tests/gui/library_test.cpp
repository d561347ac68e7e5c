#include "fake_ui_services.h"
#include "find_control.h"
#include "gui/gbk_browser.h"
#include "gui/main_window.h"
#include "main_window_fixture.h"
#include "text/gbk.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include <functional>
#include <memory>

using zeruda::gui::GbkBrowser;
using zeruda::gui::MainWindow;
using zeruda::gui::test::FakeUiServices;

namespace {

// Counts the CJK ideographs of a text, as the article length rule does.
int ideographs(const QString& text) {
  int count = 0;
  for (QChar c : text) count += c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF;
  return count;
}

// The body of a written page, its title heading left out, and what is wrong with the
// page (empty when nothing is).
struct WrittenPage {
  QString body;
  QString problem;
};

WrittenPage readPage(const QString& path, const QString& title, int minimumLength) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {{}, path + " not written"};
  const QByteArray bytes = file.readAll();
  const auto utf8 = zeruda::text::gbkToUtf8(std::string_view(bytes.constData(), bytes.size()));
  if (!utf8.ok()) return {{}, title + ": not GBK"};
  const QString page = QString::fromStdString(utf8.value());
  const QString head =
      "\r\n<html>\r\n<head>\r\n<meta http-equiv=\"Content-Language\" content=\"zh-cn\">\r\n"
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gb2312\">\r\n<title>" +
      title + "</title>";
  if (!page.startsWith(head)) return {{}, title + ": head or title differs"};
  const QString bodyTag =
      "<body topmargin=\"20\" leftmargin=\"20\" rightmargin=\"20\" bottommargin=\"20\">";
  const qsizetype start = page.indexOf(bodyTag), end = page.indexOf("</body>");
  if (start < 0 || end < start) return {{}, title + ": no body with margins of 20"};
  QString body = page.mid(start + bodyTag.size(), end - start - bodyTag.size());
  body.remove(QRegularExpression("^\\s*<h2>[^<]*</h2>"));
  const int length = ideographs(body);
  if (length < minimumLength) return {body, title + ": " + QString::number(length) + " characters"};
  return {body, {}};
}

}  // namespace

class LibraryTest : public zeruda::gui::test::MainWindowFixture {
  Q_OBJECT

 private:
  QWidget* viewer() { return window_->findChild<QWidget*>(QStringLiteral("文档中心")); }
  GbkBrowser* viewerBrowser() {
    return zeruda::gui::test::findControl<GbkBrowser>(viewer(), "超文本浏览框1");
  }

  // The leaves of the quick menu's article groups, with the group each is under.
  QList<std::pair<QString, QAction*>> groupEntries() {
    QList<std::pair<QString, QAction*>> entries;
    for (QAction* top : control<QMenu>("快速菜单")->actions()) {
      if (top->menu() == nullptr || top->text() == QStringLiteral("相关文档")) continue;
      for (QAction* leaf : top->menu()->actions()) {
        if (!leaf->isSeparator()) entries.append({top->text(), leaf});
      }
    }
    return entries;
  }
  QAction* entry(const QString& title, int occurrence = 1) {
    for (const auto& [group, action] : groupEntries()) {
      if (action->text() == title && --occurrence == 0) return action;
    }
    qFatal("no menu entry %s", qPrintable(title));
  }
  QTreeWidget* openTree() {
    QTest::mouseClick(control<QPushButton>("按钮取名知识"), Qt::LeftButton);
    return control<QTreeWidget>("树型框1");
  }

 private slots:
  void init() {
    makeWindow();
    window_->startUp();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() { dropWindow(); }

  // Every text of the tree and every page of the menu: its file written whole in
  // GBK, charset and title declared, long enough, and no body used twice.
  void everyTreeTextAndMenuPageIsAWholePageOfItsOwn() {
    QHash<QString, QString> bodies;
    auto check = [&](const QString& path, const QString& title, int minimum) {
      const WrittenPage page = readPage(path, title, minimum);
      QVERIFY2(page.problem.isEmpty(), qPrintable(page.problem));
      QVERIFY2(!bodies.contains(page.body),
               qPrintable(title + " repeats the body of " + bodies.value(page.body)));
      bodies.insert(page.body, title);
    };

    QTreeWidget* tree = openTree();
    QCOMPARE(tree->topLevelItemCount(), 95);
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
      QTreeWidgetItem* item = tree->topLevelItem(i);
      QCOMPARE(item->data(0, Qt::UserRole).toInt(), i + 1);
      tree->setCurrentItem(item);
      check(workingFile("qmzs.htm"), item->text(0), i == 0 ? 0 : 300);
      QCOMPARE(control<GbkBrowser>("超文本浏览框2")->documentTitle(), item->text(0));
    }

    int pages = 0;
    for (const auto& [group, action] : groupEntries()) {
      const QString title = action->text();
      if (!action->isEnabled() || title == QStringLiteral("使用帮助") ||
          title == QStringLiteral("历史上的今天") || title == QStringLiteral("商标在线查询")) {
        continue;
      }
      action->trigger();
      QVERIFY2(viewer() != nullptr && viewer()->isVisible(), qPrintable(title));
      const QString shown = viewerBrowser()->source().toLocalFile();
      QVERIFY2(shown == workingFile("yxzs.htm") || shown == workingFile("mszs.htm"),
               qPrintable(title + " went to " + shown));
      check(shown, title, 300);
      QCOMPARE(viewerBrowser()->documentTitle(), title);
      ++pages;
    }
    QVERIFY2(pages >= 84 + 16, qPrintable(QString::number(pages)));
    QVERIFY(services_.messages.empty());
  }

  void twoFolkPagesInARowLeaveTheSecondWhichHomeShowsAgain() {
    entry(QStringLiteral("指甲占卜"))->trigger();
    entry(QStringLiteral("亲恩歌"))->trigger();
    QFile file(workingFile("yxzs.htm"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    QVERIFY(written.contains(QByteArray::fromStdString(zeruda::text::toGbk("<title>亲恩歌<"))));
    QVERIFY(!written.contains(QByteArray::fromStdString(zeruda::text::toGbk("指甲"))));

    viewerBrowser()->clear();
    QTest::mouseClick(zeruda::gui::test::findControl<QPushButton>(viewer(), "按钮3"),
                      Qt::LeftButton);
    QCOMPARE(viewerBrowser()->documentTitle(), QStringLiteral("亲恩歌"));
  }

  void theHeadingShowsTheDefaultTextAndTheTwoSupermarketEntriesDiffer() {
    QTreeWidget* tree = openTree();
    // The knowledge page opens on its start text.
    QVERIFY(control<GbkBrowser>("超文本浏览框2")
                ->toPlainText()
                .contains(QStringLiteral("\n公司取名知识")));
    QCOMPARE(tree->topLevelItem(0)->text(0), QStringLiteral("重要取名知识"));
    tree->setCurrentItem(tree->topLevelItem(0));
    const WrittenPage heading =
        readPage(workingFile("qmzs.htm"), QStringLiteral("重要取名知识"), 0);
    QVERIFY(heading.problem.isEmpty());
    QVERIFY(ideographs(heading.body) < 300);

    QString bodies[2];
    for (int i : {1, 2}) {
      QCOMPARE(tree->topLevelItem(i)->text(0), QStringLiteral("超市起名应该遵循什么原则"));
      tree->setCurrentItem(tree->topLevelItem(i));
      bodies[i - 1] = readPage(workingFile("qmzs.htm"), tree->topLevelItem(i)->text(0), 300).body;
    }
    QVERIFY(!bodies[0].isEmpty());
    QVERIFY(bodies[0] != bodies[1]);
  }

  void lawButtonFillsTheKnowledgeTextWithTheGuide() {
    QTest::mouseClick(control<QPushButton>("按钮相关法律"), Qt::LeftButton);
    QTabWidget* tabs = control<QTabWidget>("选择夹1");
    QCOMPARE(tabs->tabText(tabs->currentIndex()), QStringLiteral("取名知识"));
    const QString guide = control<QPlainTextEdit>("超级编辑框知识相关")->toPlainText();
    QVERIFY(guide.startsWith(QStringLiteral("相关法律\n")));
    QVERIFY(ideographs(guide) >= 1500);
  }

  // Chosen on the tab row, not through a button: neither page stays blank.
  void bothKnowledgePagesShowTheirTextWhenChosenFromTheTabRow_data() {
    QTest::addColumn<int>("page");
    QTest::newRow("取名知识") << int{MainWindow::kKnowledge};
    QTest::newRow("公司取名知识") << int{MainWindow::kArticles};
  }
  void bothKnowledgePagesShowTheirTextWhenChosenFromTheTabRow() {
    QFETCH(int, page);
    QTabBar* tabRow = control<QTabWidget>("选择夹1")->tabBar();
    QTest::mouseClick(tabRow, Qt::LeftButton, {}, tabRow->tabRect(page).center());
    QCOMPARE(tabRow->currentIndex(), page);
    if (page == MainWindow::kKnowledge) {
      const QString text = control<QPlainTextEdit>("超级编辑框知识相关")->toPlainText();
      QVERIFY(text.startsWith(QStringLiteral("相关法律\n")));
      QVERIFY(ideographs(text) >= 1500);
      return;
    }
    QCOMPARE(control<QTreeWidget>("树型框1")->topLevelItem(0)->text(0),
             QStringLiteral("重要取名知识"));
    QVERIFY(control<GbkBrowser>("超文本浏览框2")
                ->toPlainText()
                .contains(QStringLiteral("\n公司取名知识")));
    // Chosen again after an article was picked, the page keeps that article.
    QTreeWidget* tree = control<QTreeWidget>("树型框1");
    tree->setCurrentItem(tree->topLevelItem(1));
    const QString picked = control<GbkBrowser>("超文本浏览框2")->toPlainText();
    QTest::mouseClick(tabRow, Qt::LeftButton, {}, tabRow->tabRect(MainWindow::kCompany).center());
    QTest::mouseClick(tabRow, Qt::LeftButton, {}, tabRow->tabRect(page).center());
    QCOMPARE(control<GbkBrowser>("超文本浏览框2")->toPlainText(), picked);
  }

  // The day comes from the program's clock: 3月15日 percent-encoded in UTF-8.
  void historyTodayGoesToTheBrowserWithTodaysDate() {
    services_.now = QDateTime(QDate(2026, 3, 15), QTime(9, 0));
    entry(QStringLiteral("历史上的今天"))->trigger();
    QCOMPARE(services_.browsed,
             std::vector<QString>{"https://zh.wikipedia.org/wiki/3%E6%9C%8815%E6%97%A5"});
    QVERIFY(viewer() == nullptr);
  }

  void auspiciousDaysAreThoseOfTheClocksYear() {
    services_.now = QDateTime(QDate(2014, 6, 1), QTime(9, 0));
    entry(QStringLiteral("黄道吉日"))->trigger();
    QFile file(workingFile("mszs.htm"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray page = file.readAll();
    for (const char* day : {"2014年01月01日", "2014年12月31日"}) {
      QVERIFY2(page.contains(QByteArray::fromStdString(zeruda::text::toGbk(day))), day);
    }
  }

  void viewerFollowsItsSizeAndPrintsThroughThePrintService() {
    entry(QStringLiteral("孝经"))->trigger();
    viewer()->resize(700, 500);
    QCOMPARE(viewerBrowser()->size(), QSize(680, 380));

    const QString pdf = sandboxFile("page.pdf");
    services_.printToPdf = pdf;
    QTest::mouseClick(zeruda::gui::test::findControl<QPushButton>(viewer(), "按钮1"),
                      Qt::LeftButton);
    QCOMPARE(services_.printJobs, 1);
    QVERIFY(QFile(pdf).size() > 0);
  }

  // A page that cannot be written is reported, not replaced by the one on disk.
  void aPageThatCannotBeWrittenIsReported() {
    QVERIFY(QDir().mkpath(workingFile("yxzs.htm")));
    entry(QStringLiteral("指甲占卜"))->trigger();
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QCOMPARE(services_.messages[0].icon, zeruda::gui::MessageIcon::Warning);
    QVERIFY(viewer() == nullptr);
  }
};

QTEST_MAIN(LibraryTest)
#include "library_test.moc"
