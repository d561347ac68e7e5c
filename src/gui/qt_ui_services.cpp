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
#include <QPointer>
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

// A box with the program's button and caption, not yet shown.
QMessageBox* makeMessageBox(QWidget* parent, MessageIcon icon, const QString& caption,
                            const QString& text) {
  // Our texts break lines with CR LF; a label wants bare line feeds.
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  // A message without a caption of its own gets the program's, never the bare
  // program file name Qt would show.
  auto* box = new QMessageBox(boxIcon(icon), caption.isEmpty() ? kSystemCaption : caption, shown,
                              QMessageBox::Ok, parent);
  box->button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
  keepCaptionWhole(*box);
  return box;
}

// A message box shown, not executed: modal to the whole program as an executed box
// is, so no window of it takes input while the run goes, but with no event loop of
// its own.
class QtWaitMessage final : public WaitMessage {
 public:
  explicit QtWaitMessage(QMessageBox* box) : box_(box) {
    // Every way the user has of closing the box ends in finished().
    connect(box, &QDialog::finished, this, [this] {
      takeDown();
      emit userClosed();
    });
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
  }
  ~QtWaitMessage() override { close(); }

  void close() override {
    if (!box_) return;
    box_->disconnect(this);
    box_->done(QMessageBox::Ok);
    takeDown();
  }

 private:
  void takeDown() {
    if (box_) box_->deleteLater();
    box_ = nullptr;
  }

  // The box belongs to its parent window and may go with it.
  QPointer<QMessageBox> box_;
};

}  // namespace

void showUserMessage(UiServices& services, QWidget* window, const UserMessage& message) {
  services.showMessage(window, message.icon, fromGbk(message.caption), fromGbk(message.text));
  if (message.focus == Field::None || window == nullptr) return;
  if (QWidget* target = window->findChild<QWidget*>(controlNameOf(message.focus))) {
    target->setFocus(Qt::OtherFocusReason);
  }
}

std::unique_ptr<WaitMessage> openUserWaitMessage(UiServices& services, QWidget* window,
                                                 const UserMessage& message) {
  return services.openWaitMessage(window, message.icon, fromGbk(message.caption),
                                  fromGbk(message.text));
}

void QtUiServices::showMessage(QWidget* parent, MessageIcon icon, const QString& caption,
                               const QString& text) {
  // The parent window may go while the box is up, and take the box with it.
  const QPointer<QMessageBox> box = makeMessageBox(parent, icon, caption, text);
  box->exec();
  delete box;
}

std::unique_ptr<WaitMessage> QtUiServices::openWaitMessage(QWidget* parent, MessageIcon icon,
                                                           const QString& caption,
                                                           const QString& text) {
  return std::make_unique<QtWaitMessage>(makeMessageBox(parent, icon, caption, text));
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
