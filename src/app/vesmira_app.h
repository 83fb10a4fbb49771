#pragma once

#include <QApplication>
#include <atomic>
#include <filesystem>
#include <memory>
#include <thread>

#include "app/splash_window.h"
#include "storage/write_access.h"
#include "ui/prompts.h"
#include "ui/url_opener.h"

namespace vesmira {

class CMainFrame;
class CSingleInstance;
class TerminationSignals;

// The application object: its name and maker (the framework's settings key), the real
// message boxes and browser, and the one main window. Every event of the program passes the
// splash picture's input filter first.
class CVesmiraApp : public QApplication {
  Q_OBJECT

 public:
  CVesmiraApp(int& argc, char** argv);
  ~CVesmiraApp() override;

  // Opens the main window on the diary below dataFolder, with the splash picture unless the
  // command line says "Embedding" or "Automation". Returns false when the program ends at
  // once, with StartExitStatus(): 0 when the diary is open in this computer's program
  // already, which was asked to come to the front; 1 when it cannot be opened (said why).
  bool InitInstance(const std::filesystem::path& dataFolder);
  int StartExitStatus() const { return m_startExitStatus; }

  CMainFrame* MainFrame() { return m_mainFrame.get(); }

 private:
  // Takes the diary's lock, or hands the start to the program that holds it.
  bool TakeDiary(const std::filesystem::path& dataFolder);
  // Removes what interrupted saves left in the users folder, a moment after the start.
  void SweepWhenShown(const std::filesystem::path& usersFolder);
  static constexpr int kSweepDelayMs = 1000;

  QtPrompts m_prompts;
  DesktopUrlOpener m_urlOpener;
  SplashInputFilter m_splashFilter;
  // Holds the diary's lock for as long as the window lives.
  std::unique_ptr<CSingleInstance> m_instance;
  int m_startExitStatus = 0;
  std::thread m_sweep;
  std::atomic_bool m_stopSweep = false;
  // Why the diary cannot be written, when it opens to be read.
  WriteProblem m_readOnly = WriteProblem::kNone;
  std::unique_ptr<CMainFrame> m_mainFrame;
  // SIGTERM, SIGINT and SIGHUP close the main window, which saves the day.
  std::unique_ptr<TerminationSignals> m_terminationSignals;
};

}  // namespace vesmira
