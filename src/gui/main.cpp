#include "gui/main_window.h"
#include "gui/style.h"
#include "gui/ui_services.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  zeruda::gui::applyLightStyle(app);
  zeruda::gui::QtUiServices services;
  zeruda::gui::MainWindow window(services);
  window.show();
  return app.exec();
}
