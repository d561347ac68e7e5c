#pragma once

#include <QMetaObject>
#include <QObject>
#include <QTest>

namespace zeruda::gui::test {

// Runs this thread's event loop until every call queued on it before now has been
// delivered: a marker queued behind them arrives after them. Rows a finished run
// posted to the window are in the list once this returns true.
inline bool deliverQueuedCalls() {
  QObject marker;
  bool reached = false;
  QMetaObject::invokeMethod(
      &marker, [&reached] { reached = true; }, Qt::QueuedConnection);
  return QTest::qWaitFor([&reached] { return reached; }, 10000);
}

}  // namespace zeruda::gui::test
