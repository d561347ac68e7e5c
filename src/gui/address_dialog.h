#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTextEdit;

namespace zeruda::gui {

class UiServices;

// Shown when no browser takes an address: the address as it works, whole and
// selectable, and a button that puts it on the clipboard, so the user can open it
// by hand. Percent-encoded addresses are shown as they are: decoding would turn the
// GBK bytes of some searches into nonsense, and what is copied must be what is shown.
class AddressDialog : public QDialog {
  Q_OBJECT
 public:
  AddressDialog(UiServices& services, const QString& address, QWidget* parent = nullptr);

  QTextEdit* address = nullptr;  // 编辑框链接
  QPushButton* copy = nullptr;   // 按钮复制链接
  QPushButton* ok = nullptr;     // 按钮确定
  QLabel* copied = nullptr;      // 标签复制结果: whether the copy worked

 private:
  void copyAddress();

  UiServices& services_;
  const QString shown_;
};

}  // namespace zeruda::gui
