// Time from launch to the main window on screen. The launch moment comes from the
// caller (nanoseconds since the epoch, `date +%s%N`), so loading the program and its
// libraries counts too. The start-up is the program's own, step for step.
#include "app/session.h"
#include "app/startup.h"
#include "gui/app_setup.h"
#include "gui/main_window.h"
#include "gui/ui_services.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

long long nanosecondsNow() {
  using namespace std::chrono;
  return duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s $(date +%%s%%N)\n", argv[0]);
    return 2;
  }
  const long long launched = std::atoll(argv[1]);
  QApplication app(argc, argv);
  zeruda::gui::prepareApplication(app);
  zeruda::gui::QtUiServices services;
  if (zeruda::app::startupCheck(zeruda::app::systemStartupInputs()).endProgram) return 1;
  zeruda::app::Session session;
  session.ownTableFiles();
  services.profileFile = session.profile().path();
  zeruda::gui::MainWindow window(services, session);
  window.startUp();
  window.show();

  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &app, [&] {
    if (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) return;
    QCoreApplication::processEvents();  // the first paint
    std::printf("%.1f ms\n", static_cast<double>(nanosecondsNow() - launched) / 1e6);
    window.close();
  });
  poll.start(0);
  return app.exec();
}
