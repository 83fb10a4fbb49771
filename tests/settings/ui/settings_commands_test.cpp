#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <functional>
#include <memory>

#include "settings/properties_file.h"
#include "settings/ui/properties_dialog.h"
#include "settings/ui/users_dialog.h"
#include "settings/users_folder.h"
#include "support/ui/form_fixture.h"

using namespace vesmira;
using vesmira::testing::Click;
using vesmira::testing::FrameFixture;
using vesmira::testing::Meals;
using vesmira::testing::ReadBytes;
using vesmira::testing::WithNextModal;

namespace {

QStringList ComboTexts(const QComboBox* combo) {
  QStringList texts;
  for (int i = 0; i < combo->count(); ++i) texts.append(combo->itemText(i));
  return texts;
}

}  // namespace

class SettingsCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { m_form = std::make_unique<FrameFixture>(); }
  void cleanup() { m_form.reset(); }

  void propertiesSaveChangesTheFormAtOnce_data();
  void propertiesSaveChangesTheFormAtOnce();
  void propertiesCancelKeepsTheSettings();
  void propertiesWithAnEmptyUserListWritesNothing();
  void addedUserGetsUnitAndIsRemovedAgain();
  void dialogsHaveAFixedSize();

 private:
  QString Caption() const { return m_form->Find<QLabel>("weightCaptionLabel")->text(); }
  void OpenProperties(bool byButton, const std::function<void(CPropertiesDialog&)>& work) {
    const std::function<void()> open = [&] {
      if (byButton) {
        m_form->Click("propertiesButton");
      } else {
        m_form->Trigger("propertiesAction");
      }
    };
    QVERIFY(WithNextModal<CPropertiesDialog>(open, work));
  }
  void OpenUsers(const std::function<void(CUsersDialog&)>& work) {
    QVERIFY(WithNextModal<CUsersDialog>([&] { m_form->Trigger("usersAction"); }, work));
  }

  std::unique_ptr<FrameFixture> m_form;
};

void SettingsCommandsTest::propertiesSaveChangesTheFormAtOnce_data() {
  QTest::addColumn<bool>("byButton");
  QTest::newRow("Properties button") << true;
  QTest::newRow("File > Properties") << false;
}

void SettingsCommandsTest::propertiesSaveChangesTheFormAtOnce() {
  QFETCH(bool, byButton);
  m_form->folder.AddUser("Anna", 2200, 1800, false);
  m_form->folder.WriteDay("Anna", "06-12-2026", Meals({"500"}));
  m_form->Start();
  QCOMPARE(m_form->Text("targetEdit"), QStringLiteral("1800"));
  QCOMPARE(m_form->Text("kcalLeftEdit"), QStringLiteral("1300"));
  QCOMPARE(Caption(), QStringLiteral("Weight change (lbs)"));

  OpenProperties(byButton, [this](CPropertiesDialog& dialog) {
    QCOMPARE(dialog.parentWidget(), &m_form->Frame());
    auto* target = dialog.findChild<QLineEdit*>(QStringLiteral("malEdit"));
    QCOMPARE(target->text(), QStringLiteral("1800"));
    target->setText(QStringLiteral("2000 kcal"));
    Click(dialog, "kilogramsRadio");
    Click(dialog, "saveButton");
  });

  QCOMPARE(m_form->Text("targetEdit"), QStringLiteral("2000"));
  QCOMPARE(m_form->Text("kcalLeftEdit"), QStringLiteral("1500"));
  QCOMPARE(Caption(), QStringLiteral("Weight change (kg)"));
  QCOMPARE(m_form->View().Document().Settings().mal, 2000);
  const std::string file = ReadBytes(PropertiesFilePath(m_form->folder.Path(), "Anna"));
  QVERIFY(file.find("mal\r\n2000 kcal\r\n\r\n") != std::string::npos);
  QVERIFY(file.ends_with("poundFlag\r\n1\r\n\r\n"));
  QVERIFY(m_form->prompts.messages.isEmpty());
}

void SettingsCommandsTest::propertiesCancelKeepsTheSettings() {
  m_form->folder.AddUser("Anna", 2200, 1800, true);
  m_form->Start();
  const std::string before = ReadBytes(PropertiesFilePath(m_form->folder.Path(), "Anna"));
  OpenProperties(true, [](CPropertiesDialog& dialog) {
    auto* normal = dialog.findChild<QLineEdit*>(QStringLiteral("grundForbrukningEdit"));
    QCOMPARE(normal->text(), QStringLiteral("2200"));
    normal->setText(QStringLiteral("3000"));
    Click(dialog, "cancelButton");
  });

  QCOMPARE(m_form->Text("normalConsumptionEdit"), QStringLiteral("2200"));
  QCOMPARE(m_form->View().Document().Settings().grundForbrukning, 2200);
  QCOMPARE(ReadBytes(PropertiesFilePath(m_form->folder.Path(), "Anna")), before);
}

void SettingsCommandsTest::propertiesWithAnEmptyUserListWritesNothing() {
  m_form->Start();
  OpenProperties(false, [](CPropertiesDialog& dialog) {
    QCOMPARE(dialog.findChild<QLineEdit*>(QStringLiteral("grundForbrukningEdit"))->text(),
             QStringLiteral("18000"));
    Click(dialog, "saveButton");
  });
  // No file of the empty name, which no list would show or remove.
  QVERIFY(!std::filesystem::exists(m_form->folder.UsersPath() / ".properties"));
  QCOMPARE(ScanUserNames(m_form->folder.Path()), std::vector<std::string>{});
  QVERIFY(m_form->prompts.messages.isEmpty());

  // A file changed by another program while the dialog is open is not written over.
  m_form->folder.AddUser("Anna", 2500, 2100);
  m_form->View().LoadUserList();
  const std::filesystem::path anna = m_form->folder.UsersPath() / "Anna.properties";
  OpenProperties(true, [&](CPropertiesDialog& dialog) {
    m_form->folder.AddUser("Anna", 3000, 2100);
    Click(dialog, "saveButton");
  });
  QCOMPARE(m_form->prompts.messages.size(), 1);
  QVERIFY(m_form->prompts.messages[0].text.contains(QStringLiteral("changed by another program")));
  QCOMPARE(ReadProperties(anna)->grundForbrukning, 3000);
}

void SettingsCommandsTest::addedUserGetsUnitAndIsRemovedAgain() {
  m_form->folder.AddUser("Anna");
  m_form->Start();
  auto* combo = m_form->Find<QComboBox>("userCombo");
  QCOMPARE(ComboTexts(combo), QStringList{QStringLiteral("Anna")});

  OpenUsers([&](CUsersDialog& dialog) {
    QCOMPARE(dialog.parentWidget(), &m_form->Frame());
    dialog.findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(QStringLiteral("Bo"));
    Click(dialog, "addButton");
    // The form follows while the dialog is still open.
    QCOMPARE(ComboTexts(combo), (QStringList{QStringLiteral("Bo"), QStringLiteral("Anna")}));
  });
  QCOMPARE(combo->currentText(), QStringLiteral("Bo"));
  QCOMPARE(m_form->Frame().windowTitle(), QStringLiteral("Vesmira 6.0 - Bo"));
  // A new user's file has no flag, which reads as pounds.
  QCOMPARE(Caption(), QStringLiteral("Weight change (lbs)"));
  QCOMPARE(m_form->Text("targetEdit"), QStringLiteral("1800"));

  OpenProperties(true, [](CPropertiesDialog& dialog) {
    Click(dialog, "kilogramsRadio");
    Click(dialog, "saveButton");
  });
  QCOMPARE(Caption(), QStringLiteral("Weight change (kg)"));
  QVERIFY(ReadBytes(PropertiesFilePath(m_form->folder.Path(), "Bo"))
              .ends_with("poundFlag\r\n1\r\n\r\n"));

  m_form->prompts.nextAnswers = {Prompts::Answer::kYes};
  OpenUsers([&](CUsersDialog& dialog) {
    auto* list = dialog.findChild<QListWidget*>(QStringLiteral("usersList"));
    const QList<QListWidgetItem*> items = list->findItems(QStringLiteral("Bo"), Qt::MatchExactly);
    QCOMPARE(items.size(), 1);
    items.first()->setCheckState(Qt::Checked);
    Click(dialog, "removeButton");
    QCOMPARE(ComboTexts(combo), QStringList{QStringLiteral("Anna")});
  });
  QCOMPARE(m_form->Frame().windowTitle(), QStringLiteral("Vesmira 6.0 - Anna"));
  QVERIFY(!std::filesystem::exists(PropertiesFilePath(m_form->folder.Path(), "Bo")));
}

// Neither dialog has anything to show in more room, so neither may be maximised into it.
void SettingsCommandsTest::dialogsHaveAFixedSize() {
  m_form->folder.AddUser("Anna", 2200, 1800, true);
  m_form->Start();
  const auto fixed = [](QDialog& dialog) {
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
    QCOMPARE(dialog.size(), dialog.minimumSize());
  };
  OpenProperties(true, fixed);
  OpenUsers(fixed);
}

QTEST_MAIN(SettingsCommandsTest)
#include "settings_commands_test.moc"
