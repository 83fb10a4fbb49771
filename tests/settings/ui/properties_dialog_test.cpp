#include "settings/ui/properties_dialog.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <string>

#include "diary/energy_model.h"
#include "settings/properties_file.h"
#include "support/temp_folder.h"
#include "support/ui/scripted_prompts.h"
#include "support/ui/widgets.h"
#include "ui/access_keys.h"

namespace fs = std::filesystem;
using vesmira::CPropertiesDialog;
using vesmira::Prompts;
using vesmira::UserSettings;
using vesmira::testing::ReadBytes;
using vesmira::testing::ScriptedPrompts;
using vesmira::testing::WriteBytes;

namespace {

constexpr const char* kRateEditNames[] = {
    "cykelingKalEdit",  "lopningKalEdit",    "promenadKalEdit",    "styrketraningKalEdit",
    "roddKalEdit",      "simmningKalEdit",   "langdskidorKalEdit", "skridskorKalEdit",
    "bollsportKalEdit", "skidoruforKalEdit", "stadaKalEdit",       "trapporKalEdit"};
constexpr const char* kRateLabels[] = {"Cycling",   "Runing",  "Walking", "Bodybuilding",
                                       "Rowing",    "Swiming", "Skiing",  "Skate",
                                       "Ball game", "Slalom",  "Clean",   "Climb stairs"};
constexpr const char* kRateKeys[] = {
    "cykelingKal",    "lopningKal",   "promenadKal",  "styrketraningKal", "roddKal",  "simmningKal",
    "langdskidorKal", "skridskorKal", "bollsportKal", "skidoruforKal",    "stadaKal", "trapporKal"};

std::string Entry(const std::string& key, const std::string& value) {
  return key + "\r\n" + value + "\r\n\r\n";
}

// The whole saved file, built from its texts by hand.
std::string SavedFile(const std::string& normal, const std::string& target,
                      const std::array<std::string, 12>& rates, const std::string& flag) {
  std::string file = "***Installningar\r\n" + Entry("grundForbrukning", normal) +
                     Entry("mal", target) + "***Berakningsvarden\r\n";
  for (std::size_t i = 0; i < rates.size(); ++i) file += Entry(kRateKeys[i], rates[i]);
  return file + Entry("poundFlag", flag);
}

UserSettings SomeSettings() {
  UserSettings settings;
  settings.grundForbrukning = 2400;
  settings.mal = -75;
  for (std::size_t i = 0; i < settings.activityKal.size(); ++i) {
    settings.activityKal[i] = static_cast<std::int32_t>(100 + i);
  }
  settings.poundFlag = 1;
  return settings;
}

}  // namespace

class PropertiesDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void showsTheSettingsInMemory();
  void labelsAndAccessibleNames();
  void focusTabOrderAndDefaultButton();
  void weightUnitFromTheFlag_data();
  void weightUnitFromTheFlag();
  void saveWritesTheTextsAsTyped();
  void enterInABoxSaves();
  void cancelChangesNothing_data();
  void cancelChangesNothing();
  void lineBreaksCannotEnterABox();
  void saveThatCannotWriteStillTakesTheValues_data();
  void saveThatCannotWriteStillTakesTheValues();

 private:
  fs::path File() const { return m_data / "users" / "Anna.properties"; }
  static QLineEdit* Edit(CPropertiesDialog& dialog, const char* name) {
    return dialog.findChild<QLineEdit*>(QString::fromUtf8(name));
  }
  template <typename Widget>
  static Widget* Find(CPropertiesDialog& dialog, const char* name) {
    return dialog.findChild<Widget*>(QString::fromUtf8(name));
  }

  std::unique_ptr<QTemporaryDir> m_dir;
  fs::path m_data;
  ScriptedPrompts m_prompts;
};

void PropertiesDialogTest::init() {
  m_dir = std::make_unique<QTemporaryDir>();
  QVERIFY(m_dir->isValid());
  m_data = fs::path(m_dir->path().toStdString());
  fs::create_directory(m_data / "users");
  m_prompts.messages.clear();
}

void PropertiesDialogTest::cleanup() { m_dir.reset(); }

void PropertiesDialogTest::showsTheSettingsInMemory() {
  // The file says otherwise; the dialog shows what the form holds.
  WriteBytes(File(), SavedFile("1", "2", {}, "0"));
  UserSettings settings = SomeSettings();
  CPropertiesDialog dialog(settings, File(), m_prompts);
  QCOMPARE(dialog.windowTitle(), QStringLiteral("Properties"));
  QCOMPARE(Edit(dialog, "grundForbrukningEdit")->text(), QStringLiteral("2400"));
  QCOMPARE(Edit(dialog, "malEdit")->text(), QStringLiteral("-75"));
  for (std::size_t i = 0; i < 12; ++i) {
    QCOMPARE(Edit(dialog, kRateEditNames[i])->text(), QString::number(100 + i));
  }
  QVERIFY(Find<QRadioButton>(dialog, "kilogramsRadio")->isChecked());

  // A fresh record shows the record's own defaults, a rate of 1 among them.
  UserSettings fresh;
  CPropertiesDialog freshDialog(fresh, File(), m_prompts);
  QCOMPARE(Edit(freshDialog, "grundForbrukningEdit")->text(), QStringLiteral("18000"));
  QCOMPARE(Edit(freshDialog, "styrketraningKalEdit")->text(), QStringLiteral("1"));
}

void PropertiesDialogTest::labelsAndAccessibleNames() {
  UserSettings settings;
  CPropertiesDialog dialog(settings, File(), m_prompts);
  QMap<QLineEdit*, QString> labelOf;
  for (QLabel* label : dialog.findChildren<QLabel*>()) {
    if (auto* edit = qobject_cast<QLineEdit*>(label->buddy()))
      labelOf[edit] = vesmira::ShownWords(label->text());
  }
  QCOMPARE(labelOf.value(Edit(dialog, "grundForbrukningEdit")),
           QStringLiteral("Normal energy consumption"));
  QCOMPARE(labelOf.value(Edit(dialog, "malEdit")), QStringLiteral("Target kcal level"));
  auto* rates = Find<QGroupBox>(dialog, "ratesGroup");
  QCOMPARE(rates->title(), QStringLiteral("Energy consumeing by training [kcal/hour]"));
  for (std::size_t i = 0; i < 12; ++i) {
    QLineEdit* edit = Edit(dialog, kRateEditNames[i]);
    QCOMPARE(edit->parent(), rates);
    QCOMPARE(labelOf.value(edit), QString::fromUtf8(kRateLabels[i]));
    QCOMPARE(edit->accessibleName(), QString::fromUtf8(kRateLabels[i]));
  }
  QCOMPARE(Edit(dialog, "malEdit")->accessibleName(), QStringLiteral("Target kcal level"));
  QCOMPARE(Find<QGroupBox>(dialog, "weightUnitGroup")->title(), QStringLiteral("Weight unit"));
  QCOMPARE(vesmira::ShownWords(Find<QRadioButton>(dialog, "kilogramsRadio")->text()),
           QStringLiteral("Kilograms (kg)"));
  QCOMPARE(vesmira::ShownWords(Find<QRadioButton>(dialog, "poundsRadio")->text()),
           QStringLiteral("Pounds (lbs)"));
  QCOMPARE(vesmira::ShownWords(Find<QPushButton>(dialog, "saveButton")->text()),
           QStringLiteral("Save"));
  QCOMPARE(vesmira::ShownWords(Find<QPushButton>(dialog, "cancelButton")->text()),
           QStringLiteral("Cancel"));
}

void PropertiesDialogTest::focusTabOrderAndDefaultButton() {
  UserSettings settings;
  CPropertiesDialog dialog(settings, File(), m_prompts);
  auto* save = Find<QPushButton>(dialog, "saveButton");
  QVERIFY(save->isDefault());
  dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  QCOMPARE(QApplication::focusWidget(), save);

  QList<QWidget*> order;
  for (const char* name : kRateEditNames) order.append(Edit(dialog, name));
  order << Edit(dialog, "grundForbrukningEdit") << Edit(dialog, "malEdit")
        << Find<QPushButton>(dialog, "cancelButton") << save;
  for (QWidget* expected : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), expected);
  }
  QVERIFY(!(Find<QRadioButton>(dialog, "kilogramsRadio")->focusPolicy() & Qt::TabFocus));
  QVERIFY(!(Find<QRadioButton>(dialog, "poundsRadio")->focusPolicy() & Qt::TabFocus));
}

void PropertiesDialogTest::weightUnitFromTheFlag_data() {
  QTest::addColumn<int>("flag");
  QTest::addColumn<bool>("kilograms");
  QTest::addColumn<QString>("savedFlag");
  QTest::newRow("1 is kilograms") << 1 << true << QStringLiteral("1");
  QTest::newRow("0 is pounds") << 0 << false << QStringLiteral("0");
  QTest::newRow("5 is pounds too") << 5 << false << QStringLiteral("0");
  QTest::newRow("-1 is pounds too") << -1 << false << QStringLiteral("0");
}

void PropertiesDialogTest::weightUnitFromTheFlag() {
  QFETCH(int, flag);
  QFETCH(bool, kilograms);
  QFETCH(QString, savedFlag);
  UserSettings settings = SomeSettings();
  settings.poundFlag = flag;
  CPropertiesDialog dialog(settings, File(), m_prompts);
  QCOMPARE(Find<QRadioButton>(dialog, "kilogramsRadio")->isChecked(), kilograms);
  QCOMPARE(Find<QRadioButton>(dialog, "poundsRadio")->isChecked(), !kilograms);
  QTest::mouseClick(Find<QPushButton>(dialog, "saveButton"), Qt::LeftButton);
  QCOMPARE(settings.poundFlag, savedFlag.toInt());
  QVERIFY(ReadBytes(File()).ends_with(Entry("poundFlag", savedFlag.toStdString())));
}

void PropertiesDialogTest::saveWritesTheTextsAsTyped() {
  UserSettings settings = SomeSettings();
  settings.poundFlag = 0;
  CPropertiesDialog dialog(settings, File(), m_prompts);
  QSignalSpy accepted(&dialog, &QDialog::accepted);
  QLineEdit* normal = Edit(dialog, "grundForbrukningEdit");
  normal->selectAll();
  QTest::keyClicks(normal, QStringLiteral("2500 kcal"));
  Edit(dialog, "malEdit")->clear();
  Edit(dialog, "cykelingKalEdit")->setText(QStringLiteral("fast"));
  Edit(dialog, "lopningKalEdit")->setText(QStringLiteral("  42"));
  Edit(dialog, "trapporKalEdit")->setText(QStringLiteral("99999999999"));
  Edit(dialog, "stadaKalEdit")->setText(QStringLiteral("städa 5"));
  QTest::mouseClick(Find<QRadioButton>(dialog, "kilogramsRadio"), Qt::LeftButton);
  QTest::mouseClick(Find<QPushButton>(dialog, "saveButton"), Qt::LeftButton);

  QCOMPARE(accepted.count(), 1);
  QVERIFY(m_prompts.messages.isEmpty());
  const std::string file = ReadBytes(File());
  QCOMPARE(file, SavedFile("2500 kcal", "",
                           {"fast", "  42", "102", "103", "104", "105", "106", "107", "108", "109",
                            "st\xC3\xA4"
                            "da 5",
                            "99999999999"},
                           "1"));
  QCOMPARE(std::count(file.begin(), file.end(), '\n'), 47);

  UserSettings expected = SomeSettings();
  expected.grundForbrukning = 2500;
  expected.mal = 0;
  expected.activityKal[0] = 0;
  expected.activityKal[1] = 42;
  expected.activityKal[10] = 0;
  expected.activityKal[11] = 2147483647;
  expected.poundFlag = 1;
  QVERIFY(settings == expected);
  QCOMPARE(vesmira::WeightCaption(settings), std::string_view("Weight change (kg)"));
  // The file reads back as the numbers the settings took.
  QVERIFY(vesmira::ReadProperties(File()) == expected);
}

void PropertiesDialogTest::enterInABoxSaves() {
  UserSettings settings = SomeSettings();
  CPropertiesDialog dialog(settings, File(), m_prompts);
  QSignalSpy accepted(&dialog, &QDialog::accepted);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  QLineEdit* rowing = Edit(dialog, "roddKalEdit");
  rowing->setFocus();
  rowing->selectAll();
  QTest::keyClicks(rowing, QStringLiteral("700"));
  QTest::keyClick(rowing, Qt::Key_Return);
  QCOMPARE(accepted.count(), 1);
  QCOMPARE(settings.activityKal[4], 700);
  QVERIFY(ReadBytes(File()).find(Entry("roddKal", "700")) != std::string::npos);
}

void PropertiesDialogTest::cancelChangesNothing_data() {
  QTest::addColumn<bool>("escape");
  QTest::newRow("Cancel") << false;
  QTest::newRow("Escape") << true;
}

void PropertiesDialogTest::cancelChangesNothing() {
  QFETCH(bool, escape);
  const std::string before = SavedFile("1", "2", {}, "1");
  WriteBytes(File(), before);
  UserSettings settings = SomeSettings();
  CPropertiesDialog dialog(settings, File(), m_prompts);
  QSignalSpy rejected(&dialog, &QDialog::rejected);
  dialog.show();
  QVERIFY(QTest::qWaitForWindowActive(&dialog));
  Edit(dialog, "grundForbrukningEdit")->setText(QStringLiteral("3000"));
  QTest::mouseClick(Find<QRadioButton>(dialog, "poundsRadio"), Qt::LeftButton);
  if (escape) {
    QTest::keyClick(Edit(dialog, "grundForbrukningEdit"), Qt::Key_Escape);
  } else {
    QTest::mouseClick(Find<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
  }
  QCOMPARE(rejected.count(), 1);
  QVERIFY(settings == SomeSettings());
  QCOMPARE(ReadBytes(File()), before);
}

void PropertiesDialogTest::lineBreaksCannotEnterABox() {
  // A value is one line of the file; a pasted line break would write lines of its own.
  UserSettings settings = SomeSettings();
  CPropertiesDialog dialog(settings, File(), m_prompts);
  QLineEdit* target = Edit(dialog, "malEdit");
  target->insert(QStringLiteral("5\r\nmal\r\n1"));
  QCOMPARE(target->text(), QStringLiteral("-755mal1"));
  target->insert(QStringLiteral("0"));
  QCOMPARE(target->text(), QStringLiteral("-755mal10"));
}

void PropertiesDialogTest::saveThatCannotWriteStillTakesTheValues_data() {
  QTest::addColumn<bool>("usersFolderIsAFile");
  QTest::addColumn<QString>("message");
  QTest::newRow("folder in the file's place")
      << false << QStringLiteral("%1 is not a regular file.");
  QTest::newRow("users folder is a file") << true << QStringLiteral("%1 contains an invalid path.");
}

void PropertiesDialogTest::saveThatCannotWriteStillTakesTheValues() {
  QFETCH(bool, usersFolderIsAFile);
  QFETCH(QString, message);
  if (usersFolderIsAFile) {
    fs::remove(m_data / "users");
    WriteBytes(m_data / "users", "not a folder");
  } else {
    fs::create_directory(File());
  }
  UserSettings settings = SomeSettings();
  CPropertiesDialog dialog(settings, File(), m_prompts);
  QSignalSpy accepted(&dialog, &QDialog::accepted);
  Edit(dialog, "grundForbrukningEdit")->setText(QStringLiteral("2500 kcal"));
  QTest::mouseClick(Find<QRadioButton>(dialog, "poundsRadio"), Qt::LeftButton);
  QTest::mouseClick(Find<QPushButton>(dialog, "saveButton"), Qt::LeftButton);

  QCOMPARE(m_prompts.messages.size(), 1);
  QCOMPARE(m_prompts.messages[0].text, message.arg(QString::fromStdString(File().string())));
  QCOMPARE(m_prompts.messages[0].icon, Prompts::Icon::kStop);
  QCOMPARE(accepted.count(), 1);
  QCOMPARE(settings.grundForbrukning, 2500);
  QCOMPARE(settings.poundFlag, 0);
  if (usersFolderIsAFile) {
    QCOMPARE(ReadBytes(m_data / "users"), std::string("not a folder"));
  } else {
    QVERIFY(fs::is_directory(File()));
  }
}

QTEST_MAIN(PropertiesDialogTest)
#include "properties_dialog_test.moc"
