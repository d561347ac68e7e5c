#pragma once

#include <QTextBrowser>

namespace zeruda::gui {

// A browser box for the pages the program writes. They are GBK and declare
// "gb2312", which Qt would read as the smaller GB2312 set; this box reads local
// pages as GBK itself.
class GbkBrowser : public QTextBrowser {
  Q_OBJECT
 public:
  GbkBrowser(const QString& name, QWidget* parent);

  // Shows the local file, read afresh even when it is the page already shown.
  void showFile(const QString& path);

 protected:
  QVariant loadResource(int type, const QUrl& name) override;
};

}  // namespace zeruda::gui
