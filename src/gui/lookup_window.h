#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zeruda::storage {
class TableSet;
}

namespace zeruda::gui {

class UiServices;

// The lookup window 汉字五行属性查询: the element of one character from the
// character table.
class LookupWindow : public QWidget {
  Q_OBJECT
 public:
  LookupWindow(UiServices& services, storage::TableSet& tables, QWidget* parent = nullptr);

  QLineEdit* input = nullptr;    // 编辑框输入
  QPushButton* query = nullptr;  // 按钮1
  QLabel* result = nullptr;      // 标签结果

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void lookUp();

  UiServices& services_;
  storage::TableSet& tables_;
};

}  // namespace zeruda::gui
