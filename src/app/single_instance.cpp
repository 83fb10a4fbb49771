#include "app/single_instance.h"

#include <poll.h>
#include <pwd.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QSysInfo>
#include <QThread>
#include <QTimer>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>

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

// A socket address for path; false when the path is too long for one.
bool SocketAddress(const QString& path, sockaddr_un& address) {
  const QByteArray bytes = QFile::encodeName(path);
  address = {};
  address.sun_family = AF_UNIX;
  if (bytes.isEmpty() || static_cast<std::size_t>(bytes.size()) >= sizeof address.sun_path) {
    return false;
  }
  std::memcpy(address.sun_path, bytes.constData(), static_cast<std::size_t>(bytes.size()));
  return true;
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
  CloseServer();
  m_lock.unlock();
}

void CSingleInstance::CloseServer() {
  if (m_serverFd < 0) return;
  delete m_serverNotifier;
  m_serverNotifier = nullptr;
  ::close(m_serverFd);
  m_serverFd = -1;
  ::unlink(QFile::encodeName(m_serverName).constData());
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
                        ? tr("The lock file %1 cannot be made: access was denied.").arg(m_lockPath)
                        : tr("The lock file %1 cannot be made.").arg(m_lockPath);
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
  sockaddr_un address{};
  if (m_serverName.isEmpty() || !SocketAddress(m_serverName, address)) return false;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return false;
  const auto answered = [&] {
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
      return false;
    }
    if (::send(fd, kRaiseRequest.data(), static_cast<std::size_t>(kRaiseRequest.size()),
               MSG_NOSIGNAL) != kRaiseRequest.size()) {
      return false;
    }
    // The answer says the request was taken; a holder that is closing sends none.
    QByteArray answer;
    const QDeadlineTimer deadline(3000);
    while (answer.size() < kRaiseAnswer.size()) {
      pollfd wait{fd, POLLIN, 0};
      const int ready = ::poll(&wait, 1, static_cast<int>(deadline.remainingTime()));
      if (ready < 0 && errno == EINTR) continue;
      if (ready <= 0) return false;
      char bytes[16];
      const ssize_t got = ::recv(fd, bytes, sizeof bytes, 0);
      if (got <= 0) return false;
      answer.append(bytes, got);
    }
    return answer.startsWith(kRaiseAnswer);
  };
  const bool raised = answered();
  ::close(fd);
  return raised;
}

void CSingleInstance::Listen() {
  if (m_lockCheck == nullptr) {
    m_lockCheck = new QTimer(this);
    m_lockCheck->setInterval(kLockCheckMs);
    connect(m_lockCheck, &QTimer::timeout, this, &CSingleInstance::KeepLock);
    m_lockCheck->start();
  }
  CloseServer();
  m_serverName = ServerNameOf(m_lockPath);
  sockaddr_un address{};
  if (!SocketAddress(m_serverName, address)) return;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return;
  // A socket left by a program that died is ours to replace: we hold the lock.
  ::unlink(address.sun_path);
  if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
      ::chmod(address.sun_path, 0600) != 0 || ::listen(fd, 8) != 0) {
    ::close(fd);
    return;
  }
  m_serverFd = fd;
  m_serverNotifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
  connect(m_serverNotifier, &QSocketNotifier::activated, this, &CSingleInstance::OnNewConnection);
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
  for (;;) {
    const int client = ::accept4(m_serverFd, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (client < 0) return;
    // Each caller sends one short line; whatever else comes is closed unanswered.
    auto* notifier = new QSocketNotifier(client, QSocketNotifier::Read, this);
    auto received = std::make_shared<QByteArray>();
    connect(notifier, &QSocketNotifier::activated, this, [this, notifier, client, received] {
      char bytes[64];
      const ssize_t got = ::recv(client, bytes, sizeof bytes, 0);
      if (got < 0 && (errno == EAGAIN || errno == EINTR)) return;
      if (got > 0) received->append(bytes, got);
      if (got > 0 && !received->contains('\n') && received->size() < 64) return;
      if (*received == kRaiseRequest) {
        emit activationRequested();
        ::send(client, kRaiseAnswer.data(), static_cast<std::size_t>(kRaiseAnswer.size()),
               MSG_NOSIGNAL);
      }
      notifier->setEnabled(false);
      notifier->deleteLater();
      ::close(client);
    });
  }
}

}  // namespace vesmira
