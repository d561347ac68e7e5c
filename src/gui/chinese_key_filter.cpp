#include "gui/chinese_key_filter.h"

#include <QKeyEvent>
#include <QWidget>

namespace zeruda::gui {
namespace {

bool isTypedAscii(const QKeyEvent& key) {
  if (key.modifiers() & (Qt::ControlModifier | Qt::MetaModifier | Qt::AltModifier)) return false;
  const QString typed = key.text();
  if (typed.isEmpty()) return false;
  for (QChar c : typed) {
    // Printable ASCII only: control characters are editing keys, not text.
    if (c.unicode() < 0x20 || c.unicode() > 0x7E) return false;
  }
  return true;
}

}  // namespace

void ChineseKeyFilter::attachTo(QWidget* box) {
  box->installEventFilter(new ChineseKeyFilter(box));
}

bool ChineseKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && isTypedAscii(*static_cast<QKeyEvent*>(event))) {
    return true;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace zeruda::gui
