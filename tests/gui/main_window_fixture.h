#pragma once

#include "fake_ui_services.h"
#include "find_control.h"
#include "gui/main_window.h"
#include "support/program_sandbox.h"

#include <QObject>
#include <QString>

#include <memory>

namespace zeruda::gui::test {

// What the tests that drive the main window share: a program of their own (data
// home, temporary folder and the window's session in a fresh folder), the faked
// services, the window, and its controls by form name.
class MainWindowFixture : public QObject {
 protected:
  // A fresh sandbox and a window on its session, not yet started up.
  void makeWindow() {
    sandbox_ = std::make_unique<zeruda::test::ProgramSandbox>();
    services_ = FakeUiServices{};
    window_ = std::make_unique<MainWindow>(services_, sandbox_->session());
  }
  // The window goes before its session, the session before its folder.
  void dropWindow() {
    window_.reset();
    sandbox_.reset();
  }

  template <typename T>
  T* control(const char* name) {
    return findControl<T>(window_.get(), name);
  }
  // A file in the session's working folder.
  QString workingFile(const char* name) const {
    return QString::fromStdString(sandbox_->workingFile(name).string());
  }
  // A file of the test's own in the sandbox's folder, beside the working tree.
  QString sandboxFile(const char* name) const {
    return QString::fromStdString((sandbox_->roots().folder() / name).string());
  }

  std::unique_ptr<zeruda::test::ProgramSandbox> sandbox_;
  FakeUiServices services_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace zeruda::gui::test
