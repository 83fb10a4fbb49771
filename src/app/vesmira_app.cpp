#include "app/vesmira_app.h"

#include <QIcon>
#include <QSessionManager>
#include <QTimer>
#include <ctime>

#include "app/main_frame.h"
#include "app/single_instance.h"
#include "app/startup_time.h"
#include "app/termination_signals.h"
#include "build_config.h"
#include "storage/data_paths.h"
#include "storage/stored_file.h"
#include "storage/write_access.h"
#include "ui/language.h"
#include "ui/picture.h"

namespace vesmira {

CVesmiraApp::CVesmiraApp(int& argc, char** argv) : QApplication(argc, argv) {
  // Qt's own settings live under this key; the program stores nothing there.
  setOrganizationName(QStringLiteral("Halvorik"));
  setApplicationName(QStringLiteral("Vesmira"));
  setApplicationVersion(QString::fromUtf8(build::kVersion));
  // Lets the desktop match the window to its menu entry and show the program's icon.
  setDesktopFileName(QStringLiteral("org.example.vesmira"));
  // The desktop session's language, before any window is made.
  InstallTranslations(*this, DesktopLanguage());
  QIcon icon;
  for (const int size : {16, 32, 48}) {
    icon.addPixmap(ReadPicture(QStringLiteral(":/icons/vesmira-%1.png").arg(size)));
  }
  setWindowIcon(icon);
  installEventFilter(&m_splashFilter);
  // A session that logs out or shuts down asks first: the day shown is saved then, as a
  // close saves it, whether or not the session then ends.
  connect(this, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
    if (m_mainFrame) m_mainFrame->View().StoreNow();
  });
}

void CVesmiraApp::SweepWhenShown(const std::filesystem::path& usersFolder) {
  // No other program saves here now, so what an interrupted save left before this start can
  // go: on a thread of its own, once the window has settled, as a large diary has many
  // folders and files to look through and nothing waits for it.
  const std::time_t startedAt = std::time(nullptr);
  QTimer::singleShot(kSweepDelayMs, this, [this, usersFolder, startedAt] {
    m_sweep = std::thread([this, usersFolder, startedAt] {
      RemoveStaleTemporaries(usersFolder, startedAt, &m_stopSweep);
    });
  });
}

// The window goes before the application object it needs.
CVesmiraApp::~CVesmiraApp() {
  m_stopSweep = true;
  if (m_sweep.joinable()) m_sweep.join();
  m_terminationSignals.reset();
  m_mainFrame.reset();
  m_instance.reset();
}

bool CVesmiraApp::InitInstance(const std::filesystem::path& dataFolder) {
  if (!TakeDiary(dataFolder)) return false;
  // The command line is read for this one switch; a file named on it opens nothing.
  CSplashWindow::EnableSplash(SplashWantedFor(arguments(), platformName()));
  m_mainFrame = std::make_unique<CMainFrame>(dataFolder, m_prompts, m_urlOpener);
  m_terminationSignals = std::make_unique<TerminationSignals>(m_mainFrame.get());
  if (m_instance)
    connect(m_instance.get(), &CSingleInstance::activationRequested, this, [this] {
      CMainFrame* frame = m_mainFrame.get();
      if (frame->isMinimized()) frame->showNormal();
      frame->show();
      frame->raise();
      frame->activateWindow();
      // A dialog open over the window is what the person works in: it comes along.
      if (QWidget* modal = activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
      }
    });
  if (m_readOnly != WriteProblem::kNone) {
    m_mainFrame->View().ShowReadOnlyDiary(
        QString::fromStdString(ReadOnlyDiaryText(m_readOnly, dataFolder, ShownLanguage())));
  }
  m_mainFrame->show();
  ReportStartupTimeWhenShown(m_mainFrame.get());
  return true;
}

bool CVesmiraApp::TakeDiary(const std::filesystem::path& dataFolder) {
  // Where nothing can be written there is nothing to guard: the diary opens to be read, and
  // a second window on it is harmless.
  for (const std::filesystem::path& folder : {dataFolder, UsersFolder(dataFolder)}) {
    m_readOnly = FindWriteProblem(folder);
    if (m_readOnly != WriteProblem::kNone) return true;
  }
  m_instance = std::make_unique<CSingleInstance>(dataFolder);
  QString message;
  switch (m_instance->Acquire()) {
    case CSingleInstance::Outcome::kFirst:
      SweepWhenShown(UsersFolder(dataFolder));
      return true;
    case CSingleInstance::Outcome::kRaisedOther:
      m_startExitStatus = 0;
      return false;
    case CSingleInstance::Outcome::kHeldElsewhere:
      message = tr("This diary is open in Vesmira on the computer \"%1\".\n\n"
                   "Close Vesmira there, then start it here again. If Vesmira no longer "
                   "runs there, delete the file %2 and start again.")
                    .arg(m_instance->HolderHost(), m_instance->LockFilePath());
      break;
    case CSingleInstance::Outcome::kOtherAccount:
      message = tr("This diary is open in Vesmira under the account \"%1\" on this computer.\n\n"
                   "Close Vesmira there, then start it here again. The lock file is %2.")
                    .arg(m_instance->HolderAccount(), m_instance->LockFilePath());
      break;
    case CSingleInstance::Outcome::kNoAnswer:
      message = tr("This diary is open in Vesmira already, but that window does not answer. "
                   "Close it, then start Vesmira again. If no Vesmira runs, delete the lock "
                   "file %1 and start again.")
                    .arg(m_instance->LockFilePath());
      break;
    case CSingleInstance::Outcome::kFailed:
      message = m_instance->ErrorText();
      break;
  }
  static_cast<Prompts&>(m_prompts).ShowMessage(nullptr, message, Prompts::Icon::kStop);
  m_startExitStatus = 1;
  return false;
}

}  // namespace vesmira
