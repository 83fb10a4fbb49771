// The about box, the help page, the tip dialog and the splash picture reached the way a
// person reaches them: through the menu and the form of the real main window.
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/about_dialog.h"
#include "app/main_frame.h"
#include "app/product_links.h"
#include "app/splash_window.h"
#include "app/tips_dialog.h"
#include "app/vesmira_app.h"
#include "support/ui/form_fixture.h"
#include "support/ui/test_main.h"

using namespace vesmira;
using vesmira::testing::Click;
using vesmira::testing::FrameFixture;
using vesmira::testing::WithNextModal;
using vesmira::testing::WriteBytes;

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
  QAction* Action(const char* name) const { return m_form->Find<QAction>(name); }

  std::unique_ptr<FrameFixture> m_form;
};

void ShellCommandsTest::init() {
  CSplashWindow::EnableSplash(false);
  m_form = std::make_unique<FrameFixture>();
}

void ShellCommandsTest::cleanup() {
  m_form.reset();
  CSplashWindow::EnableSplash(false);
}

void ShellCommandsTest::helpWithoutPageInDataFolderShowsMessage() {
  m_form->Start();
  QAction* help = Action("helpAction");
  QVERIFY(help->isEnabled());
  help->trigger();
  QCOMPARE(m_form->prompts.messages.size(), 1);
  QCOMPARE(m_form->prompts.messages[0].text,
           QStringLiteral("File Not Found - help.html\nTry on line help."));
  QCOMPARE(m_form->prompts.messages[0].icon, Prompts::Icon::kWarning);
  QCOMPARE(m_form->prompts.messages[0].buttons, Prompts::Buttons::kOk);
  QVERIFY(m_form->opener.opened.isEmpty());
}

void ShellCommandsTest::helpOpensPageOfDataFolder() {
  WriteBytes(m_form->folder.Path() / "help.html", "<html><body>Help</body></html>");
  m_form->Start();
  Action("helpAction")->trigger();
  QVERIFY(m_form->prompts.messages.isEmpty());
  QCOMPARE(m_form->opener.opened, QList<QUrl>({QUrl::fromLocalFile(QFile::decodeName(
                                      (m_form->folder.Path() / "help.html").c_str()))}));
}

void ShellCommandsTest::homepageButtonShowsPictureAndOpensTipDialog() {
  m_form->Start();
  QVERIFY(m_form->Show());
  auto* homepage = m_form->Find<QToolButton>("homepageButton");
  QVERIFY(homepage->isEnabled());
  QVERIFY(!homepage->icon().isNull());

  QWidget* owner = nullptr;
  QVERIFY(WithNextModal<CTipsDialog>([&] { Click(homepage); },
                                     [&owner](CTipsDialog& dialog) {
                                       owner = dialog.parentWidget();
                                       Click(dialog, "linkButton");
                                       Click(dialog, "yesButton");
                                     }));
  QCOMPARE(owner, static_cast<QWidget*>(&m_form->Frame().View()));
  const ProductLinks links = LinksOfThisBuild(QFile::decodeName(m_form->folder.Path().c_str()));
  QCOMPARE(m_form->opener.opened, QList<QUrl>({links.homePage, links.tipPage}));
  QVERIFY(QApplication::activeModalWidget() == nullptr);
  // The dialog lived for its one run.
  QVERIFY(m_form->Frame().findChild<CTipsDialog*>() == nullptr);
}

void ShellCommandsTest::homepageTipDialogNoOpensNothing() {
  m_form->Start();
  QVERIFY(m_form->Show());
  QVERIFY(WithNextModal<CTipsDialog>(
      [&] { m_form->Click("homepageButton"); },
      [](CTipsDialog& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }));
  QVERIFY(m_form->opener.opened.isEmpty());
}

void ShellCommandsTest::aboutEntryShowsAboutBoxOverWindow() {
  m_form->Start();
  QVERIFY(m_form->Show());
  QAction* about = Action("aboutAction");
  QVERIFY(about->isEnabled());
  QWidget* owner = nullptr;
  QString title;
  bool stayedOpen = false;
  QVERIFY(WithNextModal<CAboutDialog>([&] { about->trigger(); },
                                      [&](CAboutDialog& dialog) {
                                        owner = dialog.parentWidget();
                                        title = dialog.windowTitle();
                                        Click(dialog, "homePageButton");
                                        stayedOpen = dialog.isVisible();
                                        QTest::keyClick(&dialog, Qt::Key_Return);
                                      }));
  QVERIFY(stayedOpen);
  QCOMPARE(owner, static_cast<QWidget*>(&m_form->Frame()));
  QCOMPARE(title, QStringLiteral("About Vesmira"));
  QCOMPARE(
      m_form->opener.opened,
      QList<QUrl>({LinksOfThisBuild(QFile::decodeName(m_form->folder.Path().c_str())).homePage}));
  QVERIFY(QApplication::activeModalWidget() == nullptr);
}

void ShellCommandsTest::splashAtStartUpClosedByFirstKeyThatTypesNothing() {
  // The start-up of the program itself: the command line of this test has no switch.
  auto* app = qobject_cast<CVesmiraApp*>(qApp);
  QVERIFY(app != nullptr);
  m_form->folder.AddUser("Anna");
  QVERIFY(app->InitInstance(m_form->folder.Path()));
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

VESMIRA_APP_TEST_MAIN(ShellCommandsTest)

#include "shell_commands_test.moc"
