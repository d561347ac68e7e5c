#include "fake_ui_services.h"

#include <QPrinter>
#include <QUrl>

namespace zeruda::gui::test {

void FakeUiServices::showMessage(QWidget*, MessageIcon icon, const QString& caption,
                                 const QString& text) {
  messages.push_back({icon, caption, text});
  if (whileShown) whileShown(messages.back());
}

void FakeWaitMessage::close() {
  if (!open_) return;
  open_ = false;
  ++services_.waitsClosedByProgram;
}

void FakeWaitMessage::closeAsUser() {
  if (!open_) return;
  open_ = false;
  emit userClosed();
}

std::unique_ptr<WaitMessage> FakeUiServices::openWaitMessage(QWidget*, MessageIcon icon,
                                                             const QString& caption,
                                                             const QString& text) {
  messages.push_back({icon, caption, text});
  auto message = std::make_unique<FakeWaitMessage>(*this);
  waitMessage = message.get();
  return message;
}

std::optional<QString> FakeUiServices::chooseSaveFile(QWidget*, const QString& filter,
                                                      const QString&,
                                                      const QString& suggestedName) {
  saveFilters.push_back(filter);
  saveSuggestions.push_back(suggestedName);
  if (saveAnswers.empty()) return std::nullopt;
  const QString answer = saveAnswers.front();
  saveAnswers.pop_front();
  if (answer.isEmpty()) return std::nullopt;
  return answer;
}

bool FakeUiServices::copyToClipboard(const QString& text) {
  if (!clipboardWorks) return false;
  clipboard = text;
  return true;
}

bool FakeUiServices::setUpPrinter(QWidget*, QPrinter& printer) {
  if (printToPdf.isEmpty()) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(printToPdf);
  ++printJobs;
  return true;
}

bool FakeUiServices::openInBrowser(const QUrl& address) {
  browsed.push_back(address.toString(QUrl::FullyEncoded));
  return browserWorks;
}

}  // namespace zeruda::gui::test
