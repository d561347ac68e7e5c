#pragma once

#include <unistd.h>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <ctime>

namespace zeruda::gui {

// With ZERUDA_FIRST_PAINT_PROBE set, a window prints the wall clock (nanoseconds since
// the epoch) once its first paint has been shown and ends the process there, so a
// script can time start-up from the moment it launched the program. Header-only, so
// that the bare Qt window it is compared with carries the very same probe.
class FirstPaintProbe : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !fired_) {
      fired_ = true;
      // Queued: the paint and its flush to the screen happen first.
      QTimer::singleShot(0, [] {
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        std::printf("%lld\n", static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
        std::fflush(stdout);
        _exit(0);
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  bool fired_ = false;
};

inline void probeFirstPaint(QWidget& window) {
  if (qEnvironmentVariableIsSet("ZERUDA_FIRST_PAINT_PROBE")) {
    window.installEventFilter(new FirstPaintProbe(&window));
  }
}

}  // namespace zeruda::gui
