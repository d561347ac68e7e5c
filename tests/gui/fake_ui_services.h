#pragma once

#include "gui/ui_services.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace zeruda::gui::test {

// What a message box would have shown.
struct ShownMessage {
  MessageIcon icon;
  QString caption;
  QString text;
};

// Records every message and answers every dialog from a script, so the windows can
// be driven without a screen or a user.
class FakeUiServices final : public UiServices {
 public:
  void showMessage(QWidget* parent, MessageIcon icon, const QString& caption,
                   const QString& text) override;
  void showWaitMessage(QWidget* parent, MessageIcon icon, const QString& caption,
                       const QString& text, MessageCloser& closer) override;
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

  // Runs while a message is "on screen", before the call returns: the moment a
  // modal box keeps the user busy.
  std::function<void(const ShownMessage&)> whileShown;
  // While a wait message is "on screen": what the program can close it by.
  const MessageCloser* waitCloser = nullptr;

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
