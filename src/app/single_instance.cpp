#include "app/single_instance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSysInfo>
#include <QThread>

namespace vesmira {

namespace {

constexpr QByteArrayView kRaiseRequest = "raise\n";
constexpr QByteArrayView kRaiseAnswer = "ok\n";
// A program that has its lock but not yet its server, or is closing, answers within this.
constexpr int kWaitForHolderMs = 10000;

// The folder as every start names it, however it was reached (a link, a relative path).
QString CanonicalFolder(const std::filesystem::path& folder) {
  const QString path = QFile::decodeName(folder.c_str());
  const QString canonical = QFileInfo(path).canonicalFilePath();
  return canonical.isEmpty() ? QDir(path).absolutePath() : canonical;
}

}  // namespace

CSingleInstance::CSingleInstance(const std::filesystem::path& dataFolder, QObject* parent)
    : QObject(parent),
      m_lockPath(QDir(CanonicalFolder(dataFolder)).filePath(LockFileName())),
      m_lock(m_lockPath) {
  // Socket names are short file names in the temporary folder: the folder's hash keeps them
  // short, the user id keeps two people's programs apart.
  const QByteArray hash =
      QCryptographicHash::hash(CanonicalFolder(dataFolder).toUtf8(), QCryptographicHash::Sha256)
          .toHex()
          .left(32);
  m_serverName = QStringLiteral("vesmira-%1-%2").arg(::getuid()).arg(QString::fromLatin1(hash));
  // Never stale by age: a diary open for days is still open. A lock whose program is gone
  // from this computer is stale all the same, and taken over.
  m_lock.setStaleLockTime(0);
}

CSingleInstance::~CSingleInstance() {
  if (m_server != nullptr) m_server->close();
  m_lock.unlock();
}

CSingleInstance::Outcome CSingleInstance::Acquire() {
  const QDeadlineTimer deadline(kWaitForHolderMs);
  for (;;) {
    if (m_lock.tryLock(0)) {
      Listen();
      return Outcome::kFirst;
    }
    if (m_lock.error() != QLockFile::LockFailedError) {
      m_errorText = m_lock.error() == QLockFile::PermissionError
                        ? QStringLiteral("The lock file %1 cannot be made: access was denied.")
                              .arg(m_lockPath)
                        : QStringLiteral("The lock file %1 cannot be made.").arg(m_lockPath);
      return Outcome::kFailed;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    if (m_lock.getLockInfo(&pid, &host, &application) && !host.isEmpty() &&
        host != QSysInfo::machineHostName()) {
      m_holderHost = host;
      return Outcome::kHeldElsewhere;
    }
    if (AskHolderToRaise()) return Outcome::kRaisedOther;
    if (deadline.hasExpired()) return Outcome::kNoAnswer;
    QThread::msleep(100);
  }
}

bool CSingleInstance::AskHolderToRaise() {
  QLocalSocket socket;
  socket.connectToServer(m_serverName);
  if (!socket.waitForConnected(1000)) return false;
  socket.write(kRaiseRequest.data(), kRaiseRequest.size());
  if (!socket.waitForBytesWritten(1000)) return false;
  // The answer says the request was taken; a holder that is closing sends none.
  while (socket.bytesAvailable() < kRaiseAnswer.size()) {
    if (!socket.waitForReadyRead(3000)) return false;
  }
  return socket.readAll().startsWith(kRaiseAnswer);
}

void CSingleInstance::Listen() {
  m_server = new QLocalServer(this);
  m_server->setSocketOptions(QLocalServer::UserAccessOption);
  connect(m_server, &QLocalServer::newConnection, this, &CSingleInstance::OnNewConnection);
  // A socket left by a program that died is ours to replace: we hold the lock.
  QLocalServer::removeServer(m_serverName);
  m_server->listen(m_serverName);
}

void CSingleInstance::OnNewConnection() {
  while (QLocalSocket* socket = m_server->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (!socket->canReadLine()) return;
      if (socket->readLine() != kRaiseRequest.toByteArray()) {
        socket->disconnectFromServer();
        return;
      }
      emit activationRequested();
      socket->write(kRaiseAnswer.data(), kRaiseAnswer.size());
      socket->flush();
    });
  }
}

}  // namespace vesmira
