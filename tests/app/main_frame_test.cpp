#include "app/main_frame.h"

#include <QAction>
#include <QIcon>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <memory>

#include "app/vesmira_app.h"
#include "support/ui/diary_folder.h"
#include "support/ui/scripted_prompts.h"

using namespace vesmira;
using vesmira::testing::DiaryFolder;
using vesmira::testing::ReadBytes;
using vesmira::testing::RecordingUrlOpener;
using vesmira::testing::ScriptedPrompts;

namespace {

constexpr CalendarDate kSixthOfDecember{2026, 12, 6};

QStringList MenuTexts(const QMenu* menu) {
  QStringList texts;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) texts.append(action->text());
  }
  return texts;
}

}  // namespace

class MainFrameTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void titleIsUntitledWithoutUsers();
  void titleFollowsTheCurrentUser();
  void windowCannotBeResizedOrMaximised();
  void menuHoldsEveryEntryAndNoDocumentCommands();
  void statusBarEntryHasNoEffect();
  void everyWayOfClosingSavesTheDay_data();
  void everyWayOfClosingSavesTheDay();
  void saveShortcutStoresTheDayShown();
  void settingsKeyIsTheMakersAndTheProgramsName();
  void windowsCarryTheProgramIcon();

 private:
  void MakeFrame();
  QAction* Action(const char* name) const {
    return m_frame->findChild<QAction*>(QString::fromLatin1(name));
  }
  QLineEdit* Field(const char* name) const {
    return m_frame->findChild<QLineEdit*>(QString::fromLatin1(name));
  }

  std::unique_ptr<DiaryFolder> m_folder;
  std::unique_ptr<ScriptedPrompts> m_prompts;
  RecordingUrlOpener m_opener;
  std::unique_ptr<CMainFrame> m_frame;
};

void MainFrameTest::init() {
  m_folder = std::make_unique<DiaryFolder>();
  QVERIFY(m_folder->IsValid());
  m_prompts = std::make_unique<ScriptedPrompts>();
}

void MainFrameTest::cleanup() {
  m_frame.reset();
  m_folder.reset();
}

void MainFrameTest::MakeFrame() {
  m_frame = std::make_unique<CMainFrame>(m_folder->Path(), *m_prompts, m_opener,
                                         [] { return kSixthOfDecember; });
}

void MainFrameTest::titleIsUntitledWithoutUsers() {
  MakeFrame();
  QVERIFY(std::filesystem::is_directory(m_folder->UsersPath()));
  QCOMPARE(m_frame->windowTitle(), QStringLiteral("Vesmira 6.0 - Untitled"));
  QCOMPARE(m_frame->Document().Title(), QStringLiteral("Untitled"));
}

void MainFrameTest::titleFollowsTheCurrentUser() {
  m_folder->AddUser("Anna");
  m_folder->AddUser("Bo");
  m_folder->AddUser("Cia");
  MakeFrame();
  QCOMPARE(m_frame->windowTitle(), QStringLiteral("Vesmira 6.0 - Cia"));
  auto* combo = m_frame->findChild<QComboBox*>(QStringLiteral("userCombo"));
  QTest::keyClick(combo, Qt::Key_Down);
  QCOMPARE(m_frame->windowTitle(), QStringLiteral("Vesmira 6.0 - Bo"));
  QCOMPARE(m_frame->Document().Title(), QStringLiteral("Bo"));
}

void MainFrameTest::windowCannotBeResizedOrMaximised() {
  MakeFrame();
  m_frame->show();
  QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
  QCOMPARE(m_frame->minimumSize(), m_frame->maximumSize());
  QCOMPARE(m_frame->size(), m_frame->minimumSize());
  QVERIFY(!(m_frame->windowFlags() & Qt::WindowMaximizeButtonHint));
  QCOMPARE(m_frame->View().size(), m_frame->View().sizeHint());
  const QSize before = m_frame->size();
  m_frame->resize(before + QSize(200, 200));
  QCOMPARE(m_frame->size(), before);
}

void MainFrameTest::menuHoldsEveryEntryAndNoDocumentCommands() {
  MakeFrame();
  const QList<QAction*> menus = m_frame->menuBar()->actions();
  QCOMPARE(menus.size(), 3);
  QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
  QCOMPARE(menus[1]->text(), QStringLiteral("&Tools"));
  QCOMPARE(menus[2]->text(), QStringLiteral("&Help"));
  QCOMPARE(MenuTexts(menus[0]->menu()),
           (QStringList{QStringLiteral("&Properties"), QStringLiteral("E&xit")}));
  QCOMPARE(MenuTexts(menus[1]->menu()),
           (QStringList{QStringLiteral("&Status Bar"), QStringLiteral("&Users"),
                        QStringLiteral("&Export")}));
  QCOMPARE(MenuTexts(m_frame->findChild<QMenu*>(QStringLiteral("exportMenu"))),
           (QStringList{QStringLiteral("To &HTML"), QStringLiteral("To &Data Sheet")}));
  QCOMPARE(MenuTexts(menus[2]->menu()),
           (QStringList{QStringLiteral("&Help"), QStringLiteral("&About")}));
  for (const char* name : {"propertiesAction", "exitAction", "statusBarAction", "usersAction",
                           "exportHtmlAction", "exportSheetAction", "helpAction", "aboutAction"}) {
    QVERIFY2(Action(name), name);
    QVERIFY2(Action(name)->isVisible(), name);
  }
  QVERIFY(Action("exitAction")->isEnabled());
  QVERIFY(Action("statusBarAction")->isEnabled());
  for (QAction* action : m_frame->findChildren<QAction*>()) {
    for (const QKeySequence& keys :
         {QKeySequence(QKeySequence::New), QKeySequence(QKeySequence::Open),
          QKeySequence(QKeySequence::Print)}) {
      QVERIFY2(action->shortcut() != keys, qPrintable(action->text()));
    }
  }
}

void MainFrameTest::statusBarEntryHasNoEffect() {
  m_folder->AddUser("Anna");
  MakeFrame();
  m_frame->show();
  QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
  const QSize size = m_frame->size();
  const QString title = m_frame->windowTitle();
  Action("statusBarAction")->trigger();
  QVERIFY(!m_frame->findChild<QStatusBar*>());
  QCOMPARE(m_frame->size(), size);
  QCOMPARE(m_frame->windowTitle(), title);
  QVERIFY(m_frame->isVisible());
  QVERIFY(!std::filesystem::exists(m_folder->DayPath("Anna", "06-12-2026")));
}

void MainFrameTest::everyWayOfClosingSavesTheDay_data() {
  QTest::addColumn<QString>("way");
  QTest::newRow("File > Exit") << QStringLiteral("exit");
  QTest::newRow("the close box") << QStringLiteral("close");
  QTest::newRow("Save && Close") << QStringLiteral("saveClose");
}

void MainFrameTest::everyWayOfClosingSavesTheDay() {
  QFETCH(QString, way);
  m_folder->AddUser("Anna");
  MakeFrame();
  m_frame->show();
  QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
  QLineEdit* breakfast = Field("breakfastEdit");
  breakfast->selectAll();
  QTest::keyClicks(breakfast, QStringLiteral("730"));

  if (way == QStringLiteral("exit")) {
    Action("exitAction")->trigger();
  } else if (way == QStringLiteral("close")) {
    QVERIFY(m_frame->close());
  } else {
    QTest::mouseClick(m_frame->findChild<QPushButton*>(QStringLiteral("saveCloseButton")),
                      Qt::LeftButton);
  }
  QVERIFY(!m_frame->isVisible());
  const std::optional<DayEntries> stored = ReadDayFile(m_folder->DayPath("Anna", "06-12-2026"));
  QVERIFY(stored);
  QCOMPARE(stored->meals[0], std::string("730"));
  const std::string bytes = ReadBytes(m_folder->DayPath("Anna", "06-12-2026"));
  // Closing has saved: typing after it and destroying the window store nothing more.
  breakfast->setText(QStringLiteral("1"));
  m_frame.reset();
  QCOMPARE(ReadBytes(m_folder->DayPath("Anna", "06-12-2026")), bytes);
  QVERIFY(m_prompts->messages.isEmpty());
}

void MainFrameTest::saveShortcutStoresTheDayShown() {
  m_folder->AddUser("Anna");
  MakeFrame();
  QAction* save = Action("saveDayAction");
  QVERIFY(save);
  QCOMPARE(save->shortcut(), QKeySequence(QKeySequence::Save));
  QLineEdit* dinner = Field("dinnerEdit");
  dinner->selectAll();
  QTest::keyClicks(dinner, QStringLiteral("880"));
  save->trigger();
  const std::optional<DayEntries> stored = ReadDayFile(m_folder->DayPath("Anna", "06-12-2026"));
  QVERIFY(stored);
  QCOMPARE(stored->meals[4], std::string("880"));
}

void MainFrameTest::settingsKeyIsTheMakersAndTheProgramsName() {
  QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Halvorik"));
  QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Vesmira"));
}

void MainFrameTest::windowsCarryTheProgramIcon() {
  MakeFrame();
  const QIcon icon = m_frame->windowIcon();
  QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
  QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.example.Vesmira"));
}

// The application object itself names the settings key, so the test runs inside one.
int main(int argc, char** argv) {
  CVesmiraApp app(argc, argv);
  MainFrameTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "main_frame_test.moc"
