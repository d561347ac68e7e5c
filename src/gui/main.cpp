#include "app/startup.h"
#include "gui/app_setup.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/quit_signals.h"
#include "gui/single_instance.h"
#include "gui/ui_services.h"
#include "storage/program_state.h"
#include "storage/working_folder.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  zeruda::gui::prepareApplication(app);
  zeruda::gui::QtUiServices services;

  const zeruda::app::StartupOutcome check =
      zeruda::app::startupCheck(zeruda::app::systemStartupInputs());
  if (check.endProgram) {
    services.showMessage(nullptr, zeruda::MessageIcon::Warning, zeruda::gui::fromGbk(check.caption),
                         zeruda::gui::fromGbk(check.message));
    return 0;
  }

  // A window already working in this folder comes to the front instead.
  zeruda::storage::chooseDriveRoot(zeruda::storage::systemRoots());
  zeruda::gui::SingleInstance instance(
      QString::fromStdString(zeruda::storage::programState().workingFolder.string()));
  if (!instance.owner()) return 0;

  zeruda::gui::MainWindow window(services);
  window.startUp();
  window.show();
  QObject::connect(&instance, &zeruda::gui::SingleInstance::activationRequested, &window,
                   [&window] { zeruda::gui::bringToFront(window); });
  zeruda::gui::closeOnQuitSignals(window);
  return app.exec();
}
