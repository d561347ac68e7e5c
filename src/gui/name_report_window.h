#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

namespace zeruda::gui {

// The window 测名报告: one person's name report as read-only text, with a copy of it
// to the clipboard. One window serves every name: showing another replaces the text.
class NameReportWindow : public QWidget {
  Q_OBJECT
 public:
  explicit NameReportWindow(QWidget* parent = nullptr);

  // The report of `name` (its caption) in the text box, scrolled to its start.
  void showReport(const QString& name, const QString& report);

  QPlainTextEdit* report = nullptr;    // 编辑框测名报告
  QPushButton* closeButton = nullptr;  // 按钮测名关闭
};

}  // namespace zeruda::gui
