#pragma once

class QWidget;

namespace zeruda::gui {

// Ctrl+C in the terminal (SIGINT) or a polite kill (SIGTERM, SIGHUP) closes the
// window the normal way, so the exit clean-up runs as when the user closes it. That
// matters most when the window runs unseen on a virtual display.
void closeOnQuitSignals(QWidget& window);

}  // namespace zeruda::gui
