#pragma once

#include <QMargins>
#include <QPointer>
#include <QRect>
#include <QWidget>

namespace zeruda::gui {

// Where a secondary window's frame goes: centred on its owner's frame, then moved
// (and, when larger, cut to size) so that the whole frame lies on the available
// part of the screen.
QRect centredOnOwner(const QRect& ownerFrame, QSize frameSize, const QRect& available);

// The window's own area (the frame less its title bar and borders) for a window that
// wants `wanted` inside `frameMargins`: placed by centredOnOwner, so the title bar
// stays on the screen however large the window asks to be.
QRect placedOverOwner(QSize wanted, const QMargins& frameMargins, const QRect& ownerFrame,
                      const QRect& available);

// Shows a secondary window of `owner` (the evaluation window, the lookup window, the
// calendars …): transient for the owner, so the desktop keeps it above the owner and
// groups it with it, placed by placedOverOwner, and closed by Esc like a dialog. A
// window already on screen only comes to the front where the user left it.
void showOverOwner(QWidget& window, QWidget& owner);

// The one window of a kind: the one still open in `slot`, else a new one from
// `make`; either way shown over `owner`.
template <typename Window, typename Make>
Window* openSecondary(QPointer<Window>& slot, QWidget& owner, Make make) {
  if (!slot) slot = make();
  showOverOwner(*slot, owner);
  return slot;
}

}  // namespace zeruda::gui
