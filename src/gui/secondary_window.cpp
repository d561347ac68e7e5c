#include "gui/secondary_window.h"

#include "gui/single_instance.h"

#include <QKeyEvent>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace zeruda::gui {
namespace {

// Closes the window it watches on an Esc that no control inside took for itself: an
// open list or a date popup still closes first.
class EscapeCloses final : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier) return false;
    static_cast<QWidget*>(watched)->close();
    return true;
  }
};

void closeOnEscape(QWidget& window) {
  // Found by name: the filter has no meta-object of its own to be found by type.
  const QString name = QStringLiteral("EscapeCloses");
  if (window.findChild<QObject*>(name, Qt::FindDirectChildrenOnly)) return;
  auto* filter = new EscapeCloses(&window);
  filter->setObjectName(name);
  window.installEventFilter(filter);
}

}  // namespace

QRect centredOnOwner(const QRect& ownerFrame, QSize frameSize, const QRect& available) {
  frameSize = frameSize.boundedTo(available.size());
  QRect frame(QPoint(0, 0), frameSize);
  frame.moveCenter(ownerFrame.center());
  frame.moveLeft(std::clamp(frame.left(), available.left(), available.right() - frame.width() + 1));
  frame.moveTop(std::clamp(frame.top(), available.top(), available.bottom() - frame.height() + 1));
  return frame;
}

QRect placedOverOwner(QSize wanted, const QMargins& frameMargins, const QRect& ownerFrame,
                      const QRect& available) {
  return centredOnOwner(ownerFrame, wanted.grownBy(frameMargins), available)
      .marginsRemoved(frameMargins);
}

void showOverOwner(QWidget& window, QWidget& owner) {
  closeOnEscape(window);
  if (window.isVisible()) {
    bringToFront(window);
    return;
  }
  QWidget* ownerWindow = owner.window();
  window.winId();  // the native window, so that it can be tied to its owner
  window.windowHandle()->setTransientParent(ownerWindow->windowHandle());

  // The owner's frame tells how much the window manager adds around a window; the
  // new window has no frame yet, so it is placed by its own area, which the window
  // manager then frames.
  const QRect ownerFrame = ownerWindow->frameGeometry();
  const QRect ownerInside = ownerWindow->geometry();
  const QMargins frameMargins(
      ownerInside.left() - ownerFrame.left(), ownerInside.top() - ownerFrame.top(),
      ownerFrame.right() - ownerInside.right(), ownerFrame.bottom() - ownerInside.bottom());
  const QScreen* screen = ownerWindow->screen();
  const QRect available = screen ? screen->availableGeometry() : ownerFrame;
  window.setGeometry(placedOverOwner(window.size(), frameMargins, ownerFrame, available));
  bringToFront(window);
}

}  // namespace zeruda::gui
