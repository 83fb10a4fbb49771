#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "app/main_frame.h"
#include "settings/ui/properties_dialog.h"
#include "settings/ui/users_dialog.h"
#include "settings/users_folder.h"
#include "support/ui/diary_folder.h"
#include "support/ui/scripted_prompts.h"

using namespace vesmira;
using vesmira::testing::DiaryFolder;
using vesmira::testing::Meals;
using vesmira::testing::ReadBytes;
using vesmira::testing::RecordingUrlOpener;
using vesmira::testing::ScriptedPrompts;

namespace {

constexpr CalendarDate kSixthOfDecember{2026, 12, 6};

QStringList ComboTexts(const QComboBox* combo) {
  QStringList texts;
  for (int i = 0; i < combo->count(); ++i) texts.append(combo->itemText(i));
  return texts;
}

// Runs work on the modal dialog of type Dialog once trigger has opened it, and makes sure the
// dialog ends even when work fails, so a failing test never blocks.
template <typename Dialog>
bool WithModalDialog(const std::function<void()>& trigger,
                     const std::function<void(Dialog&)>& work) {
  bool found = false;
  QTimer::singleShot(0, [&] {
    auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    found = true;
    work(*dialog);
    if (dialog->isVisible()) dialog->reject();
  });
  trigger();
  return found;
}

}  // namespace

class SettingsCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void propertiesSaveChangesTheFormAtOnce_data();
  void propertiesSaveChangesTheFormAtOnce();
  void propertiesCancelStillRecomputesTheBalance();
  void propertiesWithAnEmptyUserListWritesTheEmptyName();
  void addedUserGetsUnitAndIsRemovedAgain();

 private:
  void MakeFrame() {
    m_frame = std::make_unique<CMainFrame>(m_folder->Path(), *m_prompts, m_opener,
                                           [] { return kSixthOfDecember; });
  }
  template <typename Widget>
  Widget* Find(const char* name) const {
    return m_frame->findChild<Widget*>(QString::fromLatin1(name));
  }
  QString FieldText(const char* name) const { return Find<QLineEdit>(name)->text(); }
  void OpenProperties(bool byButton, const std::function<void(CPropertiesDialog&)>& work) {
    const std::function<void()> trigger = [&] {
      if (byButton) {
        QTest::mouseClick(Find<QPushButton>("propertiesButton"), Qt::LeftButton);
      } else {
        Find<QAction>("propertiesAction")->trigger();
      }
    };
    QVERIFY(WithModalDialog<CPropertiesDialog>(trigger, work));
  }
  void OpenUsers(const std::function<void(CUsersDialog&)>& work) {
    QVERIFY(WithModalDialog<CUsersDialog>([&] { Find<QAction>("usersAction")->trigger(); }, work));
  }

  std::unique_ptr<DiaryFolder> m_folder;
  std::unique_ptr<ScriptedPrompts> m_prompts;
  RecordingUrlOpener m_opener;
  std::unique_ptr<CMainFrame> m_frame;
};

void SettingsCommandsTest::init() {
  m_folder = std::make_unique<DiaryFolder>();
  QVERIFY(m_folder->IsValid());
  m_prompts = std::make_unique<ScriptedPrompts>();
}

void SettingsCommandsTest::cleanup() {
  m_frame.reset();
  m_folder.reset();
}

void SettingsCommandsTest::propertiesSaveChangesTheFormAtOnce_data() {
  QTest::addColumn<bool>("byButton");
  QTest::newRow("Properties button") << true;
  QTest::newRow("File > Properties") << false;
}

void SettingsCommandsTest::propertiesSaveChangesTheFormAtOnce() {
  QFETCH(bool, byButton);
  m_folder->AddUser("Anna", 2200, 1800, false);
  m_folder->WriteDay("Anna", "06-12-2026", Meals({"500"}));
  MakeFrame();
  QCOMPARE(FieldText("targetEdit"), QStringLiteral("1800"));
  QCOMPARE(FieldText("kcalLeftEdit"), QStringLiteral("1300"));
  QCOMPARE(Find<QLabel>("weightCaptionLabel")->text(), QStringLiteral("Weight change (lbs)"));

  OpenProperties(byButton, [this](CPropertiesDialog& dialog) {
    QCOMPARE(dialog.parentWidget(), m_frame.get());
    auto* target = dialog.findChild<QLineEdit*>(QStringLiteral("malEdit"));
    QCOMPARE(target->text(), QStringLiteral("1800"));
    target->setText(QStringLiteral("2000 kcal"));
    QTest::mouseClick(dialog.findChild<QRadioButton*>(QStringLiteral("kilogramsRadio")),
                      Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("saveButton")), Qt::LeftButton);
  });

  QCOMPARE(FieldText("targetEdit"), QStringLiteral("2000"));
  QCOMPARE(FieldText("kcalLeftEdit"), QStringLiteral("1500"));
  QCOMPARE(Find<QLabel>("weightCaptionLabel")->text(), QStringLiteral("Weight change (kg)"));
  QCOMPARE(m_frame->View().Settings().mal, 2000);
  const std::string file = ReadBytes(PropertiesFilePath(m_folder->Path(), "Anna"));
  QVERIFY(file.find("mal\r\n2000 kcal\r\n\r\n") != std::string::npos);
  QVERIFY(file.ends_with("poundFlag\r\n1\r\n\r\n"));
  QVERIFY(m_prompts->messages.isEmpty());
}

void SettingsCommandsTest::propertiesCancelStillRecomputesTheBalance() {
  m_folder->AddUser("Anna", 2200, 1800, true);
  MakeFrame();
  const std::string before = ReadBytes(PropertiesFilePath(m_folder->Path(), "Anna"));
  // Settings changed behind the form's back show only once the balance is recomputed.
  m_frame->View().Settings().grundForbrukning = 2100;
  QCOMPARE(FieldText("normalConsumptionEdit"), QStringLiteral("2200"));

  OpenProperties(true, [](CPropertiesDialog& dialog) {
    auto* normal = dialog.findChild<QLineEdit*>(QStringLiteral("grundForbrukningEdit"));
    QCOMPARE(normal->text(), QStringLiteral("2100"));
    normal->setText(QStringLiteral("3000"));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("cancelButton")),
                      Qt::LeftButton);
  });

  QCOMPARE(FieldText("normalConsumptionEdit"), QStringLiteral("2100"));
  QCOMPARE(m_frame->View().Settings().grundForbrukning, 2100);
  QCOMPARE(ReadBytes(PropertiesFilePath(m_folder->Path(), "Anna")), before);
}

void SettingsCommandsTest::propertiesWithAnEmptyUserListWritesTheEmptyName() {
  MakeFrame();
  OpenProperties(false, [](CPropertiesDialog& dialog) {
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("grundForbrukningEdit"))->text(),
             QStringLiteral("18000"));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("saveButton")), Qt::LeftButton);
  });
  QVERIFY(std::filesystem::is_regular_file(m_folder->UsersPath() / ".properties"));
  QCOMPARE(ScanUserNames(m_folder->Path()), std::vector<std::string>{""});
}

void SettingsCommandsTest::addedUserGetsUnitAndIsRemovedAgain() {
  m_folder->AddUser("Anna");
  MakeFrame();
  auto* combo = Find<QComboBox>("userCombo");
  QCOMPARE(ComboTexts(combo), QStringList{QStringLiteral("Anna")});

  OpenUsers([&](CUsersDialog& dialog) {
    QCOMPARE(dialog.parentWidget(), m_frame.get());
    dialog.findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(QStringLiteral("Bo"));
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("addButton")), Qt::LeftButton);
    // The form follows while the dialog is still open.
    QCOMPARE(ComboTexts(combo), (QStringList{QStringLiteral("Bo"), QStringLiteral("Anna")}));
  });
  QCOMPARE(combo->currentText(), QStringLiteral("Bo"));
  QCOMPARE(m_frame->windowTitle(), QStringLiteral("Vesmira 6.0 - Bo"));
  // A new user's file has no flag, which reads as pounds.
  QCOMPARE(Find<QLabel>("weightCaptionLabel")->text(), QStringLiteral("Weight change (lbs)"));
  QCOMPARE(FieldText("targetEdit"), QStringLiteral("1800"));

  OpenProperties(true, [](CPropertiesDialog& dialog) {
    QTest::mouseClick(dialog.findChild<QRadioButton*>(QStringLiteral("kilogramsRadio")),
                      Qt::LeftButton);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("saveButton")), Qt::LeftButton);
  });
  QCOMPARE(Find<QLabel>("weightCaptionLabel")->text(), QStringLiteral("Weight change (kg)"));
  QVERIFY(
      ReadBytes(PropertiesFilePath(m_folder->Path(), "Bo")).ends_with("poundFlag\r\n1\r\n\r\n"));

  m_prompts->nextAnswers = {Prompts::Answer::kYes};
  OpenUsers([&](CUsersDialog& dialog) {
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("usersList"));
    const QList<QListWidgetItem*> items = list->findItems(QStringLiteral("Bo"), Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    items.first()->setCheckState(Qt::Checked);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("removeButton")),
                      Qt::LeftButton);
    QCOMPARE(ComboTexts(combo), QStringList{QStringLiteral("Anna")});
  });
  QCOMPARE(m_frame->windowTitle(), QStringLiteral("Vesmira 6.0 - Anna"));
  QVERIFY(!std::filesystem::exists(PropertiesFilePath(m_folder->Path(), "Bo")));
}

QTEST_MAIN(SettingsCommandsTest)
#include "settings_commands_test.moc"
