#include "settings/ui/users_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <string>

#include "settings/properties_file.h"
#include "support/diary_folder.h"
#include "support/ui/scripted_prompts.h"

namespace fs = std::filesystem;
using vesmira::CUsersDialog;
using vesmira::Prompts;
using vesmira::testing::NewUserFileBytes;
using vesmira::testing::ReadBytes;
using vesmira::testing::ScriptedPrompts;
using vesmira::testing::WriteBytes;

namespace {

QStringList Names(std::initializer_list<const char*> names) {
  QStringList list;
  for (const char* name : names) list.append(QString::fromUtf8(name));
  return list;
}

QStringList ListTexts(const QListWidget* list) {
  QStringList texts;
  for (int row = 0; row < list->count(); ++row) texts.append(list->item(row)->text());
  return texts;
}

QStringList FolderEntries(const fs::path& folder) {
  QStringList names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    names.append(QString::fromStdString(entry.path().filename().string()));
  }
  names.sort();
  return names;
}

}  // namespace

class UsersDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void opensWithTheListFilledAtSecondPlace();
  void focusTabOrderAndDefaultButton();
  void addPlacesTheNewUserSecondAndWritesItsFiles();
  void addIntoAnEmptyList();
  void addThatIsRefused_data();
  void addThatIsRefused();
  void duplicateTestLooksAtTheFolder();
  void nameFromAnOlderInstallIsTheSameName();
  void addThatCannotWriteLeavesNoName_data();
  void addThatCannotWriteLeavesNoName();
  void enterClosesWithoutAdding_data();
  void enterClosesWithoutAdding();
  void enterInATypedNameAdds();
  void noToTheQuestionChangesNothing();
  void removeWithNothingTickedRebuildsTheFormList();
  void removeTwoTickedUsersKeepsDayRecords();
  void removedNameAddedAgainGetsItsDaysBack();
  void removeOfANameWhoseFileIsGone();
  void removeThatCannotDeleteStopsThere();

 private:
  fs::path Users() const { return m_data / "users"; }
  void AddUsers(std::initializer_list<const char*> names) {
    for (const char* name : names) WriteBytes(Users() / (std::string(name) + ".properties"), "x");
  }
  std::unique_ptr<CUsersDialog> OpenDialog() {
    return std::make_unique<CUsersDialog>(m_data, m_prompts, [this] { ++m_loadUserListCalls; });
  }
  static QListWidget* List(CUsersDialog& dialog) {
    return dialog.findChild<QListWidget*>(QStringLiteral("usersList"));
  }
  static QLineEdit* NameEdit(CUsersDialog& dialog) {
    return dialog.findChild<QLineEdit*>(QStringLiteral("nameEdit"));
  }
  static QPushButton* Button(CUsersDialog& dialog, const char* name) {
    return dialog.findChild<QPushButton*>(QString::fromUtf8(name));
  }
  static void Tick(CUsersDialog& dialog, const QString& text) {
    QListWidget* list = List(dialog);
    const QList<QListWidgetItem*> items = list->findItems(text, Qt::MatchExactly);
    QVERIFY(!items.isEmpty());
    items.first()->setCheckState(Qt::Checked);
  }
  void TypeAndAdd(CUsersDialog& dialog, const QString& name) {
    NameEdit(dialog)->setText(name);
    QTest::mouseClick(Button(dialog, "addButton"), Qt::LeftButton);
  }

  std::unique_ptr<QTemporaryDir> m_dir;
  fs::path m_data;
  ScriptedPrompts m_prompts;
  int m_loadUserListCalls = 0;
};

void UsersDialogTest::init() {
  m_dir = std::make_unique<QTemporaryDir>();
  QVERIFY(m_dir->isValid());
  m_data = fs::path(m_dir->path().toStdString());
  fs::create_directory(Users());
  m_prompts.messages.clear();
  m_prompts.nextAnswers.clear();
  m_loadUserListCalls = 0;
}

void UsersDialogTest::cleanup() { m_dir.reset(); }

void UsersDialogTest::opensWithTheListFilledAtSecondPlace() {
  AddUsers({"A", "B", "C", "D"});
  fs::create_directory(Users() / "E.properties");  // a folder is no user
  WriteBytes(Users() / "F.propertys", "x");        // nor is a legacy file, here
  auto dialog = OpenDialog();
  QCOMPARE(dialog->windowTitle(), QStringLiteral("Add/Remove User"));
  QListWidget* list = List(*dialog);
  QCOMPARE(ListTexts(list), Names({"A", "D", "C", "B"}));
  for (int row = 0; row < list->count(); ++row) {
    QVERIFY(list->item(row)->flags() & Qt::ItemIsUserCheckable);
    QCOMPARE(list->item(row)->checkState(), Qt::Unchecked);
  }
  QCOMPARE(m_loadUserListCalls, 0);
  QVERIFY(m_prompts.messages.isEmpty());
}

void UsersDialogTest::focusTabOrderAndDefaultButton() {
  auto dialog = OpenDialog();
  QPushButton* close = Button(*dialog, "closeButton");
  QPushButton* add = Button(*dialog, "addButton");
  QPushButton* remove = Button(*dialog, "removeButton");
  // The words stay those of the dialog; each has its access key.
  QCOMPARE(close->text(), QStringLiteral("&Close"));
  QCOMPARE(add->text(), QStringLiteral("&Add"));
  QCOMPARE(remove->text(), QStringLiteral("&Remove"));
  QCOMPARE(dialog->findChild<QLabel*>(QStringLiteral("nameLabel"))->buddy(), NameEdit(*dialog));
  QVERIFY(close->isDefault());
  QVERIFY(!add->autoDefault());
  QVERIFY(!remove->autoDefault());

  dialog->show();
  QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
  QCOMPARE(QApplication::focusWidget(), NameEdit(*dialog));
  const QList<QWidget*> order{add, List(*dialog), remove, close, NameEdit(*dialog)};
  for (QWidget* expected : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), expected);
  }
}

void UsersDialogTest::addPlacesTheNewUserSecondAndWritesItsFiles() {
  AddUsers({"A", "B", "C", "D"});
  auto dialog = OpenDialog();
  NameEdit(*dialog)->setFocus();
  QTest::keyClicks(NameEdit(*dialog), QStringLiteral("new"));
  QTest::mouseClick(Button(*dialog, "addButton"), Qt::LeftButton);

  QVERIFY(m_prompts.messages.isEmpty());
  QCOMPARE(ListTexts(List(*dialog)), Names({"A", "new", "D", "C", "B"}));
  QCOMPARE(ReadBytes(Users() / "new.properties"), NewUserFileBytes());
  QVERIFY(fs::is_directory(Users() / "new"));
  QCOMPARE(m_loadUserListCalls, 1);
  QCOMPARE(NameEdit(*dialog)->text(), QString());

  // Letter case tells names apart, a single blank is a name, and any script will do.
  for (const QString& name : {QStringLiteral("a"), QStringLiteral(" "), QStringLiteral("Åsa")}) {
    TypeAndAdd(*dialog, name);
  }
  QVERIFY(m_prompts.messages.isEmpty());
  QCOMPARE(ListTexts(List(*dialog)), Names({"A", "Åsa", " ", "a", "new", "D", "C", "B"}));
  QCOMPARE(ReadBytes(Users() / "Åsa.properties"), NewUserFileBytes());
  QCOMPARE(ReadBytes(Users() / " .properties"), NewUserFileBytes());
  QCOMPARE(m_loadUserListCalls, 4);
}

void UsersDialogTest::addIntoAnEmptyList() {
  auto dialog = OpenDialog();
  TypeAndAdd(*dialog, QStringLiteral("Bo"));
  TypeAndAdd(*dialog, QStringLiteral("Anna"));
  QCOMPARE(ListTexts(List(*dialog)), Names({"Bo", "Anna"}));
  QCOMPARE(m_loadUserListCalls, 2);
}

void UsersDialogTest::addThatIsRefused_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("message");
  const QString empty = QStringLiteral("Please write a name.");
  const QString unusable = QStringLiteral("Please write a name that can be used as a file name.");
  const QString exists = QStringLiteral("User already exists!");
  QTest::newRow("empty") << QString() << empty;
  QTest::newRow("same name") << QStringLiteral("Anna") << exists;
  QTest::newRow("parent folder") << QStringLiteral("..") << unusable;
  QTest::newRow("this folder") << QStringLiteral(".") << unusable;
  QTest::newRow("climbs out") << QStringLiteral("../x") << unusable;
  QTest::newRow("holds a slash") << QStringLiteral("a/b") << unusable;
  QTest::newRow("holds a backslash") << QStringLiteral("a\\b") << unusable;
  QTest::newRow("holds a tab") << QStringLiteral("a\tb") << unusable;
  QTest::newRow("holds a line break") << QStringLiteral("a\nb") << unusable;
  // Listed without it, such a user could never be opened or removed again.
  QTest::newRow("holds the file extension") << QStringLiteral("x.properties") << unusable;
}

void UsersDialogTest::addThatIsRefused() {
  QFETCH(QString, name);
  QFETCH(QString, message);
  AddUsers({"Anna"});
  const QStringList before = FolderEntries(Users());
  const QStringList dataBefore = FolderEntries(m_data);
  auto dialog = OpenDialog();
  TypeAndAdd(*dialog, name);

  QCOMPARE(m_prompts.messages.size(), 1);
  QCOMPARE(m_prompts.messages[0].text, message);
  QCOMPARE(m_prompts.messages[0].icon, Prompts::Icon::kExclamation);
  QCOMPARE(m_prompts.messages[0].buttons, Prompts::Buttons::kOk);
  QCOMPARE(ListTexts(List(*dialog)), Names({"Anna"}));
  QCOMPARE(FolderEntries(Users()), before);
  QCOMPARE(FolderEntries(m_data), dataBefore);
  QCOMPARE(ReadBytes(Users() / "Anna.properties"), std::string("x"));
  QCOMPARE(m_loadUserListCalls, 0);
}

void UsersDialogTest::duplicateTestLooksAtTheFolder() {
  AddUsers({"Anna"});
  auto dialog = OpenDialog();
  // Gone from the folder while still in the list: the name may be added again.
  fs::remove(Users() / "Anna.properties");
  TypeAndAdd(*dialog, QStringLiteral("Anna"));
  QVERIFY(m_prompts.messages.isEmpty());
  QCOMPARE(ListTexts(List(*dialog)), Names({"Anna", "Anna"}));
  // Added by someone else after the dialog opened: not in the list, but it exists.
  AddUsers({"Bo"});
  TypeAndAdd(*dialog, QStringLiteral("Bo"));
  QCOMPARE(m_prompts.messages.size(), 1);
  QCOMPARE(m_prompts.messages[0].text, QStringLiteral("User already exists!"));
  QCOMPARE(ReadBytes(Users() / "Bo.properties"), std::string("x"));
  QCOMPARE(ListTexts(List(*dialog)), Names({"Anna", "Anna"}));
  QCOMPARE(m_loadUserListCalls, 1);
}

void UsersDialogTest::nameFromAnOlderInstallIsTheSameName() {
  // An older install named its files in Windows-1252: "Björn" is listed as the person types it.
  AddUsers({"Bj\xf6rn"});
  auto dialog = OpenDialog();
  QCOMPARE(ListTexts(List(*dialog)), Names({"Björn"}));
  TypeAndAdd(*dialog, QStringLiteral("Björn"));
  QCOMPARE(m_prompts.messages.size(), 1);
  QCOMPARE(m_prompts.messages[0].text, QStringLiteral("User already exists!"));
  QVERIFY(!fs::exists(Users() / "Bj\xc3\xb6rn.properties"));
  QCOMPARE(ListTexts(List(*dialog)), Names({"Björn"}));
  QCOMPARE(m_loadUserListCalls, 0);
}

void UsersDialogTest::addThatCannotWriteLeavesNoName_data() {
  QTest::addColumn<int>("obstacle");
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("message");
  const QString invalidPath = QStringLiteral("%1 contains an invalid path.");
  QTest::newRow("users folder is a file") << 0 << QStringLiteral("Cia") << invalidPath;
  QTest::newRow("folder in the file's place")
      << 1 << QStringLiteral("Cia") << QStringLiteral("%1 is not a regular file.");
  QTest::newRow("name too long for a file") << 2 << QString(300, QLatin1Char('n')) << invalidPath;
}

void UsersDialogTest::addThatCannotWriteLeavesNoName() {
  QFETCH(int, obstacle);
  QFETCH(QString, name);
  QFETCH(QString, message);
  const fs::path file = Users() / (name.toStdString() + ".properties");
  if (obstacle == 0) {
    fs::remove(Users());
    WriteBytes(Users(), "not a folder");
  } else {
    AddUsers({"Anna"});
    if (obstacle == 1) fs::create_directory(file);
  }
  auto dialog = OpenDialog();
  const QStringList listBefore = ListTexts(List(*dialog));
  TypeAndAdd(*dialog, name);

  QCOMPARE(m_prompts.messages.size(), 1);
  QCOMPARE(m_prompts.messages[0].icon, Prompts::Icon::kStop);
  QCOMPARE(m_prompts.messages[0].text, message.arg(QString::fromStdString(file.string())));
  QCOMPARE(ListTexts(List(*dialog)), listBefore);
  QCOMPARE(m_loadUserListCalls, 0);
  if (obstacle == 1) {
    QVERIFY(fs::is_directory(file));
    QVERIFY(!fs::exists(Users() / name.toStdString()));
  }
}

void UsersDialogTest::enterClosesWithoutAdding_data() {
  QTest::addColumn<QString>("focused");
  QTest::newRow("in the empty name box") << QStringLiteral("nameEdit");
  QTest::newRow("on Add") << QStringLiteral("addButton");
  QTest::newRow("on Remove") << QStringLiteral("removeButton");
  QTest::newRow("in the list") << QStringLiteral("usersList");
}

void UsersDialogTest::enterClosesWithoutAdding() {
  QFETCH(QString, focused);
  AddUsers({"Anna"});
  auto dialog = OpenDialog();
  QSignalSpy accepted(dialog.get(), &QDialog::accepted);
  dialog->show();
  QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
  Tick(*dialog, QStringLiteral("Anna"));
  if (focused != QStringLiteral("nameEdit")) NameEdit(*dialog)->setText(QStringLiteral("Bo"));
  QWidget* target = dialog->findChild<QWidget*>(focused);
  target->setFocus();
  QCOMPARE(QApplication::focusWidget(), target);
  QTest::keyClick(target, Qt::Key_Return);

  QCOMPARE(accepted.count(), 1);
  QVERIFY(!dialog->isVisible());
  QVERIFY(!fs::exists(Users() / "Bo.properties"));
  QVERIFY(fs::exists(Users() / "Anna.properties"));
  QVERIFY(m_prompts.messages.isEmpty());
  QCOMPARE(m_loadUserListCalls, 0);
}

// What the welcome text says: type the name, press Enter; the dialog stays for the next.
void UsersDialogTest::enterInATypedNameAdds() {
  auto dialog = OpenDialog();
  dialog->show();
  QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
  QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Bo"));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QVERIFY(dialog->isVisible());
  QVERIFY(fs::exists(Users() / "Bo.properties"));
  QCOMPARE(NameEdit(*dialog)->text(), QString());
  QCOMPARE(m_loadUserListCalls, 1);
}

void UsersDialogTest::noToTheQuestionChangesNothing() {
  AddUsers({"Anna", "Bo"});
  auto dialog = OpenDialog();
  Tick(*dialog, QStringLiteral("Bo"));
  m_prompts.nextAnswers = {Prompts::Answer::kNo};
  QTest::mouseClick(Button(*dialog, "removeButton"), Qt::LeftButton);

  QCOMPARE(m_prompts.messages.size(), 1);
  QCOMPARE(m_prompts.messages[0].text, QStringLiteral("Do you want to remove the chosen names?"));
  QCOMPARE(m_prompts.messages[0].icon, Prompts::Icon::kQuestion);
  QCOMPARE(m_prompts.messages[0].buttons, Prompts::Buttons::kYesNo);
  QCOMPARE(ListTexts(List(*dialog)), Names({"Anna", "Bo"}));
  QCOMPARE(List(*dialog)->item(1)->checkState(), Qt::Checked);
  QVERIFY(fs::exists(Users() / "Bo.properties"));
  QCOMPARE(m_loadUserListCalls, 0);
}

void UsersDialogTest::removeWithNothingTickedRebuildsTheFormList() {
  AddUsers({"Anna"});
  auto dialog = OpenDialog();
  m_prompts.nextAnswers = {Prompts::Answer::kYes};
  QTest::mouseClick(Button(*dialog, "removeButton"), Qt::LeftButton);
  QCOMPARE(m_prompts.messages.size(), 1);
  QCOMPARE(m_loadUserListCalls, 1);
  QCOMPARE(ListTexts(List(*dialog)), Names({"Anna"}));
  QVERIFY(fs::exists(Users() / "Anna.properties"));
}

void UsersDialogTest::removeTwoTickedUsersKeepsDayRecords() {
  AddUsers({"Anna", "Bo", "Cia", "Dan"});
  for (const char* name : {"Anna", "Bo", "Cia", "Dan"}) fs::create_directory(Users() / name);
  WriteBytes(Users() / "Cia" / "Cia.01-02-2026", "frukost\r\n300\r\n\r\n");
  auto dialog = OpenDialog();
  QCOMPARE(ListTexts(List(*dialog)), Names({"Anna", "Dan", "Cia", "Bo"}));
  Tick(*dialog, QStringLiteral("Cia"));
  Tick(*dialog, QStringLiteral("Bo"));
  m_prompts.nextAnswers = {Prompts::Answer::kYes};
  QTest::mouseClick(Button(*dialog, "removeButton"), Qt::LeftButton);

  QCOMPARE(m_prompts.messages.size(), 1);
  QCOMPARE(ListTexts(List(*dialog)), Names({"Anna", "Dan"}));
  QCOMPARE(FolderEntries(Users()),
           Names({"Anna", "Anna.properties", "Cia", "Dan", "Dan.properties"}));
  QCOMPARE(FolderEntries(Users() / "Cia"), Names({"Cia.01-02-2026"}));
  QCOMPARE(m_loadUserListCalls, 1);
}

void UsersDialogTest::removedNameAddedAgainGetsItsDaysBack() {
  AddUsers({"Bo"});
  fs::create_directory(Users() / "Bo");
  WriteBytes(Users() / "Bo" / "Bo.01-02-2026", "frukost\r\n300\r\n\r\n");
  auto dialog = OpenDialog();
  Tick(*dialog, QStringLiteral("Bo"));
  m_prompts.nextAnswers = {Prompts::Answer::kYes};
  QTest::mouseClick(Button(*dialog, "removeButton"), Qt::LeftButton);
  QVERIFY(!fs::exists(Users() / "Bo.properties"));
  TypeAndAdd(*dialog, QStringLiteral("Bo"));

  QCOMPARE(ListTexts(List(*dialog)), Names({"Bo"}));
  QCOMPARE(ReadBytes(Users() / "Bo.properties"), NewUserFileBytes());
  QCOMPARE(ReadBytes(Users() / "Bo" / "Bo.01-02-2026"), std::string("frukost\r\n300\r\n\r\n"));
  QCOMPARE(m_loadUserListCalls, 2);
}

void UsersDialogTest::removeOfANameWhoseFileIsGone() {
  AddUsers({"Anna", "Bo"});
  fs::create_directory(Users() / "Bo");
  auto dialog = OpenDialog();
  fs::remove(Users() / "Bo.properties");
  Tick(*dialog, QStringLiteral("Bo"));
  m_prompts.nextAnswers = {Prompts::Answer::kYes};
  QTest::mouseClick(Button(*dialog, "removeButton"), Qt::LeftButton);

  QCOMPARE(m_prompts.messages.size(), 1);
  QCOMPARE(ListTexts(List(*dialog)), Names({"Anna"}));
  QVERIFY(fs::is_directory(Users() / "Bo"));  // no file, so nothing on disk is touched
  QCOMPARE(m_loadUserListCalls, 1);
}

void UsersDialogTest::removeThatCannotDeleteStopsThere() {
  AddUsers({"A", "B", "C", "D"});
  auto dialog = OpenDialog();  // A, D, C, B
  // A folder in the place of C's file cannot be deleted as a file, not even by root.
  fs::remove(Users() / "C.properties");
  fs::create_directory(Users() / "C.properties");
  for (const char* name : {"D", "C", "B"}) Tick(*dialog, QString::fromUtf8(name));
  m_prompts.nextAnswers = {Prompts::Answer::kYes};
  QTest::mouseClick(Button(*dialog, "removeButton"), Qt::LeftButton);

  QCOMPARE(m_prompts.messages.size(), 2);
  const QString path = QString::fromStdString((Users() / "C.properties").string());
  QCOMPARE(m_prompts.messages[1].text, QStringLiteral("Access to %1 was denied.").arg(path));
  QCOMPARE(m_prompts.messages[1].icon, Prompts::Icon::kStop);
  QCOMPARE(ListTexts(List(*dialog)), Names({"A", "C", "B"}));
  QCOMPARE(List(*dialog)->item(1)->checkState(), Qt::Checked);
  QCOMPARE(List(*dialog)->item(2)->checkState(), Qt::Checked);
  QVERIFY(!fs::exists(Users() / "D.properties"));
  QVERIFY(fs::exists(Users() / "B.properties"));
  QCOMPARE(m_loadUserListCalls, 0);
}

QTEST_MAIN(UsersDialogTest)
#include "users_dialog_test.moc"
