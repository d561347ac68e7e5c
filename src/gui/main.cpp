#include "app/session.h"
#include "app/startup.h"
#include "gui/app_setup.h"
#include "gui/first_paint_probe.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/quit_signals.h"
#include "gui/single_instance.h"
#include "gui/ui_services.h"

#include <QApplication>
#include <QStatusBar>

#include <iostream>

namespace {

// Long enough to be read after the window has come up.
constexpr int kTakeOverNoteMilliseconds = 30000;

}  // namespace

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

  // A window already working in this folder comes to the front instead, and its
  // table files stay its own.
  zeruda::app::Session session;
  zeruda::gui::SingleInstance instance(QString::fromStdString(session.folder().path().string()));
  if (!instance.owner()) return 0;
  // A lock that no running window held was taken over: said on the terminal and,
  // once the window is up, in its status bar.
  const QString& takeOver = instance.takeOverNote();
  if (!takeOver.isEmpty()) std::cerr << "zeruda: " << takeOver.toStdString() << '\n';
  session.ownTableFiles();
  services.profileFile = session.profile().path();

  zeruda::gui::MainWindow window(services, session,
                                 zeruda::gui::MainWindow::Build::CompanyPageFirst);
  window.startUp();
  zeruda::gui::probeFirstPaint(window);
  window.show();
  if (!takeOver.isEmpty()) window.statusBar()->showMessage(takeOver, kTakeOverNoteMilliseconds);
  QObject::connect(&instance, &zeruda::gui::SingleInstance::activationRequested, &window,
                   [&window] { zeruda::gui::bringToFront(window); });
  zeruda::gui::closeOnQuitSignals(window);
  return app.exec();
}
