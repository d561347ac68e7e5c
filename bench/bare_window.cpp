// The yardstick for the window's start-up: the least a Qt program can do to show a
// Chinese text, with the same first-paint probe as the program.
#include "gui/first_paint_probe.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QLabel label(QStringLiteral("公司取名"));
  zeruda::gui::probeFirstPaint(label);
  label.show();
  return app.exec();
}
