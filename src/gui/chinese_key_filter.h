#pragma once

#include <QObject>

class QWidget;

namespace zeruda::gui {

// Name boxes take Chinese text only: a typed ASCII character is dropped before the
// box sees it. Editing keys (backspace, delete, arrows, tab) and shortcuts such as
// Ctrl+V still work; characters from an input method always pass.
class ChineseKeyFilter : public QObject {
  Q_OBJECT
 public:
  explicit ChineseKeyFilter(QObject* parent = nullptr) : QObject(parent) {}

  // Gives the box a filter of its own, owned by the box.
  static void attachTo(QWidget* box);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace zeruda::gui
