#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>

class QLocalServer;

namespace zeruda::gui {

// One window per working folder, as desktop programs have it: the window that holds
// the folder owns its table files; a second start hands its request over (the
// running window comes to the front) and ends, so that no other process writes or
// deletes those files.
class SingleInstance : public QObject {
  Q_OBJECT
 public:
  // Claims `folder` for this process. When another process holds it, that one is
  // asked to come to the front; owner() then says false.
  explicit SingleInstance(const QString& folder, QObject* parent = nullptr);

  bool owner() const { return owner_; }
  // When the folder's lock named no window running on this machine (unreadable,
  // written on another machine, or its process gone) and was taken over: what was
  // found, for the user. Empty otherwise.
  const QString& takeOverNote() const { return takeOverNote_; }

 signals:
  // A later start asked the window to come to the front.
  void activationRequested();

 private:
  void listen(const QString& name);
  static void handOver(const QString& name);
  QString whyNobodyHolds() const;

  QLockFile lock_;
  bool owner_ = false;
  QString takeOverNote_;
  QLocalServer* server_ = nullptr;
};

// Shows a window in front of the others, restored when it was minimised.
void bringToFront(QWidget& window);

}  // namespace zeruda::gui
