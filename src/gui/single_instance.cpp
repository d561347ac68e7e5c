#include "gui/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <QWidget>

namespace zeruda::gui {
namespace {

// The socket's name stands for the folder; a path of its own would outgrow the
// length a socket address allows.
QString serverName(const QString& folder) {
  const QByteArray hash =
      QCryptographicHash::hash(QDir::cleanPath(folder).toUtf8(), QCryptographicHash::Sha1);
  return QStringLiteral("zeruda-") + QString::fromLatin1(hash.toHex().left(16));
}

}  // namespace

SingleInstance::SingleInstance(const QString& folder, QObject* parent)
    : QObject(parent), lock_(QDir(folder).filePath(QStringLiteral("zeruda.lock"))) {
  // Held for the whole run: never stale by age, only when its process is gone.
  lock_.setStaleLockTime(0);
  // Only a lock held by a living window counts against us: a folder where no lock
  // file can be made at all leaves nobody to hand over to.
  owner_ = lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError;
  const QString name = serverName(folder);
  if (owner_) {
    // Listened for once the event loop runs, after the window's first paint; a
    // second window meanwhile keeps trying for a while (handOver).
    QTimer::singleShot(0, this, [this, name] { listen(name); });
  } else {
    handOver(name);
  }
}

void SingleInstance::listen(const QString& name) {
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  // A socket left by a window that crashed is ours to replace: we hold the lock.
  QLocalServer::removeServer(name);
  server_->listen(name);
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
      connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
      socket->disconnectFromServer();
      emit activationRequested();
    }
  });
}

void SingleInstance::handOver(const QString& name) {
  // The running window may still be on its way to listening: try for a while.
  for (int attempt = 0; attempt < 20; ++attempt) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (socket.waitForConnected(100)) {
      socket.write("show\n");
      socket.waitForBytesWritten(500);
      socket.disconnectFromServer();
      return;
    }
    QThread::msleep(50);
  }
}

void bringToFront(QWidget& window) {
  if (window.isMinimized()) window.showNormal();
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace zeruda::gui
