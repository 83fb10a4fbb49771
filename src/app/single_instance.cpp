#include "app/single_instance.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSysInfo>
#include <QThread>
#include <QTimer>
#include <cstdlib>

namespace vesmira {

namespace {

constexpr QByteArrayView kRaiseRequest = "raise\n";
constexpr QByteArrayView kRaiseAnswer = "ok\n";
// A program takes its lock and opens its server in one step: one that holds the lock and
// has not answered within this is closing, or hangs.
constexpr int kWaitForHolderMs = 1000;
constexpr int kLockCheckMs = 2000;

// The folder as every start names it, however it was reached (a link, a relative path).
QString CanonicalFolder(const std::filesystem::path& folder) {
  const QString path = QFile::decodeName(folder.c_str());
  const QString canonical = QFileInfo(path).canonicalFilePath();
  return canonical.isEmpty() ? QDir(path).absolutePath() : canonical;
}

// Sockets go where the session keeps its own, whatever TMPDIR a start was given.
QString SocketFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  return runtime != nullptr && runtime[0] == '/' ? QFile::decodeName(runtime)
                                                 : QStringLiteral("/tmp");
}

// The server of the lock file now at lockPath; empty when there is none.
QString ServerNameOf(const QString& lockPath, struct stat* info = nullptr) {
  struct stat status {};
  if (::stat(QFile::encodeName(lockPath).constData(), &status) != 0) return {};
  if (info != nullptr) *info = status;
  return QStringLiteral("%1/vesmira-%2-%3-%4")
      .arg(SocketFolder())
      .arg(::getuid())
      .arg(static_cast<qulonglong>(status.st_dev))
      .arg(static_cast<qulonglong>(status.st_ino));
}

QString AccountName(uid_t uid) {
  if (const struct passwd* account = ::getpwuid(uid)) return QFile::decodeName(account->pw_name);
  return QString::number(uid);
}

}  // namespace

CSingleInstance::CSingleInstance(const std::filesystem::path& dataFolder, QObject* parent)
    : QObject(parent),
      m_lockPath(QDir(CanonicalFolder(dataFolder)).filePath(LockFileName())),
      m_lock(m_lockPath) {
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
    struct stat lock {};
    m_serverName = ServerNameOf(m_lockPath, &lock);
    if (!m_serverName.isEmpty() && lock.st_uid != ::getuid()) {
      m_holderAccount = AccountName(lock.st_uid);
      return Outcome::kOtherAccount;
    }
    if (AskHolderToRaise()) return Outcome::kRaisedOther;
    if (deadline.hasExpired()) return Outcome::kNoAnswer;
    QThread::msleep(100);
  }
}

bool CSingleInstance::AskHolderToRaise() {
  if (m_serverName.isEmpty()) return false;
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
  if (m_server == nullptr) {
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    connect(m_server, &QLocalServer::newConnection, this, &CSingleInstance::OnNewConnection);
    auto* check = new QTimer(this);
    check->setInterval(kLockCheckMs);
    connect(check, &QTimer::timeout, this, &CSingleInstance::KeepLock);
    check->start();
  }
  m_server->close();
  m_serverName = ServerNameOf(m_lockPath);
  // A socket left by a program that died is ours to replace: we hold the lock.
  QLocalServer::removeServer(m_serverName);
  m_server->listen(m_serverName);
}

void CSingleInstance::KeepLock() {
  // Removed by hand or by a cleaning tool: a second start would find no lock and open the
  // diary twice. The file is made again, and the server named after it. A file that is there
  // is left alone: unlocking would remove it, whoever made it.
  if (QFileInfo::exists(m_lockPath)) return;
  m_lock.unlock();
  if (m_lock.tryLock(0)) Listen();
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
