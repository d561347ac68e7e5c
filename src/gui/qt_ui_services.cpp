#include "gui/ui_services.h"

#include "app/export_folder.h"
#include "gui/address_dialog.h"
#include "gui/field_controls.h"
#include "gui/qt_text.h"
#include "gui/window_texts.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QNetworkInformation>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QUrl>

namespace zeruda::gui {
namespace {

QMessageBox::Icon boxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

// The title bar holds the caption beside the window's icon and its three buttons, with
// gaps between them: about two lines of the caption's type for each of those four,
// which leaves room for a desktop whose title type is a little larger than ours.
constexpr int kTitleBarLines = 8;

// The desktop cuts a caption the box is too narrow for ("特… 示"): a spacer across the
// box keeps it wide enough. QMessageBox fixes its own size from its layout, so a
// minimum width set on the box would not hold.
void keepCaptionWhole(QMessageBox& box) {
  QFont titleFont = box.font();
  titleFont.setBold(true);  // as most title bars set it
  const QFontMetrics metrics(titleFont);
  const int wanted =
      metrics.horizontalAdvance(box.windowTitle()) + kTitleBarLines * metrics.height();
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
    grid->addItem(new QSpacerItem(wanted, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
  }
}

}  // namespace

void showUserMessage(UiServices& services, QWidget* window, const UserMessage& message) {
  services.showMessage(window, message.icon, fromGbk(message.caption), fromGbk(message.text));
  if (message.focus == Field::None || window == nullptr) return;
  if (QWidget* target = window->findChild<QWidget*>(controlNameOf(message.focus))) {
    target->setFocus(Qt::OtherFocusReason);
  }
}

void showUserWaitMessage(UiServices& services, QWidget* window, const UserMessage& message,
                         MessageCloser& closer) {
  services.showWaitMessage(window, message.icon, fromGbk(message.caption), fromGbk(message.text),
                           closer);
}

void QtUiServices::showMessage(QWidget* parent, MessageIcon icon, const QString& caption,
                               const QString& text) {
  MessageCloser never;
  showWaitMessage(parent, icon, caption, text, never);
}

void QtUiServices::showWaitMessage(QWidget* parent, MessageIcon icon, const QString& caption,
                                   const QString& text, MessageCloser& closer) {
  if (closer.closed()) return;
  // Our texts break lines with CR LF; a label wants bare line feeds.
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  // A message without a caption of its own gets the program's, never the bare
  // program file name Qt would show.
  QMessageBox box(boxIcon(icon), caption.isEmpty() ? kSystemCaption : caption, shown,
                  QMessageBox::Ok, parent);
  box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
  keepCaptionWhole(box);
  QObject::connect(&closer, &MessageCloser::closeRequested, &box,
                   [&box] { box.done(QMessageBox::Ok); });
  box.exec();
}

std::optional<QString> QtUiServices::chooseSaveFile(QWidget* parent, const QString& filter,
                                                    const QString& suffix,
                                                    const QString& suggestedName) {
  // Qt's own dialog rather than the desktop's: it speaks the program's Chinese
  // whatever the system language.
  QFileDialog dialog(parent);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilter(filter);
  dialog.setDefaultSuffix(suffix);
  const std::filesystem::path start = app::exportStartFolder(profileFile, userFolders);
  if (!start.empty()) dialog.setDirectory(QString::fromStdString(start.string()));
  if (!suggestedName.isEmpty()) dialog.selectFile(suggestedName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
    return std::nullopt;
  }
  const QString chosen = dialog.selectedFiles().constFirst();
  app::rememberExportFolder(profileFile, chosen.toStdString());
  return chosen;
}

bool QtUiServices::copyToClipboard(const QString& text) {
  QClipboard* clipboard = QApplication::clipboard();
  if (clipboard == nullptr) return false;
  clipboard->setText(text);
  // Reading back is the only way Qt tells whether the system took the text.
  return clipboard->text() == text;
}

bool QtUiServices::setUpPrinter(QWidget* parent, QPrinter& printer) {
  QPrintDialog dialog(&printer, parent);
  return dialog.exec() == QDialog::Accepted;
}

bool QtUiServices::openInBrowser(const QUrl& address) {
  return address.isValid() && QDesktopServices::openUrl(address);
}

bool QtUiServices::networkConnected() {
  // The backend is loaded once and then follows the system's state.
  static const bool haveBackend =
      QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability);
  if (!haveBackend || QNetworkInformation::instance() == nullptr) return true;
  return QNetworkInformation::instance()->reachability() !=
         QNetworkInformation::Reachability::Disconnected;
}

void QtUiServices::showAddress(QWidget* parent, const QString& address) {
  AddressDialog dialog(*this, address, parent);
  dialog.exec();
}

}  // namespace zeruda::gui
