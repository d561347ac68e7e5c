#include "gui/article_viewer.h"

#include "gui/gbk_browser.h"
#include "gui/ui_services.h"
#include "gui/widgets.h"
#include "gui/window_layout.h"
#include "library/page_files.h"

#include <QPushButton>

namespace zeruda::gui {

ArticleViewer::ArticleViewer(UiServices& services, QWidget* parent)
    : QWidget(parent, Qt::Window), services_(services) {
  setObjectName(QStringLiteral("文档中心"));
  setWindowTitle(QStringLiteral("文档中心"));
  setAttribute(Qt::WA_DeleteOnClose);
  browser = new GbkBrowser(QStringLiteral("超文本浏览框1"), this);
  browser->move(10, 50);
  printButton = makeButton(this, QStringLiteral("按钮1"), QStringLiteral("打印本页"));
  closeButton = makeButton(this, QStringLiteral("按钮2"), QStringLiteral("关闭"));
  homeButton = makeButton(this, QStringLiteral("按钮3"), QStringLiteral("返回主页"));
  int left = 10;
  for (QPushButton* button : {homeButton, printButton, closeButton}) {
    button->move(left, 12);
    left += button->sizeHint().width() + 8;
  }
  connect(printButton, &QPushButton::clicked, this, &ArticleViewer::printPage);
  connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
  connect(homeButton, &QPushButton::clicked, this, &ArticleViewer::goHome);
  resize(800, 600);
  goHome();
}

void ArticleViewer::goHome() {
  // Every address so far is a page the program wrote to its working folder.
  const QString address = QString::fromStdString(library::viewerAddress());
  if (!address.isEmpty()) browser->showFile(address);
}

void ArticleViewer::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  const ViewerLayout layout = viewerLayout(width(), height());
  browser->resize(layout.browserWidth, layout.browserHeight);
}

void ArticleViewer::printPage() {
  if (!services_.setUpPrinter(this, printer_)) return;
  browser->document()->print(&printer_);
}

}  // namespace zeruda::gui
