#include "gui/secondary_window.h"

#include "gui/single_instance.h"

#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace zeruda::gui {

QRect centredOnOwner(const QRect& ownerFrame, QSize frameSize, const QRect& available) {
  frameSize = frameSize.boundedTo(available.size());
  QRect frame(QPoint(0, 0), frameSize);
  frame.moveCenter(ownerFrame.center());
  frame.moveLeft(std::clamp(frame.left(), available.left(), available.right() - frame.width() + 1));
  frame.moveTop(std::clamp(frame.top(), available.top(), available.bottom() - frame.height() + 1));
  return frame;
}

void showOverOwner(QWidget& window, QWidget& owner) {
  if (window.isVisible()) {
    bringToFront(window);
    return;
  }
  QWidget* ownerWindow = owner.window();
  window.winId();  // the native window, so that it can be tied to its owner
  window.windowHandle()->setTransientParent(ownerWindow->windowHandle());

  // The owner's frame tells how much the window manager adds around a window.
  const QRect ownerFrame = ownerWindow->frameGeometry();
  const QRect ownerInside = ownerWindow->geometry();
  const QMargins frameMargins(
      ownerInside.left() - ownerFrame.left(), ownerInside.top() - ownerFrame.top(),
      ownerFrame.right() - ownerInside.right(), ownerFrame.bottom() - ownerInside.bottom());
  const QScreen* screen = ownerWindow->screen();
  const QRect available = screen ? screen->availableGeometry() : ownerFrame;
  const QRect frame = centredOnOwner(ownerFrame, window.size().grownBy(frameMargins), available);
  window.resize(frame.size().shrunkBy(frameMargins));
  window.move(frame.topLeft());
  bringToFront(window);
}

}  // namespace zeruda::gui
