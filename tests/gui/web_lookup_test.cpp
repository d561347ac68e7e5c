#include "fake_ui_services.h"
#include "find_control.h"
#include "gui/company_naming.h"
#include "gui/duplicate_name_window.h"
#include "gui/gbk_browser.h"
#include "gui/main_window.h"
#include "gui/result_list_model.h"
#include "main_window_fixture.h"
#include "support/local_server.h"
#include "support/temp_folder.h"
#include "support/text_support.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QTreeView>
#include <memory>

using zeruda::gui::DuplicateNameWindow;
using zeruda::gui::MainWindow;
using zeruda::gui::MessageIcon;
using zeruda::gui::test::FakeUiServices;

namespace {

QString u(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

class WebLookupTest : public zeruda::gui::test::MainWindowFixture {
  Q_OBJECT

 private:
  std::string workingFileText(const char* name) {
    return zeruda::test::readFile(workingFile(name).toStdString());
  }
  QWidget* viewer() { return window_->findChild<QWidget*>(u("文档中心")); }
  QString viewerTitle() {
    return zeruda::gui::test::findControl<zeruda::gui::GbkBrowser>(viewer(), "超文本浏览框1")
        ->documentTitle();
  }

  QAction* menuEntry(const QString& text) {
    for (QAction* action : window_->findChild<QMenu*>(u("快速菜单"))->findChildren<QAction*>()) {
      if (action->text() == text) return action;
    }
    qFatal("no menu entry");
  }

  // Selects the second of two result rows and presses toolbar button 3.
  DuplicateNameWindow* openForSecondRow() {
    auto& rows = window_->findChild<zeruda::gui::CompanyNaming*>()->results();
    for (const char* name : {"成都青禾科技有限公司", "成都远航 AB科技有限公司"}) {
      zeruda::generation::CandidateRow row;
      row.cell(zeruda::generation::Column::FullName) = zeruda::test::gbk(name);
      rows.append(row);
    }
    auto* list = zeruda::gui::test::findControl<QTreeView>(window_.get(), "公司备选名超级列表框");
    list->setCurrentIndex(list->model()->index(1, 0));
    zeruda::gui::test::findControl<QToolBar>(window_.get(), "工具条1")->actions()[2]->trigger();
    return window_->findChild<DuplicateNameWindow*>(u("重名查询"));
  }

 private slots:
  void init() {
    makeWindow();
    window_->startUp();
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }
  void cleanup() { dropWindow(); }

  void toolbarOpensTheWindowWithTheSelectedNameAndItsFourSearches() {
    DuplicateNameWindow* window = openForSecondRow();
    QVERIFY(window != nullptr);
    QCOMPARE(
        window->explanation->toPlainText(),
        u("重名查询说明：\n"
          "1、由于全国工商数据并未对公众开放方便查询的接口，故软件暂时不能直接查询工商数据库中的重"
          "名。\n"
          "2、每天都有无数新公司注册与注销，基于以上原因，目前没有任何一款软件能真正查询到重名。\n"
          "3、我们目前提供自动切换到百度与360搜索查重名的功能。\n"
          "4、点中生成的名字，再点重名查询就可将生成的名字自动匹配到此界面输入框中。\n"
          "5、以后如果政策允许，软件会及时升级，为您提供更好的使用体验。"));
    QCOMPARE(window->name->text(), u("成都远航 AB科技有限公司"));
    window->name->setText(u("远航 AB"));
    for (QPushButton* button : {window->baidu, window->so360, window->alibaba, window->registry}) {
      QTest::mouseClick(button, Qt::LeftButton);
    }
    // 远航 is E8 BF 9C E8 88 AA in UTF-8 and D4 B6 BA BD in GBK.
    const std::vector<QString> expected = {
        u("https://www.baidu.com/s?wd=%E8%BF%9C%E8%88%AA%20AB&ie=utf-8"),
        u("https://www.so.com/s?q=%E8%BF%9C%E8%88%AA%20AB"),
        u("https://s.1688.com/company/"
          "company_search.htm?keywords=%D4%B6%BA%BD%20AB&n=y&categoryId="),
        u("https://www.gsxt.gov.cn/index.html"),
    };
    QCOMPARE(services_.browsed, expected);
    QVERIFY(services_.messages.empty());
  }

  void offlineSearchesSaySoAndOpenNothing() {
    DuplicateNameWindow* window = openForSecondRow();
    services_.connected = false;
    QTest::mouseClick(window->baidu, Qt::LeftButton);
    QVERIFY(services_.browsed.empty());
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QCOMPARE(services_.messages[0].icon, MessageIcon::Warning);
    QCOMPARE(services_.messages[0].caption, u("未检测到网络"));
    QCOMPARE(services_.messages[0].text, u("您的电脑未连接网络，请连接后再试！"));
  }

  // The address is offered as it works, percent-encoding and all, not in a message.
  void withoutABrowserTheAddressIsOfferedToCopy() {
    DuplicateNameWindow* window = openForSecondRow();
    window->name->setText(u("远航 AB"));
    services_.browserWorks = false;
    QTest::mouseClick(window->alibaba, Qt::LeftButton);
    QCOMPARE(
        services_.addressesShown,
        std::vector<QString>{u("https://s.1688.com/company/"
                               "company_search.htm?keywords=%D4%B6%BA%BD%20AB&n=y&categoryId=")});
    QVERIFY(services_.messages.empty());
  }

  void trademarkSearchShowsItsNoticeBeforeTheBrowserOpens() {
    std::size_t browsedWhileShown = 1;
    services_.whileShown = [&](const auto&) { browsedWhileShown = services_.browsed.size(); };
    menuEntry(u("商标在线查询"))->trigger();
    QCOMPARE(browsedWhileShown, std::size_t{0});
    QCOMPARE(services_.messages.size(), std::size_t{1});
    QCOMPARE(services_.messages[0].caption, u("系统提示"));
    QVERIFY(services_.messages[0].text.startsWith(u("★使用说明★\r\n\r\n-----")));
    QVERIFY(services_.messages[0].text.endsWith(u("此期间暂停查询")));
    QCOMPARE(services_.browsed, std::vector<QString>{u("https://sbj.cnipa.gov.cn/trade/")});
  }

  void documentCommandsShowOurPagesInTheViewer() {
    for (const char* title : {"公司常用文档", "公司创立相关文档"}) {
      menuEntry(u(title))->trigger();
      QVERIFY(viewer() != nullptr && viewer()->isVisible());
      QCOMPARE(viewerTitle(), u(title));
      QVERIFY(workingFileText("yxzs.htm").find(zeruda::test::gbk(title)) != std::string::npos);
    }
    QVERIFY(services_.messages.empty());
  }

  // The first online page is served; the second is missing, so ours stands in.
  void onlinePagesComeFromTheConfiguredServerElseOurOwn() {
    const std::string served = zeruda::test::gbk("<html><title>在线</title>正文</html>");
    zeruda::test::LocalServer server([&served](const zeruda::test::ReceivedRequest& request) {
      if (request.head.starts_with("GET /P20111229/qtzs/1.htm ")) {
        return zeruda::test::okResponse(served);
      }
      return std::string("HTTP/1.1 404 No\r\n\r\n");
    });
    zeruda::test::writeFile(workingFile("web.ini").toStdString(),
                            "[hosts]\r\narticles=" + server.address("") + "\r\n");
    menuEntry(u("姓氏是怎样来的"))->trigger();
    QTRY_VERIFY(viewer() != nullptr && viewer()->isVisible());
    QCOMPARE(workingFileText("yxzs.htm"), served);
    QCOMPARE(viewerTitle(), u("在线"));

    menuEntry(u("古人的名、字与号"))->trigger();
    QTRY_COMPARE(viewerTitle(), u("古人的名、字与号"));
    QCOMPARE(server.requests().size(), std::size_t{2});

    services_.connected = false;  // offline: ours at once, nothing asked
    menuEntry(u("十二生肖的来历"))->trigger();
    QCOMPARE(viewerTitle(), u("十二生肖的来历"));
    QCOMPARE(server.requests().size(), std::size_t{2});
  }
};

QTEST_MAIN(WebLookupTest)
#include "web_lookup_test.moc"
