#pragma once

#include "gui/ui_services.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace zeruda::gui::test {

// What a message box would have shown.
struct ShownMessage {
  MessageIcon icon;
  QString caption;
  QString text;
};

class FakeUiServices;

// A wait message "on screen": the test closes it as the user would, or sees the
// program take it down.
class FakeWaitMessage final : public WaitMessage {
 public:
  explicit FakeWaitMessage(FakeUiServices& services) : services_(services) {}
  ~FakeWaitMessage() override { close(); }

  void close() override;
  // The user's click on its button.
  void closeAsUser();
  bool isOpen() const { return open_; }

 private:
  FakeUiServices& services_;
  bool open_ = true;
};

// Records every message and answers every dialog from a script, so the windows can
// be driven without a screen or a user.
class FakeUiServices final : public UiServices {
 public:
  void showMessage(QWidget* parent, MessageIcon icon, const QString& caption,
                   const QString& text) override;
  std::unique_ptr<WaitMessage> openWaitMessage(QWidget* parent, MessageIcon icon,
                                               const QString& caption,
                                               const QString& text) override;
  std::optional<QString> chooseSaveFile(QWidget* parent, const QString& filter,
                                        const QString& suffix,
                                        const QString& suggestedName) override;
  bool copyToClipboard(const QString& text) override;
  bool setUpPrinter(QWidget* parent, QPrinter& printer) override;
  bool openInBrowser(const QUrl& address) override;
  bool networkConnected() override { return connected; }
  void showAddress(QWidget*, const QString& address) override { addressesShown.push_back(address); }

  QDateTime currentDateTime() const override {
    return now.isValid() ? now : UiServices::currentDateTime();
  }

  // The clock's answer; the real clock when left invalid.
  QDateTime now;

  // Runs while a modal message is "on screen", before the call returns: the moment
  // a modal box keeps the user busy. Wait messages return at once and are not seen
  // here.
  std::function<void(const ShownMessage&)> whileShown;
  // The wait message last opened, while its handle lives; its text is among
  // `messages`.
  QPointer<FakeWaitMessage> waitMessage;
  // How many wait messages the program took down itself, not the user.
  int waitsClosedByProgram = 0;

  // Answers for the save dialogs in turn; an empty answer, or none left, cancels.
  std::deque<QString> saveAnswers;
  // The filters the save dialogs were opened with, and the names they suggested.
  std::vector<QString> saveFilters;
  std::vector<QString> saveSuggestions;

  bool clipboardWorks = true;
  QString clipboard;

  // Where a print job goes: a PDF file, or cancel when empty.
  QString printToPdf;
  int printJobs = 0;

  std::vector<ShownMessage> messages;

  // The addresses handed to the browser, in order, and whether it takes them.
  std::vector<QString> browsed;
  bool browserWorks = true;
  // The addresses shown for the user to open by hand.
  std::vector<QString> addressesShown;

  // The system's network state.
  bool connected = true;
};

}  // namespace zeruda::gui::test
