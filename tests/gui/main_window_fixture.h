#pragma once

#include "fake_ui_services.h"
#include "find_control.h"
#include "gui/main_window.h"

#include <QObject>
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace zeruda::gui::test {

// What the tests that drive the main window share: a data home of their own (when
// they make one), the faked services, the window, and its controls by form name.
class MainWindowFixture : public QObject {
 protected:
  std::unique_ptr<QTemporaryDir> home_;
  FakeUiServices services_;
  std::unique_ptr<MainWindow> window_;

  template <typename T>
  T* control(const char* name) {
    return findControl<T>(window_.get(), name);
  }
  // The path of a file in the working folder under home_.
  QString workingFile(const char* name) {
    return home_->filePath(QStringLiteral("zeruda/gs/") + QString::fromUtf8(name));
  }
};

}  // namespace zeruda::gui::test
