#include "app/main_frame.h"

#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <memory>

#include "app/about_dialog.h"
#include "app/product_links.h"
#include "app/tips_dialog.h"
#include "app/vesmira_app.h"
#include "settings/ui/properties_dialog.h"
#include "settings/ui/users_dialog.h"
#include "support/ui/form_fixture.h"
#include "support/ui/test_main.h"

using namespace vesmira;
using vesmira::testing::FrameFixture;
using vesmira::testing::ReadBytes;

namespace {

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
  void init() { m_form = std::make_unique<FrameFixture>(); }
  void cleanup() { m_form.reset(); }

  void titleIsUntitledWithoutUsers();
  void titleFollowsTheCurrentUser();
  void windowCannotBeResizedOrMaximised();
  void formScrollsOnAScreenTooSmallForIt();
  void menuHoldsEveryEntryAndNoDocumentCommands();
  void statusBarEntryHasNoEffect();
  void everyWayOfClosingSavesTheDay_data();
  void everyWayOfClosingSavesTheDay();
  void saveShortcutStoresTheDayShown();
  void menuKeysAreShownAndWork_data();
  void menuKeysAreShownAndWork();
  void settingsKeyIsTheMakersAndTheProgramsName();
  void windowsCarryTheProgramIcon();
  void breakfastHasTheKeyboardWhenTheWindowOpens();
  void breakfastHasTheKeyboardWhenTheFirstUserComes();
  void accessKeysAreUniqueInEveryWindow();

 private:
  QAction* Action(const char* name) const { return m_form->Find<QAction>(name); }

  std::unique_ptr<FrameFixture> m_form;
};

void MainFrameTest::titleIsUntitledWithoutUsers() {
  m_form->Start();
  QVERIFY(std::filesystem::is_directory(m_form->folder.UsersPath()));
  QCOMPARE(m_form->Frame().windowTitle(), QStringLiteral("Vesmira 6.0 - Untitled"));
  QCOMPARE(m_form->Frame().Document().Title(), QStringLiteral("Untitled"));
}

void MainFrameTest::titleFollowsTheCurrentUser() {
  m_form->folder.AddUser("Anna");
  m_form->folder.AddUser("Bo");
  m_form->folder.AddUser("Cia");
  m_form->Start();
  QCOMPARE(m_form->Frame().windowTitle(), QStringLiteral("Vesmira 6.0 - Cia"));
  QTest::keyClick(m_form->Find<QComboBox>("userCombo"), Qt::Key_Down);
  QVERIFY(m_form->Settle());
  QCOMPARE(m_form->Frame().windowTitle(), QStringLiteral("Vesmira 6.0 - Bo"));
  QCOMPARE(m_form->Frame().Document().Title(), QStringLiteral("Bo"));
}

void MainFrameTest::windowCannotBeResizedOrMaximised() {
  m_form->Start();
  QVERIFY(m_form->Show());
  QCOMPARE(m_form->Frame().minimumSize(), m_form->Frame().maximumSize());
  QCOMPARE(m_form->Frame().size(), m_form->Frame().minimumSize());
  QVERIFY(!(m_form->Frame().windowFlags() & Qt::WindowMaximizeButtonHint));
  QCOMPARE(m_form->Frame().View().size(), m_form->Frame().View().sizeHint());
  const QSize before = m_form->Frame().size();
  m_form->Frame().resize(before + QSize(200, 200));
  QCOMPARE(m_form->Frame().size(), before);
}

void MainFrameTest::formScrollsOnAScreenTooSmallForIt() {
  m_form->Start();
  QVERIFY(m_form->Show());
  QCoreApplication::processEvents();
  CMainFrame& frame = m_form->Frame();
  auto* area = m_form->Find<QScrollArea>("formScrollArea");
  const QSize form = frame.View().sizeHint();

  // Room to spare: the window is the form's size, without scroll bars.
  frame.FitToScreen(QRect(0, 0, 4000, 3000));
  QCOMPARE(frame.size(), frame.sizeHint());
  QTRY_COMPARE(area->viewport()->size(), form);

  // 1366 x 768 at 150 %: the window keeps within the screen and the form scrolls.
  const QRect small(0, 0, 910, 512);
  frame.FitToScreen(small);
  QTRY_VERIFY(frame.frameGeometry().width() <= small.width());
  QVERIFY(frame.frameGeometry().height() <= small.height());
  QCOMPARE(frame.minimumSize(), frame.maximumSize());
  QCOMPARE(frame.View().size(), form);
  QTRY_VERIFY(area->verticalScrollBar()->maximum() > 0);

  // The keyboard focus brings its field into sight.
  frame.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&frame));
  for (const char* name : {"saveCloseButton", "breakfastEdit", "normalConsumptionEdit"}) {
    auto* field = m_form->Find(name);
    field->setFocus();
    const QRect shown(field->mapTo(area->viewport(), QPoint(0, 0)), field->size());
    QVERIFY2(area->viewport()->rect().contains(shown), name);
  }
}

void MainFrameTest::menuHoldsEveryEntryAndNoDocumentCommands() {
  m_form->Start();
  const QList<QAction*> menus = m_form->Frame().menuBar()->actions();
  QCOMPARE(menus.size(), 3);
  QCOMPARE(menus[0]->text(), QStringLiteral("&File"));
  QCOMPARE(menus[1]->text(), QStringLiteral("&Tools"));
  QCOMPARE(menus[2]->text(), QStringLiteral("&Help"));
  QCOMPARE(MenuTexts(menus[0]->menu()),
           (QStringList{QStringLiteral("&Save Day"), QStringLiteral("&Properties"),
                        QStringLiteral("E&xit")}));
  QCOMPARE(MenuTexts(menus[1]->menu()),
           (QStringList{QStringLiteral("&Status Bar"), QStringLiteral("&Users"),
                        QStringLiteral("&Import..."), QStringLiteral("&Export")}));
  QCOMPARE(MenuTexts(m_form->Frame().findChild<QMenu*>(QStringLiteral("exportMenu"))),
           (QStringList{QStringLiteral("To &HTML"), QStringLiteral("To &Data Sheet"),
                        QStringLiteral("To &Weight Sheet")}));
  QCOMPARE(MenuTexts(menus[2]->menu()),
           (QStringList{QStringLiteral("&Help"), QStringLiteral("&About")}));
  for (const char* name : {"propertiesAction", "exitAction", "statusBarAction", "usersAction",
                           "exportHtmlAction", "exportSheetAction", "helpAction", "aboutAction"}) {
    QVERIFY2(Action(name), name);
    QVERIFY2(Action(name)->isVisible(), name);
  }
  QVERIFY(Action("exitAction")->isEnabled());
  QVERIFY(Action("statusBarAction")->isEnabled());
  for (QAction* action : m_form->Frame().findChildren<QAction*>()) {
    for (const QKeySequence& keys :
         {QKeySequence(QKeySequence::New), QKeySequence(QKeySequence::Open),
          QKeySequence(QKeySequence::Print)}) {
      QVERIFY2(action->shortcut() != keys, qPrintable(action->text()));
    }
  }
}

void MainFrameTest::statusBarEntryHasNoEffect() {
  m_form->folder.AddUser("Anna");
  m_form->Start();
  QVERIFY(m_form->Show());
  const QSize size = m_form->Frame().size();
  const QString title = m_form->Frame().windowTitle();
  Action("statusBarAction")->trigger();
  QVERIFY(!m_form->Frame().findChild<QStatusBar*>());
  QCOMPARE(m_form->Frame().size(), size);
  QCOMPARE(m_form->Frame().windowTitle(), title);
  QVERIFY(m_form->Frame().isVisible());
  QVERIFY(!std::filesystem::exists(m_form->folder.DayPath("Anna", "06-12-2026")));
}

void MainFrameTest::everyWayOfClosingSavesTheDay_data() {
  QTest::addColumn<QString>("way");
  QTest::newRow("File > Exit") << QStringLiteral("exit");
  QTest::newRow("the close box") << QStringLiteral("close");
  QTest::newRow("Save && Close") << QStringLiteral("saveClose");
}

void MainFrameTest::everyWayOfClosingSavesTheDay() {
  QFETCH(QString, way);
  m_form->folder.AddUser("Anna");
  m_form->Start();
  QVERIFY(m_form->Show());
  m_form->Type("breakfastEdit", QStringLiteral("730"));

  if (way == QStringLiteral("exit")) {
    Action("exitAction")->trigger();
  } else if (way == QStringLiteral("close")) {
    QVERIFY(m_form->Frame().close());
  } else {
    m_form->Click("saveCloseButton");
  }
  QVERIFY(!m_form->Frame().isVisible());
  const std::optional<DayEntries> stored =
      ReadDayFile(m_form->folder.DayPath("Anna", "06-12-2026"));
  QVERIFY(stored);
  QCOMPARE(stored->meals[0], std::string("730"));
  const std::string bytes = ReadBytes(m_form->folder.DayPath("Anna", "06-12-2026"));
  // Closing has saved: typing after it and destroying the window store nothing more.
  m_form->Field("breakfastEdit")->setText(QStringLiteral("1"));
  m_form->Stop();
  QCOMPARE(ReadBytes(m_form->folder.DayPath("Anna", "06-12-2026")), bytes);
  QVERIFY(m_form->prompts.messages.isEmpty());
}

void MainFrameTest::saveShortcutStoresTheDayShown() {
  m_form->folder.AddUser("Anna");
  m_form->Start();
  QAction* save = Action("saveDayAction");
  QVERIFY(save);
  QCOMPARE(save->shortcut(), QKeySequence(QKeySequence::Save));
  m_form->Type("dinnerEdit", QStringLiteral("880"));
  save->trigger();
  QVERIFY(m_form->Settle());
  const std::optional<DayEntries> stored =
      ReadDayFile(m_form->folder.DayPath("Anna", "06-12-2026"));
  QVERIFY(stored);
  QCOMPARE(stored->meals[4], std::string("880"));
}

void MainFrameTest::menuKeysAreShownAndWork_data() {
  QTest::addColumn<QString>("action");
  QTest::addColumn<QKeySequence>("keys");
  QTest::newRow("File > Save Day")
      << QStringLiteral("saveDayAction") << QKeySequence(Qt::CTRL | Qt::Key_S);
  QTest::newRow("File > Exit") << QStringLiteral("exitAction")
                               << QKeySequence(Qt::CTRL | Qt::Key_Q);
  QTest::newRow("Help > Help") << QStringLiteral("helpAction") << QKeySequence(Qt::Key_F1);
}

void MainFrameTest::menuKeysAreShownAndWork() {
  QFETCH(QString, action);
  QFETCH(QKeySequence, keys);
  m_form->Start();
  QVERIFY(m_form->Show());
  m_form->Frame().activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&m_form->Frame()));
  auto* entry = m_form->Frame().findChild<QAction*>(action);
  QVERIFY(entry);
  // In a menu, so the menu shows the keys beside the entry.
  QVERIFY(!entry->associatedObjects().isEmpty());
  QCOMPARE(entry->shortcut(), keys);
  QSignalSpy triggered(entry, &QAction::triggered);
  // The help page is missing in the test's folder: its message comes from the script.
  QTest::keySequence(m_form->Field("breakfastEdit"), keys);
  QCOMPARE(triggered.count(), 1);
}

void MainFrameTest::settingsKeyIsTheMakersAndTheProgramsName() {
  QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Halvorik"));
  QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Vesmira"));
}

void MainFrameTest::windowsCarryTheProgramIcon() {
  m_form->Start();
  const QIcon icon = m_form->Frame().windowIcon();
  QCOMPARE(icon.availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {48, 48}}));
  QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.example.vesmira"));
}

// Typing "7" right after the start goes to Breakfast; the pane around the form is no stop.
void MainFrameTest::breakfastHasTheKeyboardWhenTheWindowOpens() {
  m_form->folder.AddUser("Anna");
  m_form->Start();
  QVERIFY(m_form->Show());
  QTRY_COMPARE(QApplication::focusWidget(), m_form->Field("breakfastEdit"));
  QTest::keyClick(m_form->Field("breakfastEdit"), Qt::Key_7);
  QCOMPARE(m_form->Text("breakfastEdit"), QStringLiteral("7"));  // not "07"
  QCOMPARE(m_form->Find<QScrollArea>("formScrollArea")->focusPolicy(), Qt::NoFocus);
}

// And when a newcomer's diary gets its first user, whatever had it while the form was shut.
void MainFrameTest::breakfastHasTheKeyboardWhenTheFirstUserComes() {
  m_form->Start();
  QVERIFY(m_form->Show());
  QVERIFY(!m_form->Field("breakfastEdit")->isEnabled());
  m_form->folder.AddUser("Anna");
  m_form->View().LoadUserList();
  QTRY_COMPARE(QApplication::focusWidget(), m_form->Field("breakfastEdit"));
  QTest::keyClick(m_form->Field("breakfastEdit"), Qt::Key_7);
  QCOMPARE(m_form->Text("breakfastEdit"), QStringLiteral("7"));
}

void MainFrameTest::accessKeysAreUniqueInEveryWindow() {
  m_form->folder.AddUser("Anna");
  m_form->Start();
  UserSettings settings;
  const ProductLinks links = LinksOfThisBuild(QString());
  CUsersDialog users(m_form->folder.Path(), m_form->prompts, {});
  CPropertiesDialog properties(settings, m_form->folder.Path() / "users" / "Anna.properties",
                               m_form->prompts);
  CTipsDialog tips(links, m_form->opener);
  CAboutDialog about(links, m_form->opener);
  const std::pair<const char*, const QWidget*> windows[] = {
      {"main window", &m_form->Frame()},
      {"users", &users},
      {"properties", &properties},
      {"tips", &tips},
      {"about", &about},
  };
  for (const auto& [name, window] : windows) {
    const QStringList shared = testing::SharedAccessKeys(*window);
    QVERIFY2(shared.isEmpty(), qPrintable(QString::fromLatin1(name) + QStringLiteral(": ") +
                                          shared.join(QStringLiteral("; "))));
  }
}

// The application object itself names the settings key, so the test runs inside one.
VESMIRA_APP_TEST_MAIN(MainFrameTest)

#include "main_frame_test.moc"
