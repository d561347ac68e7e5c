#pragma once

#include "text/user_message.h"
// moc cannot parse the C++20 library headers behind the core's folder type.
#ifndef Q_MOC_RUN
#include "app/user_dirs.h"
#endif

#include <QDateTime>
#include <QObject>
#include <QString>
#include <filesystem>
#include <memory>
#include <optional>

class QPrinter;
class QUrl;
class QWidget;

namespace zeruda::gui {

// The core's icons: none, information, warning.
using zeruda::MessageIcon;

// A wait message on screen while a run goes. It is opened without an event loop of
// its own: the call that opens it returns at once and the window's loop goes on, so
// the run's rows and its end arrive as ordinary events. It goes away when the user
// closes it, when the program calls close(), or with its handle.
class WaitMessage : public QObject {
  Q_OBJECT
 public:
  // Takes the message down from the program's side (the run ended by itself);
  // userClosed() is not emitted. Does nothing once the message is gone.
  virtual void close() = 0;

 signals:
  // The user closed the message: its button, Enter, Esc or the title bar.
  void userClosed();
};

// Every message box, save dialog, clipboard and print request of the windows, and
// the clock, go through here, so that tests can read the messages, answer the dialogs
// and choose the time.
class UiServices {
 public:
  virtual ~UiServices() = default;

  // A modal message; returns when the user has closed it.
  virtual void showMessage(QWidget* parent, MessageIcon icon, const QString& caption,
                           const QString& text) = 0;

  // A wait message over `parent`, modal to every window of the program; returns at
  // once, the message still up.
  virtual std::unique_ptr<WaitMessage> openWaitMessage(QWidget* parent, MessageIcon icon,
                                                       const QString& caption,
                                                       const QString& text) = 0;

  // The file the user chose to save to, or nothing when the dialog was cancelled.
  // `filter` is a name pattern such as "*.csv"; `suffix` ("csv") is added to a name
  // typed without one; `suggestedName`, when given, stands in the name box at first.
  virtual std::optional<QString> chooseSaveFile(QWidget* parent, const QString& filter,
                                                const QString& suffix,
                                                const QString& suggestedName) = 0;

  // Puts the text on the clipboard; true when the clipboard now holds it.
  virtual bool copyToClipboard(const QString& text) = 0;

  // Lets the user pick and set up the printer; false when printing was cancelled.
  virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;

  // Hands a web address to the system's web browser; false when nothing took it.
  virtual bool openInBrowser(const QUrl& address) = 0;

  // Whether the system says this computer is connected to a network.
  virtual bool networkConnected() = 0;

  // A modal dialog with an address no browser took, for the user to open by hand:
  // shown whole and selectable, with a button that copies it.
  virtual void showAddress(QWidget* parent, const QString& address) = 0;

  // The clock: "today" and "now" of the calendar windows and the library.
  virtual QDateTime currentDateTime() const { return QDateTime::currentDateTime(); }
};

// Shows a message of the core (GBK texts), then gives the keyboard focus to the
// control of `window` it names, if any.
void showUserMessage(UiServices& services, QWidget* window, const UserMessage& message);

// Opens a wait message of the core (GBK texts).
std::unique_ptr<WaitMessage> openUserWaitMessage(UiServices& services, QWidget* window,
                                                 const UserMessage& message);

// The real thing: Qt's message boxes, file dialog, clipboard, print dialog, the
// desktop's browser and the system's network state. The save dialog opens in the
// folder of the last export, else in the documents folder, and remembers the folder
// chosen (profile section "界面", key "导出目录").
class QtUiServices final : public UiServices {
 public:
  // The user's folders; read once, when the services are made.
  app::UserFolders userFolders = app::systemUserFolders();
  // The session's profile file, which remembers the folder; none while empty.
  std::filesystem::path profileFile;

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
  // Asks Qt's network information backend. Where the system offers none, the
  // computer is taken as connected and a failed fetch says so instead.
  bool networkConnected() override;
  void showAddress(QWidget* parent, const QString& address) override;
};

}  // namespace zeruda::gui
