#include "app/vesmira_app.h"

#include "app/main_frame.h"
#include "build_config.h"

namespace vesmira {

CVesmiraApp::CVesmiraApp(int& argc, char** argv) : QApplication(argc, argv) {
  // Qt's own settings live under this key; the program stores nothing there.
  setOrganizationName(QStringLiteral("Halvorik"));
  setApplicationName(QStringLiteral("Vesmira"));
  setApplicationVersion(QString::fromUtf8(build::kVersion));
  installEventFilter(&m_splashFilter);
}

// The window goes before the application object it needs.
CVesmiraApp::~CVesmiraApp() { m_mainFrame.reset(); }

bool CVesmiraApp::InitInstance(const std::filesystem::path& dataFolder) {
  // The command line is read for this one switch; a file named on it opens nothing.
  CSplashWindow::EnableSplash(SplashWantedFor(arguments()));
  m_mainFrame = std::make_unique<CMainFrame>(dataFolder, m_prompts, m_urlOpener);
  m_mainFrame->show();
  return true;
}

}  // namespace vesmira
