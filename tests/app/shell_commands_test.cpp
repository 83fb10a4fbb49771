// The about box, the help page, the tip dialog and the splash picture reached the way a
// person reaches them: through the menu and the form of the real main window.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "app/about_dialog.h"
#include "app/main_frame.h"
#include "app/splash_window.h"
#include "app/tips_dialog.h"
#include "app/vesmira_app.h"
#include "support/ui/diary_folder.h"
#include "support/ui/scripted_prompts.h"

using namespace vesmira;
using vesmira::testing::DiaryFolder;
using vesmira::testing::RecordingUrlOpener;
using vesmira::testing::ScriptedPrompts;
using vesmira::testing::WriteBytes;

namespace {

constexpr CalendarDate kSixthOfDecember{2026, 12, 6};
const QUrl kHomePage(QStringLiteral("https://vesmira.example.org/"));
const QUrl kTipPage(QStringLiteral("https://vesmira.example.org/software/vesmira/tip.html"));

// Runs answer on the modal dialog of type T as soon as it is shown; false when none came.
template <typename T>
void AnswerModal(bool& seen, std::function<void(T&)> answer) {
  QTimer::singleShot(0, [&seen, answer] {
    auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    seen = true;
    answer(*dialog);
  });
}

}  // namespace

class ShellCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void helpWithoutPageInDataFolderShowsMessage();
  void helpOpensPageOfDataFolder();
  void homepageButtonShowsPictureAndOpensTipDialog();
  void homepageTipDialogNoOpensNothing();
  void aboutEntryShowsAboutBoxOverWindow();
  void splashAtStartUpClosedByFirstKeyThatTypesNothing();

 private:
  void MakeFrame();
  QAction* Action(const char* name) const {
    return m_frame->findChild<QAction*>(QString::fromLatin1(name));
  }

  std::unique_ptr<DiaryFolder> m_folder;
  std::unique_ptr<ScriptedPrompts> m_prompts;
  std::unique_ptr<RecordingUrlOpener> m_opener;
  std::unique_ptr<CMainFrame> m_frame;
};

void ShellCommandsTest::init() {
  CSplashWindow::EnableSplash(false);
  m_folder = std::make_unique<DiaryFolder>();
  QVERIFY(m_folder->IsValid());
  m_prompts = std::make_unique<ScriptedPrompts>();
  m_opener = std::make_unique<RecordingUrlOpener>();
}

void ShellCommandsTest::cleanup() {
  m_frame.reset();
  m_folder.reset();
  CSplashWindow::EnableSplash(false);
}

void ShellCommandsTest::MakeFrame() {
  m_frame = std::make_unique<CMainFrame>(m_folder->Path(), *m_prompts, *m_opener,
                                         [] { return kSixthOfDecember; });
}

void ShellCommandsTest::helpWithoutPageInDataFolderShowsMessage() {
  MakeFrame();
  QAction* help = Action("helpAction");
  QVERIFY(help->isEnabled());
  help->trigger();
  QCOMPARE(m_prompts->messages.size(), 1);
  QCOMPARE(m_prompts->messages[0].text,
           QStringLiteral("File Not Found - help.html\nTry on line help."));
  QCOMPARE(m_prompts->messages[0].icon, Prompts::Icon::kWarning);
  QCOMPARE(m_prompts->messages[0].buttons, Prompts::Buttons::kOk);
  QVERIFY(m_opener->opened.isEmpty());
}

void ShellCommandsTest::helpOpensPageOfDataFolder() {
  WriteBytes(m_folder->Path() / "help.html", "<html><body>Help</body></html>");
  MakeFrame();
  Action("helpAction")->trigger();
  QVERIFY(m_prompts->messages.isEmpty());
  QCOMPARE(m_opener->opened, QList<QUrl>({QUrl::fromLocalFile(
                                 QFile::decodeName((m_folder->Path() / "help.html").c_str()))}));
}

void ShellCommandsTest::homepageButtonShowsPictureAndOpensTipDialog() {
  MakeFrame();
  m_frame->show();
  QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
  auto* homepage = m_frame->findChild<QToolButton*>(QStringLiteral("homepageButton"));
  QVERIFY(homepage->isEnabled());
  QVERIFY(!homepage->icon().isNull());

  bool seen = false;
  QWidget* owner = nullptr;
  AnswerModal<CTipsDialog>(seen, [&owner](CTipsDialog& dialog) {
    owner = dialog.parentWidget();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("linkButton")), Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("yesButton")), Qt::LeftButton);
  });
  QTest::mouseClick(homepage, Qt::LeftButton);
  QVERIFY(seen);
  QCOMPARE(owner, static_cast<QWidget*>(&m_frame->View()));
  QCOMPARE(m_opener->opened, QList<QUrl>({kHomePage, kTipPage}));
  QVERIFY(QApplication::activeModalWidget() == nullptr);
  // The dialog lived for its one run.
  QVERIFY(m_frame->findChild<CTipsDialog*>() == nullptr);
}

void ShellCommandsTest::homepageTipDialogNoOpensNothing() {
  MakeFrame();
  m_frame->show();
  QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
  bool seen = false;
  AnswerModal<CTipsDialog>(seen,
                           [](CTipsDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
  QTest::mouseClick(m_frame->findChild<QToolButton*>(QStringLiteral("homepageButton")),
                    Qt::LeftButton);
  QVERIFY(seen);
  QVERIFY(m_opener->opened.isEmpty());
}

void ShellCommandsTest::aboutEntryShowsAboutBoxOverWindow() {
  MakeFrame();
  m_frame->show();
  QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
  QAction* about = Action("aboutAction");
  QVERIFY(about->isEnabled());
  bool seen = false;
  QWidget* owner = nullptr;
  QString title;
  AnswerModal<CAboutDialog>(seen, [&owner, &title](CAboutDialog& dialog) {
    owner = dialog.parentWidget();
    title = dialog.windowTitle();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("homePageButton")),
                      Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QTest::keyClick(&dialog, Qt::Key_Return);
  });
  about->trigger();
  QVERIFY(seen);
  QCOMPARE(owner, static_cast<QWidget*>(m_frame.get()));
  QCOMPARE(title, QStringLiteral("About Vesmira"));
  QCOMPARE(m_opener->opened, QList<QUrl>({kHomePage}));
  QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void ShellCommandsTest::splashAtStartUpClosedByFirstKeyThatTypesNothing() {
  // The start-up of the program itself: the command line of this test has no switch.
  auto* app = qobject_cast<CVesmiraApp*>(qApp);
  QVERIFY(app != nullptr);
  QVERIFY(app->InitInstance(m_folder->Path()));
  CMainFrame* frame = app->MainFrame();
  QVERIFY(frame != nullptr);
  QPointer<CSplashWindow> splash = CSplashWindow::Current();
  QVERIFY(splash != nullptr);
  QCOMPARE(splash->parentWidget(), static_cast<QWidget*>(frame));
  QCOMPARE(splash->size(), QSize(520, 317));
  // Made before the main window was shown: the middle of the screen.
  const QRect screen = frame->screen()->availableGeometry();
  QVERIFY((splash->frameGeometry().center() - screen.center()).manhattanLength() <= 2);

  QVERIFY(QTest::qWaitForWindowExposed(frame));
  frame->activateWindow();
  QTRY_VERIFY(frame->isActiveWindow() || splash->isActiveWindow());
  auto* breakfast = frame->findChild<QLineEdit*>(QStringLiteral("breakfastEdit"));
  breakfast->setFocus();
  const QString before = breakfast->text();
  QTest::keyClick(frame->windowHandle(), Qt::Key_7);
  QVERIFY(CSplashWindow::Current() == nullptr);
  QCOMPARE(breakfast->text(), before);
  QTRY_VERIFY(splash == nullptr);
  QTRY_VERIFY(frame->isActiveWindow());
  breakfast->setFocus();
  breakfast->selectAll();
  QTest::keyClick(frame->windowHandle(), Qt::Key_7);
  QCOMPARE(breakfast->text(), QStringLiteral("7"));

  // Closed while its folder is still there: the day shown is stored in it.
  QVERIFY(frame->close());
}

int main(int argc, char* argv[]) {
  CVesmiraApp app(argc, argv);
  app.setAttribute(Qt::AA_Use96Dpi, true);
  ShellCommandsTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "shell_commands_test.moc"
