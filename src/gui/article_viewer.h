#pragma once

#include <QPrinter>
#include <QWidget>

class QPushButton;

namespace zeruda::gui {

class GbkBrowser;
class UiServices;

// The window 文档中心: shows what the viewer address names, prints it, and goes back
// to it with 返回主页.
class ArticleViewer : public QWidget {
  Q_OBJECT
 public:
  explicit ArticleViewer(UiServices& services, QWidget* parent = nullptr);

  // Points the browser box at the viewer address.
  void goHome();

  GbkBrowser* browser = nullptr;       // 超文本浏览框1
  QPushButton* printButton = nullptr;  // 按钮1
  QPushButton* closeButton = nullptr;  // 按钮2
  QPushButton* homeButton = nullptr;   // 按钮3

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void printPage();

  UiServices& services_;
  QPrinter printer_;
};

}  // namespace zeruda::gui
