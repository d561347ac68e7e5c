#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace zeruda::storage {
class WorkingFolder;
}

namespace zeruda::web {
enum class Site;
}

namespace zeruda::gui {

class UiServices;

// The duplicate-name window 重名查询: no register can be asked directly, so it
// opens web searches for the name, and the official register's search page.
class DuplicateNameWindow : public QWidget {
  Q_OBJECT
 public:
  // `name` is the full name of the row selected in the result list (may be empty).
  DuplicateNameWindow(UiServices& services, const storage::WorkingFolder& folder,
                      const QString& name, QWidget* parent = nullptr);

  QPlainTextEdit* explanation = nullptr;  // 编辑框1
  QLineEdit* name = nullptr;              // 公司名字
  QPushButton* baidu = nullptr;           // 按钮1
  QPushButton* so360 = nullptr;           // 按钮2
  QPushButton* alibaba = nullptr;         // 按钮3
  QPushButton* registry = nullptr;        // 按钮4: 国家企业信用信息公示系统

 private:
  void search(web::Site site);

  UiServices& services_;
  const storage::WorkingFolder& folder_;
};

}  // namespace zeruda::gui
