#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <filesystem>

class QSocketNotifier;
class QTimer;

namespace vesmira {

// One program per diary: a lock file in the data folder, and a local server named after that
// file (its device and inode, so every path to the folder, in any letter case, finds it) in
// the session's runtime folder, through which a second start asks the first to come to the
// front. A lock left by a program that died is taken over; a lock of a program on another
// computer (a shared folder) or of another account is left alone. A lock file removed while
// the program runs is made again.
class CSingleInstance : public QObject {
  Q_OBJECT

 public:
  enum class Outcome {
    kFirst,          // this program holds the diary
    kRaisedOther,    // the program that holds it was asked to come to the front
    kHeldElsewhere,  // a program on another computer holds it: HolderHost()
    kOtherAccount,   // a program of another account holds it: HolderAccount()
    kNoAnswer,       // a program on this computer holds it but does not answer
    kFailed,         // the lock file cannot be made: ErrorText()
  };

  explicit CSingleInstance(const std::filesystem::path& dataFolder, QObject* parent = nullptr);
  ~CSingleInstance() override;

  // Tries to take the diary; waits a few seconds for a program that is just starting.
  Outcome Acquire();

  QString LockFilePath() const { return m_lockPath; }
  QString ServerName() const { return m_serverName; }
  QString HolderHost() const { return m_holderHost; }
  QString HolderAccount() const { return m_holderAccount; }
  QString ErrorText() const { return m_errorText; }

  // The name of the lock file in the data folder; no scan lists it.
  static QString LockFileName() { return QStringLiteral(".vesmira.lock"); }

 signals:
  // A second start on the same diary asks for the window.
  void activationRequested();

 private:
  bool AskHolderToRaise();
  void Listen();
  void OnNewConnection();
  // Takes the lock again when its file was removed or replaced.
  void KeepLock();
  void CloseServer();

  QString m_lockPath;
  QString m_serverName;  // of the lock file as this program last saw it
  QLockFile m_lock;
  // The server: a Unix socket of the session's own, watched by the event loop.
  int m_serverFd = -1;
  QSocketNotifier* m_serverNotifier = nullptr;
  QTimer* m_lockCheck = nullptr;
  QString m_holderHost;
  QString m_holderAccount;
  QString m_errorText;
};

}  // namespace vesmira
