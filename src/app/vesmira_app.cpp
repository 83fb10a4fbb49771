#include "app/vesmira_app.h"

#include <QIcon>
#include <QSessionManager>

#include "app/main_frame.h"
#include "app/startup_time.h"
#include "app/termination_signals.h"
#include "build_config.h"

namespace vesmira {

CVesmiraApp::CVesmiraApp(int& argc, char** argv) : QApplication(argc, argv) {
  // Qt's own settings live under this key; the program stores nothing there.
  setOrganizationName(QStringLiteral("Halvorik"));
  setApplicationName(QStringLiteral("Vesmira"));
  setApplicationVersion(QString::fromUtf8(build::kVersion));
  // Lets the desktop match the window to its menu entry and show the program's icon.
  setDesktopFileName(QStringLiteral("org.example.vesmira"));
  QIcon icon;
  for (const int size : {16, 32, 48}) {
    icon.addFile(QStringLiteral(":/icons/vesmira-%1.png").arg(size), QSize(size, size));
  }
  setWindowIcon(icon);
  installEventFilter(&m_splashFilter);
  // A session that logs out or shuts down asks first: the day shown is saved then, as a
  // close saves it, whether or not the session then ends.
  connect(this, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) {
    if (m_mainFrame) m_mainFrame->View().SaveDay();
  });
}

// The window goes before the application object it needs.
CVesmiraApp::~CVesmiraApp() {
  m_terminationSignals.reset();
  m_mainFrame.reset();
}

bool CVesmiraApp::InitInstance(const std::filesystem::path& dataFolder) {
  // The command line is read for this one switch; a file named on it opens nothing.
  CSplashWindow::EnableSplash(SplashWantedFor(arguments()));
  m_mainFrame = std::make_unique<CMainFrame>(dataFolder, m_prompts, m_urlOpener);
  m_terminationSignals = std::make_unique<TerminationSignals>(m_mainFrame.get());
  m_mainFrame->show();
  ReportStartupTimeWhenShown(m_mainFrame.get());
  return true;
}

}  // namespace vesmira
