#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/quit_signals.h"
#include "gui/style.h"
#include "gui/ui_services.h"
#include "shell/startup.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  zeruda::gui::applyLightStyle(app);
  zeruda::gui::QtUiServices services;

  const zeruda::shell::StartupOutcome check =
      zeruda::shell::startupCheck(zeruda::shell::systemStartupInputs());
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
