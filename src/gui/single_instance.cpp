#include "gui/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSysInfo>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <signal.h>

#include <cerrno>

namespace zeruda::gui {
namespace {

// The socket's name stands for the folder; a path of its own would outgrow the
// length a socket address allows.
QString serverName(const QString& folder) {
  const QByteArray hash =
      QCryptographicHash::hash(QDir::cleanPath(folder).toUtf8(), QCryptographicHash::Sha1);
  return QStringLiteral("zeruda-") + QString::fromLatin1(hash.toHex().left(16));
}

// How long a lock that cannot be read is given to be written by a starting window.
constexpr unsigned long kSecondLookMilliseconds = 200;

// Whether a process of this number runs on this machine (one we may not signal
// runs too).
bool processRuns(qint64 pid) {
  return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

}  // namespace

QString SingleInstance::whyNobodyHolds() const {
  qint64 pid = 0;
  QString host;
  QString application;
  // A window that is just starting may not have written its lock yet: one look more.
  if (!lock_.getLockInfo(&pid, &host, &application)) {
    QThread::msleep(kSecondLookMilliseconds);
    if (!lock_.getLockInfo(&pid, &host, &application)) {
      return QStringLiteral("锁文件 %1 无法读取").arg(lock_.fileName());
    }
  }
  if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
    return QStringLiteral("锁文件 %1 是另一台计算机（%2）留下的").arg(lock_.fileName(), host);
  }
  if (!processRuns(pid)) {
    return QStringLiteral("锁文件 %1 记录的进程 %2 已不在运行").arg(lock_.fileName()).arg(pid);
  }
  return {};
}

SingleInstance::SingleInstance(const QString& folder, QObject* parent)
    : QObject(parent), lock_(QDir(folder).filePath(QStringLiteral("zeruda.lock"))) {
  // Held for the whole run: never stale by age, only when its process is gone.
  lock_.setStaleLockTime(0);
  // Only a lock held by a living window counts against us: a folder where no lock
  // file can be made at all leaves nobody to hand over to. Qt takes a lock over by
  // itself only when it can tell that its process is gone: a lock it cannot read,
  // or one written on another machine, would keep every start away for good. No
  // window of this machine holds those either, so they are taken over too.
  // Whatever was found in the way is kept for the user.
  const bool lockFound = QFileInfo::exists(lock_.fileName());
  const QString found = lockFound ? whyNobodyHolds() : QString();
  owner_ = lock_.tryLock(0) || lock_.error() != QLockFile::LockFailedError;
  if (!owner_ && !found.isEmpty() && lock_.removeStaleLockFile()) owner_ = lock_.tryLock(0);
  if (lock_.isLocked() && lockFound) {
    takeOverNote_ =
        QStringLiteral("已接管工作文件夹：") +
        (found.isEmpty()
             ? QStringLiteral("锁文件 %1 记录的进程已结束或不是本程序").arg(lock_.fileName())
             : found) +
        QStringLiteral("。");
  }
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
