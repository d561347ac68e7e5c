#include "app/startup.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/quit_signals.h"
#include "gui/style.h"
#include "gui/ui_services.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  zeruda::gui::applyLightStyle(app);
  zeruda::gui::QtUiServices services;

  const zeruda::app::StartupOutcome check =
      zeruda::app::startupCheck(zeruda::app::systemStartupInputs());
  if (check.endProgram) {
    services.showMessage(nullptr, zeruda::MessageIcon::Warning, zeruda::gui::fromGbk(check.caption),
                         zeruda::gui::fromGbk(check.message));
    return 0;
  }

  zeruda::gui::MainWindow window(services);
  window.startUp();
  window.show();
  zeruda::gui::closeOnQuitSignals(window);
  return app.exec();
}
