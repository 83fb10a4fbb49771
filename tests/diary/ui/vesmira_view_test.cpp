#include "diary/ui/vesmira_view.h"

#include <sys/stat.h>

#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "diary/ui/day_question.h"
#include "periods/theoretical_result.h"
#include "settings/users_folder.h"
#include "storage/file_error.h"
#include "support/ui/form_fixture.h"

using namespace vesmira;
using vesmira::testing::Meals;
using vesmira::testing::ReadBytes;
using vesmira::testing::ViewFixture;
using vesmira::testing::WriteBytes;

namespace {

constexpr CalendarDate kSeventhOfDecember{2026, 12, 7};

QColor Background(const QLineEdit* field) { return field->palette().color(QPalette::Base); }
QColor ToQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

}  // namespace

class VesmiraViewTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { m_form = std::make_unique<ViewFixture>(); }
  void cleanup() { m_form.reset(); }

  void firstStartWithoutUsersFolder();
  void usersListedInReverseWithTheLastOneCurrent();
  void dateChangeStoresTheDayLeftAndShowsTheNext();
  void dateChangeShowsAStoredDay();
  void visitedDaysWithoutFilesAreStoredAsZero();
  void typedDateVisitsOnlyTheDayTyped();
  void userChangeStoresTheDayUnderThePreviousUser();
  void kcalLeftTurnsRedBelowZeroAndGreenAgain();
  void missingPropertiesFileKeepsThePreviousSettings();
  void userListRebuildKeepsWhatWasTyped();
  void noSaveBeforeTheFirstDayIsLoaded();
  void failingSaveIsReportedAndKeepsTheForm();
  void userListRebuildAfterAFailedSaveKeepsTheDay();
  void failingFinalSaveAsksBeforeClosing();
  void legacyRenameFailureLeavesTheListEmpty();
  void weightCaptionFollowsTheUnit_data();
  void weightCaptionFollowsTheUnit();
  void storedTextFromOlderInstallsIsKept();
  void pastedLineBreaksStayOutOfTheDayFile();
  void valueCutInsideALetterKeepsTheOtherLetters();
  void unreadableDayIsToldAndNeverReplaced_data();
  void unreadableDayIsToldAndNeverReplaced();
  void unreadablePropertiesAreNamedWithTheirCause();
  void removingTheUserShownLeavesNoFolder();
  void aReadOnlyDiaryShowsWhyAndStoresNothing();
  void aNoteTooLongToEditIsShownAndStoredAsItWas();
  void graphPeriodFollowsTheRadioPair();
  void theoreticalResultShowsAndClears();
  void dateFieldShowsEnglishShortMonth();
  void everyFieldHasItsAccessibleName();
  void tabOrderRunsRowsThenGroups();

 private:
  QLineEdit* Field(const char* name) const { return m_form->Field(name); }
  void Type(const char* field, const QString& text) { m_form->Type(field, text); }
  QString Note() const { return m_form->Find<QPlainTextEdit>("noteEdit")->toPlainText(); }
  void SelectUser(int index);
  // What the line over the form tells.
  QString Told() const { return m_form->Find<CDayQuestion>("dayQuestion")->Text(); }

  std::unique_ptr<ViewFixture> m_form;
};

// As the person does it: the arrow keys move the closed list, which counts as a choice.
void VesmiraViewTest::SelectUser(int index) {
  auto* combo = m_form->Find<QComboBox>("userCombo");
  // One key per step: a refused change puts the list back, and no key is pressed twice.
  const int steps = index - combo->currentIndex();
  for (int i = 0; i < steps; ++i) QTest::keyClick(combo, Qt::Key_Down);
  for (int i = 0; i < -steps; ++i) QTest::keyClick(combo, Qt::Key_Up);
  QVERIFY(m_form->Settle());
}

void VesmiraViewTest::firstStartWithoutUsersFolder() {
  m_form->Start();
  QVERIFY(std::filesystem::is_directory(m_form->folder.UsersPath()));
  // Health data: the folder is the person's alone, whatever the umask.
  QCOMPARE(std::filesystem::status(m_form->folder.UsersPath()).permissions(),
           std::filesystem::perms::owner_all);
  auto* combo = m_form->Find<QComboBox>("userCombo");
  QCOMPARE(combo->count(), 0);
  QVERIFY(m_form->View().Document().CurrentUserName().empty());
  QCOMPARE(Field("breakfastEdit")->text(), QString());
  QCOMPARE(Field("cyclingMinutesEdit")->text(), QString());
  QCOMPARE(m_form->View().Document().Settings(), UserSettings{});
  // Typing waits for a user, as it could not be kept.
  QVERIFY(!Field("cyclingMinutesEdit")->isEnabled());
  QVERIFY(m_form->prompts.messages.isEmpty());

  // With no user there is no day to keep: closing leaves the users folder empty.
  m_form->Stop();
  QVERIFY(std::filesystem::is_empty(m_form->folder.UsersPath()));
}

void VesmiraViewTest::usersListedInReverseWithTheLastOneCurrent() {
  m_form->folder.AddUser("Anna", 2200, 1800);
  m_form->folder.AddUser("Bo", 2300, 1900);
  m_form->folder.AddUser("Cia", 2400, 2000);
  m_form->Start();
  auto* combo = m_form->Find<QComboBox>("userCombo");
  QCOMPARE(combo->count(), 3);
  QCOMPARE(combo->itemText(0), QStringLiteral("Cia"));
  QCOMPARE(combo->itemText(1), QStringLiteral("Bo"));
  QCOMPARE(combo->itemText(2), QStringLiteral("Anna"));
  QCOMPARE(combo->currentText(), QStringLiteral("Cia"));
  QCOMPARE(m_form->View().Document().CurrentUserName(), std::string("Cia"));
  QCOMPARE(m_form->View().Document().Settings().mal, 2000);
  QCOMPARE(Field("targetEdit")->text(), QStringLiteral("2000"));
  QCOMPARE(Field("normalConsumptionEdit")->text(), QStringLiteral("2400"));
  QCOMPARE(Field("breakfastEdit")->text(), QStringLiteral("0"));
  QCOMPARE(Note(), QStringLiteral("Diet Diary Notes"));
}

void VesmiraViewTest::dateChangeStoresTheDayLeftAndShowsTheNext() {
  m_form->folder.AddUser("Anna");
  m_form->Start();
  Type("breakfastEdit", QStringLiteral("500"));
  Type("lunchEdit", QStringLiteral("700"));
  Type("cyclingMinutesEdit", QStringLiteral("45"));
  Type("otherKcalEdit", QStringLiteral("100"));
  m_form->Find<QPlainTextEdit>("noteEdit")
      ->setPlainText(QStringLiteral("Pasta day\nSmörgås på kvällen"));
  QCOMPARE(Field("cyclingKcalEdit")->text(), QStringLiteral("474"));
  QCOMPARE(Field("trainingEdit")->text(), QStringLiteral("574"));

  auto* date = m_form->Find<QDateEdit>("dateEdit");
  date->setDate(QDate(2026, 12, 7));
  QVERIFY(m_form->Settle());

  const std::string golden =
      ReadBytes(std::filesystem::path(VESMIRA_TEST_DATA) / "diary" / "Anna.06-12-2026");
  QVERIFY(!golden.empty());
  QCOMPARE(ReadBytes(m_form->folder.DayPath("Anna", "06-12-2026")), golden);
  QCOMPARE(DateText(m_form->View().Document().CurrentDate()), std::string("07-12-2026"));
  for (const char* name : {"breakfastEdit", "lunchEdit", "cyclingMinutesEdit", "otherKcalEdit"}) {
    QCOMPARE(Field(name)->text(), QStringLiteral("0"));
  }
  QCOMPARE(Field("trainingEdit")->text(), QStringLiteral("0"));
  QCOMPARE(Note(), QStringLiteral("Diet Diary Notes"));
  QVERIFY(!std::filesystem::exists(m_form->folder.DayPath("Anna", "07-12-2026")));
}

void VesmiraViewTest::dateChangeShowsAStoredDay() {
  m_form->folder.AddUser("Anna");
  DayEntries seventh = Meals({"250", "50"}, "Rest day\nslept well");
  seventh.minutes[2] = "30";
  m_form->folder.WriteDay("Anna", "07-12-2026", seventh);
  m_form->Start();
  // The up arrow steps the day section, where the cursor starts.
  auto* date = m_form->Find<QDateEdit>("dateEdit");
  QTest::keyClick(date, Qt::Key_Up);
  QVERIFY(m_form->Settle());
  QCOMPARE(date->date(), QDate(2026, 12, 7));
  QCOMPARE(Field("breakfastEdit")->text(), QStringLiteral("250"));
  QCOMPARE(Field("snackEdit")->text(), QStringLiteral("50"));
  QCOMPARE(Field("walkingMinutesEdit")->text(), QStringLiteral("30"));
  QCOMPARE(Field("walkingKcalEdit")->text(), QStringLiteral("196"));
  QCOMPARE(Field("energyInEdit")->text(), QStringLiteral("300"));
  QCOMPARE(Note(), QStringLiteral("Rest day\nslept well"));
}

void VesmiraViewTest::visitedDaysWithoutFilesAreStoredAsZero() {
  m_form->folder.AddUser("Anna");
  m_form->Start();
  auto* date = m_form->Find<QDateEdit>("dateEdit");
  date->setDate(QDate(2026, 12, 7));
  QVERIFY(m_form->Settle());
  date->setDate(QDate(2026, 12, 6));
  QVERIFY(m_form->Settle());
  for (const char* day : {"06-12-2026", "07-12-2026"}) {
    const std::optional<DayEntries> stored = ReadDayFile(m_form->folder.DayPath("Anna", day));
    QVERIFY2(stored, day);
    QCOMPARE(*stored, DayEntries::ForMissingDay());
  }
  QCOMPARE(DateText(m_form->View().Document().CurrentDate()), std::string("06-12-2026"));
}

void VesmiraViewTest::typedDateVisitsOnlyTheDayTyped() {
  m_form->folder.AddUser("Anna");
  m_form->Start();
  m_form->View().show();
  QVERIFY(QTest::qWaitForWindowExposed(&m_form->View()));
  auto* date = m_form->Find<QDateEdit>("dateEdit");
  date->setFocus();
  date->setSelectedSection(QDateTimeEdit::DaySection);
  QTest::keyClicks(date, QStringLiteral("15"));
  QCOMPARE(DateText(m_form->View().Document().CurrentDate()), std::string("06-12-2026"));
  QTest::keyClick(date, Qt::Key_Return);
  QVERIFY(m_form->Settle());
  QCOMPARE(date->date(), QDate(2026, 12, 15));
  QCOMPARE(DateText(m_form->View().Document().CurrentDate()), std::string("15-12-2026"));
  const std::vector<std::filesystem::path> stored{
      std::filesystem::directory_iterator(m_form->folder.UsersPath() / "Anna"), {}};
  QCOMPARE(stored.size(), std::size_t{1});
  QCOMPARE(stored[0].filename().string(), std::string("Anna.06-12-2026"));

  // A whole date typed over the selected text, in the orders people write; no date, no move.
  const std::pair<QString, QDate> typed[] = {
      {QStringLiteral("08-12-2026"), QDate(2026, 12, 8)},
      {QStringLiteral("9.12.2026"), QDate(2026, 12, 9)},
      {QStringLiteral("2026-11-30"), QDate(2026, 11, 30)},
      {QStringLiteral("1 Dec 2026"), QDate(2026, 12, 1)},
      {QStringLiteral("31-02-2026"), QDate(2026, 12, 1)},
  };
  for (const auto& [text, shown] : typed) {
    date->selectAll();
    QTest::keyClicks(date, text);
    QTest::keyClick(date, Qt::Key_Return);
    QVERIFY(m_form->Settle());
    QCOMPARE(date->date(), shown);
    QCOMPARE(date->text(),
             QLocale(QLocale::English).toString(shown, QStringLiteral("dd-MMM-yyyy")));
  }
}

void VesmiraViewTest::userChangeStoresTheDayUnderThePreviousUser() {
  m_form->folder.AddUser("Anna", 2200, 1800);
  m_form->folder.AddUser("Bo", 2500, 2100);
  m_form->folder.WriteDay("Anna", "06-12-2026", Meals({"111"}, "Anna's day"));
  m_form->Start();
  QCOMPARE(m_form->View().Document().CurrentUserName(), std::string("Bo"));
  const ResultColumn gain{"200", "0.028571", kWarningColour, "300"};
  m_form->View().ShowTheoreticalResult({gain, gain, gain, gain, {}, {}, {}});
  Type("breakfastEdit", QStringLiteral("300"));

  SelectUser(1);
  QCOMPARE(m_form->View().Document().CurrentUserName(), std::string("Anna"));
  const std::optional<DayEntries> bo = ReadDayFile(m_form->folder.DayPath("Bo", "06-12-2026"));
  QVERIFY(bo);
  QCOMPARE(bo->meals[0], std::string("300"));
  QVERIFY(!std::filesystem::exists(m_form->folder.UsersPath() / "Anna" / "Bo.06-12-2026"));
  QCOMPARE(Field("breakfastEdit")->text(), QStringLiteral("111"));
  QCOMPARE(Field("targetEdit")->text(), QStringLiteral("1800"));
  QCOMPARE(m_form->View().Document().Settings().grundForbrukning, 2200);
  for (const char* period : {"Day", "Week", "Month", "Year"}) {
    for (const char* row : {"kcalChange%1Edit", "weightChange%1Edit", "trainingKcal%1Edit"}) {
      const QString name = QString::fromLatin1(row).arg(QString::fromLatin1(period));
      QVERIFY2(Field(name.toLatin1().constData())->text().isEmpty(), qPrintable(name));
    }
    const QString weight = QStringLiteral("weightChange%1Edit").arg(QString::fromLatin1(period));
    QCOMPARE(Background(Field(weight.toLatin1().constData())), ToQColor(kWarningColour));
  }
}

void VesmiraViewTest::kcalLeftTurnsRedBelowZeroAndGreenAgain() {
  m_form->folder.AddUser("Anna", 2200, 1800);
  m_form->folder.WriteDay("Anna", "06-12-2026", Meals({"500", "200", "700", "100", "600", "0"}));
  m_form->folder.WriteDay("Anna", "07-12-2026", Meals({"1800"}));
  m_form->Start();
  QLineEdit* kcalLeft = Field("kcalLeftEdit");
  QCOMPARE(kcalLeft->text(), QStringLiteral("-300"));
  QCOMPARE(Background(kcalLeft), ToQColor(kWarningColour));

  m_form->Find<QDateEdit>("dateEdit")->setDate(QDate(2026, 12, 7));
  QVERIFY(m_form->Settle());
  QCOMPARE(kcalLeft->text(), QStringLiteral("0"));
  QCOMPARE(Background(kcalLeft), ToQColor(kGoodColour));

  Type("supperEdit", QStringLiteral("1"));
  QCOMPARE(kcalLeft->text(), QStringLiteral("-1"));
  QCOMPARE(Background(kcalLeft), ToQColor(kWarningColour));
}

void VesmiraViewTest::missingPropertiesFileKeepsThePreviousSettings() {
  m_form->folder.AddUser("Anna", 2200, 1800);
  m_form->folder.AddUser("Bo", 2500, 2100);
  m_form->folder.WriteDay("Anna", "06-12-2026", Meals({"640"}));
  m_form->Start();
  QSignalSpy titles(&m_form->View().Document(), &CVesmiraDoc::titleChanged);
  std::filesystem::remove(PropertiesFilePath(m_form->folder.Path(), "Anna"));

  SelectUser(1);
  QCOMPARE(m_form->prompts.messages.size(), 1);
  QCOMPARE(m_form->prompts.messages[0].text, QStringLiteral("Could not open properties file."));
  QCOMPARE(m_form->prompts.messages[0].icon, Prompts::Icon::kNone);
  QCOMPARE(m_form->prompts.messages[0].buttons, Prompts::Buttons::kOk);
  QCOMPARE(m_form->View().Document().Settings().mal, 2100);
  QCOMPARE(m_form->View().Document().Settings().grundForbrukning, 2500);
  QCOMPARE(m_form->View().Document().CurrentUserName(), std::string("Anna"));
  QCOMPARE(titles.size(), 1);
  QCOMPARE(titles[0][0].toString(), QStringLiteral("Anna"));
  // The day is still loaded, and computed with the settings kept.
  QCOMPARE(Field("breakfastEdit")->text(), QStringLiteral("640"));
  QCOMPARE(Field("kcalLeftEdit")->text(), QStringLiteral("1460"));
}

void VesmiraViewTest::userListRebuildKeepsWhatWasTyped() {
  m_form->folder.AddUser("Anna");
  m_form->Start();
  Type("breakfastEdit", QStringLiteral("420"));
  m_form->Find<QPlainTextEdit>("noteEdit")->setPlainText(QStringLiteral("before the new user"));
  m_form->folder.AddUser("Zed", 2000, 1500);

  m_form->View().LoadUserList();
  QVERIFY(m_form->Settle());
  const std::optional<DayEntries> anna = ReadDayFile(m_form->folder.DayPath("Anna", "06-12-2026"));
  QVERIFY(anna);
  QCOMPARE(anna->meals[0], std::string("420"));
  QCOMPARE(anna->diaryNote, std::string("before the new user"));
  auto* combo = m_form->Find<QComboBox>("userCombo");
  QCOMPARE(combo->count(), 2);
  QCOMPARE(combo->itemText(0), QStringLiteral("Zed"));
  QCOMPARE(m_form->View().Document().CurrentUserName(), std::string("Zed"));
  QCOMPARE(Field("breakfastEdit")->text(), QStringLiteral("0"));
  QCOMPARE(Field("targetEdit")->text(), QStringLiteral("1500"));
}

void VesmiraViewTest::noSaveBeforeTheFirstDayIsLoaded() {
  m_form->Start();
  Type("breakfastEdit", QStringLiteral("99"));
  m_form->folder.AddUser("Anna");
  m_form->View().LoadUserList();
  QVERIFY(m_form->Settle());
  QCOMPARE(m_form->View().Document().CurrentUserName(), std::string("Anna"));
  QVERIFY(!std::filesystem::exists(m_form->folder.UsersPath() / ".06-12-2026"));
  QVERIFY(!std::filesystem::exists(m_form->folder.DayPath("Anna", "06-12-2026")));
  QCOMPARE(Field("breakfastEdit")->text(), QStringLiteral("0"));
}

void VesmiraViewTest::failingSaveIsReportedAndKeepsTheForm() {
  m_form->folder.AddUser("Anna");
  m_form->folder.AddUser("Bo");
  // Bo's day folder is a plain file: no day of his can be stored.
  std::filesystem::remove_all(m_form->folder.UsersPath() / "Bo");
  WriteBytes(m_form->folder.UsersPath() / "Bo", "not a folder");
  m_form->Start();
  QCOMPARE(m_form->View().Document().CurrentUserName(), std::string("Bo"));
  Type("breakfastEdit", QStringLiteral("500"));

  auto* date = m_form->Find<QDateEdit>("dateEdit");
  date->setDate(QDate(2026, 12, 7));
  QVERIFY(m_form->Settle());
  // Told over the form, where it stays; no box takes the keys typed meanwhile.
  QVERIFY(m_form->prompts.messages.isEmpty());
  const QString dayPath =
      QString::fromStdString(m_form->folder.DayPath("Bo", "06-12-2026").string());
  QVERIFY2(Told().contains(dayPath), qPrintable(Told()));
  QCOMPARE(date->date(), QDate(2026, 12, 6));
  QCOMPARE(DateText(m_form->View().Document().CurrentDate()), std::string("06-12-2026"));
  QCOMPARE(Field("breakfastEdit")->text(), QStringLiteral("500"));

  SelectUser(1);
  QVERIFY2(Told().contains(dayPath), qPrintable(Told()));
  QCOMPARE(m_form->Find<QComboBox>("userCombo")->currentText(), QStringLiteral("Bo"));
  QCOMPARE(m_form->View().Document().CurrentUserName(), std::string("Bo"));
  QCOMPARE(Field("breakfastEdit")->text(), QStringLiteral("500"));

  QVERIFY(!m_form->StoreDay());
  QVERIFY(m_form->prompts.messages.isEmpty());
}

void VesmiraViewTest::userListRebuildAfterAFailedSaveKeepsTheDay() {
  m_form->folder.AddUser("Anna");
  m_form->folder.AddUser("Bo");
  std::filesystem::remove_all(m_form->folder.UsersPath() / "Bo");
  WriteBytes(m_form->folder.UsersPath() / "Bo", "not a folder");
  m_form->Start();
  Type("breakfastEdit", QStringLiteral("500"));
  m_form->folder.AddUser("Cia");

  m_form->View().LoadUserList();
  QVERIFY(m_form->Settle());
  QVERIFY(Told().contains(QStringLiteral("06-12-2026")));
  auto* combo = m_form->Find<QComboBox>("userCombo");
  QCOMPARE(combo->count(), 3);
  QCOMPARE(combo->currentText(), QStringLiteral("Bo"));
  QCOMPARE(m_form->View().Document().CurrentUserName(), std::string("Bo"));
  QCOMPARE(Field("breakfastEdit")->text(), QStringLiteral("500"));

  // Once the day can be stored, the next rebuild goes on to the first user as usual.
  std::filesystem::remove(m_form->folder.UsersPath() / "Bo");
  m_form->View().LoadUserList();
  QVERIFY(m_form->Settle());
  QVERIFY(m_form->prompts.messages.isEmpty());
  QCOMPARE(ReadDayFile(m_form->folder.DayPath("Bo", "06-12-2026"))->meals[0], std::string("500"));
  QCOMPARE(m_form->View().Document().CurrentUserName(), std::string("Cia"));
}

void VesmiraViewTest::failingFinalSaveAsksBeforeClosing() {
  m_form->folder.AddUser("Anna");
  std::filesystem::remove_all(m_form->folder.UsersPath() / "Anna");
  WriteBytes(m_form->folder.UsersPath() / "Anna", "not a folder");
  m_form->Start();
  m_form->View().show();
  Type("breakfastEdit", QStringLiteral("500"));

  m_form->prompts.nextAnswers = {Prompts::Answer::kNo};
  QVERIFY(!m_form->View().close());
  QVERIFY(m_form->View().isVisible());
  QCOMPARE(m_form->prompts.messages.size(), 1);
  QCOMPARE(m_form->prompts.messages[0].icon, Prompts::Icon::kStop);
  QCOMPARE(m_form->prompts.messages[0].buttons, Prompts::Buttons::kYesNo);
  QCOMPARE(Field("breakfastEdit")->text(), QStringLiteral("500"));

  m_form->prompts.nextAnswers = {Prompts::Answer::kYes};
  QVERIFY(m_form->View().close());
  QVERIFY(!m_form->View().isVisible());
  m_form->Stop();
  QCOMPARE(m_form->prompts.messages.size(), 2);
}

void VesmiraViewTest::legacyRenameFailureLeavesTheListEmpty() {
  m_form->folder.AddUser("Anna");
  m_form->folder.AddUser("Bo");
  WriteBytes(m_form->folder.UsersPath() / "Anna.propertys", "old settings");
  m_form->Start();
  QCOMPARE(m_form->prompts.messages.size(), 1);
  QCOMPARE(m_form->prompts.messages[0].icon, Prompts::Icon::kStop);
  const std::filesystem::path legacy = m_form->folder.UsersPath() / "Anna.propertys";
  QVERIFY2(m_form->prompts.messages[0].text.contains(QString::fromStdString(legacy.string())),
           qPrintable(m_form->prompts.messages[0].text));
  QCOMPARE(m_form->Find<QComboBox>("userCombo")->count(), 0);
  QVERIFY(m_form->View().Document().CurrentUserName().empty());
  QCOMPARE(m_form->View().Document().Settings(), UserSettings{});
  QCOMPARE(ReadBytes(m_form->folder.UsersPath() / "Anna.propertys"), std::string("old settings"));
}

void VesmiraViewTest::weightCaptionFollowsTheUnit_data() {
  QTest::addColumn<bool>("kilograms");
  QTest::addColumn<QString>("caption");
  QTest::newRow("kilograms") << true << QStringLiteral("Weight change (kg)");
  QTest::newRow("pounds") << false << QStringLiteral("Weight change (lbs)");
}

void VesmiraViewTest::weightCaptionFollowsTheUnit() {
  QFETCH(bool, kilograms);
  QFETCH(QString, caption);
  m_form->folder.AddUser("Anna", 2200, 1800, kilograms);
  m_form->Start();
  QCOMPARE(m_form->Find<QLabel>("weightCaptionLabel")->text(), caption);
}

void VesmiraViewTest::storedTextFromOlderInstallsIsKept() {
  m_form->folder.AddUser("Anna");
  // An older install wrote single-byte text: "Smörgås" in Windows-1252.
  m_form->folder.WriteDay("Anna", "06-12-2026", Meals({"12abc"}, "Sm\xf6rg\xe5s \x80"));
  m_form->Start();
  QCOMPARE(Note(), QStringLiteral("Smörgås €"));
  QCOMPARE(Field("breakfastEdit")->text(), QStringLiteral("12abc"));
  QCOMPARE(Field("energyInEdit")->text(), QStringLiteral("12"));
  QVERIFY(m_form->StoreDay());
  const std::optional<DayEntries> stored =
      ReadDayFile(m_form->folder.DayPath("Anna", "06-12-2026"));
  QVERIFY(stored);
  QCOMPARE(stored->diaryNote, std::string("Sm\xc3\xb6rg\xc3\xa5s \xe2\x82\xac"));
  QCOMPARE(stored->meals[0], std::string("12abc"));
}

void VesmiraViewTest::valueCutInsideALetterKeepsTheOtherLetters() {
  m_form->folder.AddUser("Anna");
  // A value reads back cut to 39 bytes: here between the two bytes of the "å" of "rågbröd".
  m_form->folder.WriteDay("Anna", "06-12-2026",
                          Meals({"450 smörgås med ost och skinka på rågbröd"}));
  m_form->Start();
  // The first byte of the cut letter is no letter of its own: nothing stray shows.
  QCOMPARE(Field("breakfastEdit")->text(), QStringLiteral("450 smörgås med ost och skinka på r"));
  QCOMPARE(Field("energyInEdit")->text(), QStringLiteral("450"));
  QVERIFY(m_form->StoreDay());
  const std::optional<DayEntries> stored =
      ReadDayFile(m_form->folder.DayPath("Anna", "06-12-2026"));
  QVERIFY(stored);
  QVERIFY(stored->meals[0].starts_with("450 smörgås med ost och skinka på r"));
}

void VesmiraViewTest::unreadableDayIsToldAndNeverReplaced_data() {
  QTest::addColumn<QByteArray>("bytes");  // empty: a FIFO
  QTest::addColumn<QString>("cause");
  QByteArray utf16("\xFF\xFE", 2);
  for (const char c : QByteArray("***Kal intag\r\nfrukost\r\n640\r\n\r\n")) utf16 += {c, '\0'};
  const QString notUnderstood =
      QStringLiteral("%1 holds nothing this program can read. It was left as it is.");
  QTest::newRow("saved as UTF-16") << utf16 << notUnderstood;
  QTest::newRow("binary garbage") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)
                                  << notUnderstood;
  QTest::newRow("FIFO") << QByteArray() << QStringLiteral("%1 is not a regular file.");
}

void VesmiraViewTest::unreadableDayIsToldAndNeverReplaced() {
  QFETCH(QByteArray, bytes);
  QFETCH(QString, cause);
  m_form->folder.AddUser("Anna");
  const std::filesystem::path day = m_form->folder.DayPath("Anna", "06-12-2026");
  if (bytes.isEmpty()) {
    QCOMPARE(::mkfifo(day.c_str(), 0600), 0);
  } else {
    WriteBytes(day, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  }
  m_form->Start();
  QCOMPARE(m_form->prompts.messages.size(), 1);
  QCOMPARE(m_form->prompts.messages[0].text, cause.arg(QString::fromStdString(day.string())));
  QCOMPARE(m_form->prompts.messages[0].icon, Prompts::Icon::kStop);
  // Shown empty and read-only: nothing can be typed that a save would put over the file.
  Type("breakfastEdit", QStringLiteral("500"));
  QCOMPARE(Field("breakfastEdit")->text(), QStringLiteral("0"));

  // Leaving the day, coming back and closing store nothing over it.
  m_form->ShowDate(kSeventhOfDecember);
  QCOMPARE(m_form->prompts.messages.size(), 1);
  Type("breakfastEdit", QStringLiteral("300"));
  m_form->ShowDate(vesmira::testing::kSixthOfDecember);
  QCOMPARE(m_form->prompts.messages.size(), 2);
  m_form->Stop();
  if (bytes.isEmpty()) {
    QVERIFY(std::filesystem::is_fifo(day));
  } else {
    QCOMPARE(QByteArray::fromStdString(ReadBytes(day)), bytes);
  }
  QCOMPARE(ReadDayFile(m_form->folder.DayPath("Anna", "07-12-2026"))->meals[0], std::string("300"));
}

void VesmiraViewTest::unreadablePropertiesAreNamedWithTheirCause() {
  m_form->folder.AddUser("Anna", 2500, 2100);
  const std::filesystem::path properties = PropertiesFilePath(m_form->folder.Path(), "Anna");
  WriteBytes(properties, "[Settings]\nmode=1\n");
  m_form->Start();
  QCOMPARE(m_form->prompts.messages.size(), 1);
  QCOMPARE(m_form->prompts.messages[0].text,
           QString::fromStdString(properties.string()) +
               QStringLiteral(" holds nothing this program can read. It was left as it is."));
  // The settings stay those the form had: here the defaults, not zeros.
  QCOMPARE(m_form->View().Document().Settings(), UserSettings{});
}

void VesmiraViewTest::aReadOnlyDiaryShowsWhyAndStoresNothing() {
  m_form->folder.AddUser("Anna");
  m_form->Start();
  m_form->View().ShowReadOnlyDiary(QStringLiteral("Only shown."));
  const auto* why = m_form->Find<QLabel>("readOnlyLabel");
  QVERIFY(why->isVisibleTo(why->window()));
  QCOMPARE(why->text(), QStringLiteral("Only shown."));
  Type("breakfastEdit", QStringLiteral("9"));
  QCOMPARE(Field("breakfastEdit")->text(), QStringLiteral("0"));
  m_form->ShowDate({2026, 12, 7});
  QVERIFY(Field("breakfastEdit")->isReadOnly());
  QVERIFY(m_form->StoreDay());
  QVERIFY(!std::filesystem::exists(m_form->folder.DayPath("Anna", "06-12-2026")));
  QVERIFY(!std::filesystem::exists(m_form->folder.DayPath("Anna", "07-12-2026")));
}

void VesmiraViewTest::aNoteTooLongToEditIsShownAndStoredAsItWas() {
  m_form->folder.AddUser("Anna");
  DayEntries day = DayEntries::ForMissingDay();
  day.diaryNote = std::string(1 << 20, 'x');
  m_form->folder.WriteDay("Anna", "06-12-2026", day);
  m_form->Start();
  QVERIFY(m_form->Find<QPlainTextEdit>("noteEdit")->isReadOnly());
  QVERIFY(Note().size() < 300 * 1024);
  Type("breakfastEdit", QStringLiteral("5"));
  QVERIFY(m_form->StoreDay());
  QCOMPARE(m_form->View().CurrentEntries().diaryNote.size(), std::size_t{1} << 20);
  QVERIFY(ReadBytes(m_form->folder.DayPath("Anna", "06-12-2026")).find(day.diaryNote) !=
          std::string::npos);
  m_form->ShowDate({2026, 12, 7});
  QVERIFY(!m_form->Find<QPlainTextEdit>("noteEdit")->isReadOnly());
}

void VesmiraViewTest::removingTheUserShownLeavesNoFolder() {
  m_form->folder.AddUser("Bo");
  m_form->folder.AddUser("Cia");
  m_form->Start();
  QCOMPARE(m_form->View().Document().CurrentUserName(), std::string("Cia"));
  // Typing not stored yet is not stored for a user removed: that would make its folder again.
  Type("breakfastEdit", QStringLiteral("5"));
  // Removed as the users dialog does: the empty folder and the file, then the list rebuilt.
  QCOMPARE(RemoveUser(m_form->folder.Path(), "Cia"), std::nullopt);
  m_form->View().LoadUserList();
  QVERIFY(m_form->Settle());
  QCOMPARE(m_form->View().Document().CurrentUserName(), std::string("Bo"));
  QVERIFY(!std::filesystem::exists(m_form->folder.UsersPath() / "Cia"));
  QVERIFY(m_form->prompts.messages.isEmpty());

  // The only user removed: nothing is stored at the end either, and no user is named.
  QCOMPARE(RemoveUser(m_form->folder.Path(), "Bo"), std::nullopt);
  m_form->View().LoadUserList();
  QVERIFY(m_form->Settle());
  QCOMPARE(m_form->View().Document().CurrentUserName(), std::string());
  QVERIFY(m_form->View().FinalSave());
  m_form->Stop();
  QVERIFY(!std::filesystem::exists(m_form->folder.UsersPath() / "Bo"));
}

void VesmiraViewTest::pastedLineBreaksStayOutOfTheDayFile() {
  m_form->folder.AddUser("Anna");
  m_form->Start();
  // Each value is one line of the day file: a pasted line break would add lines of its own,
  // here a line that the reader would take for the lunch key.
  for (const char* field : {"breakfastEdit", "cyclingMinutesEdit", "otherKcalEdit"}) {
    QGuiApplication::clipboard()->setText(QStringLiteral("500\nlunch\r\n900"));
    Field(field)->selectAll();
    Field(field)->paste();
    QCOMPARE(Field(field)->text(), QStringLiteral("500lunch900"));
  }
  QGuiApplication::clipboard()->setText(QStringLiteral("500 kcal"));
  Field("breakfastEdit")->selectAll();
  Field("breakfastEdit")->paste();
  QCOMPARE(Field("breakfastEdit")->text(), QStringLiteral("500 kcal"));

  QVERIFY(m_form->StoreDay());
  const std::optional<DayEntries> stored =
      ReadDayFile(m_form->folder.DayPath("Anna", "06-12-2026"));
  QVERIFY(stored);
  QCOMPARE(stored->meals[0], std::string("500 kcal"));
  QCOMPARE(stored->meals[2], std::string("0"));
}

void VesmiraViewTest::graphPeriodFollowsTheRadioPair() {
  m_form->Start();
  auto* monthly = m_form->Find<QRadioButton>("monthlyRadio");
  auto* yearly = m_form->Find<QRadioButton>("yearlyRadio");
  QVERIFY(monthly->isChecked());
  QCOMPARE(m_form->View().Document().GraphSpan(), kMonthSpan);
  QTest::mouseClick(yearly, Qt::LeftButton);
  QCOMPARE(m_form->View().Document().GraphSpan(), kYearSpan);
  QTest::mouseClick(monthly, Qt::LeftButton);
  QCOMPARE(m_form->View().Document().GraphSpan(), kMonthSpan);
  // A form no window serves keeps its command buttons disabled, a listener or not.
  QSignalSpy listener(&m_form->View(), &CVesmiraView::calculateRequested);
  QVERIFY(!m_form->Find<QPushButton>("calculateButton")->isEnabled());
  m_form->View().EnableServedButtons();
  QVERIFY(m_form->Find<QPushButton>("calculateButton")->isEnabled());
}

void VesmiraViewTest::theoreticalResultShowsAndClears() {
  m_form->Start();
  for (const char* period : {"Day", "Week", "Month", "Year"}) {
    const QString name = QStringLiteral("weightChange%1Edit").arg(QString::fromLatin1(period));
    QCOMPARE(Background(Field(name.toLatin1().constData())), ToQColor(kGoodColour));
  }
  TheoreticalResult result;
  result.week = {"-700", "-0.100000", kGoodColour, "1200"};
  result.year = {"7000", "1.000000", kWarningColour, "50"};
  m_form->View().ShowTheoreticalResult(result);
  QCOMPARE(Field("kcalChangeWeekEdit")->text(), QStringLiteral("-700"));
  QCOMPARE(Field("weightChangeWeekEdit")->text(), QStringLiteral("-0.100000"));
  QCOMPARE(Field("trainingKcalWeekEdit")->text(), QStringLiteral("1200"));
  QCOMPARE(Background(Field("weightChangeYearEdit")), ToQColor(kWarningColour));
  QVERIFY(Field("kcalChangeDayEdit")->text().isEmpty());
  // The Year weight alone takes typing; the other results only show.
  QVERIFY(!Field("weightChangeYearEdit")->isReadOnly());
  QVERIFY(Field("weightChangeDayEdit")->isReadOnly());
  for (const char* result : {"kcalChangeYearEdit", "energyInEdit", "kcalLeftEdit"}) {
    QVERIFY2(Field(result)->isReadOnly() && Field(result)->isEnabled(), result);
  }

  m_form->View().ClearTheoreticalResult();
  QVERIFY(Field("weightChangeYearEdit")->text().isEmpty());
  QCOMPARE(Background(Field("weightChangeYearEdit")), ToQColor(kWarningColour));
}

void VesmiraViewTest::dateFieldShowsEnglishShortMonth() {
  QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
  m_form->Start(kSeventhOfDecember);
  auto* date = m_form->Find<QDateEdit>("dateEdit");
  QLocale::setDefault(QLocale::c());
  QCOMPARE(date->text(), QStringLiteral("07-Dec-2026"));
  QVERIFY(!date->calendarPopup());
  QCOMPARE(DateText(m_form->View().Document().CurrentDate()), std::string("07-12-2026"));
}

void VesmiraViewTest::everyFieldHasItsAccessibleName() {
  m_form->Start();
  const std::vector<std::pair<const char*, const char*>> names{
      {"breakfastEdit", "Breakfast"},
      {"snackEdit", "Snack"},
      {"secondSnackEdit", "Second snack"},
      {"supperEdit", "Supper"},
      {"cyclingMinutesEdit", "Cycling minutes"},
      {"ballGameMinutesEdit", "Ball game minutes"},
      {"climbStairsMinutesEdit", "Climb stairs minutes"},
      {"cyclingKcalEdit", "Cycling kcal"},
      {"climbStairsKcalEdit", "Climb stairs kcal"},
      {"otherKcalEdit", "Other kcal consumption"},
      {"energyInEdit", "Energy In"},
      {"trainingEdit", "Training"},
      {"sumEdit", "Sum"},
      {"targetEdit", "Target"},
      {"kcalLeftEdit", "kcal left to use"},
      {"normalConsumptionEdit", "Normal energy consumption"},
      {"kcalChangeDayEdit", "kcal change Day"},
      {"kcalChangeYearEdit", "kcal change Year"},
      {"weightChangeWeekEdit", "Weight change Week"},
      {"trainingKcalMonthEdit", "kcal consumed by training Month"},
      {"dateEdit", "Date"},
      {"userCombo", "User list"},
      {"noteEdit", "Diary note"},
  };
  for (const auto& [object, accessible] : names) {
    auto* widget = m_form->View().findChild<QWidget*>(QString::fromLatin1(object));
    QVERIFY2(widget, object);
    QCOMPARE(widget->accessibleName(), QString::fromLatin1(accessible));
  }
  QCOMPARE(m_form->Find<QPushButton>("saveCloseButton")->text(), QStringLiteral("&Save && Close"));
  QCOMPARE(m_form->Find<QToolButton>("homepageButton")->accessibleName(),
           QStringLiteral("Homepage"));
}

void VesmiraViewTest::tabOrderRunsRowsThenGroups() {
  m_form->folder.AddUser("Anna");
  m_form->Start();
  QStringList order;
  QWidget* widget = Field("breakfastEdit");
  do {
    if (widget->isEnabled() && (widget->focusPolicy() & Qt::TabFocus) &&
        widget->isVisibleTo(&m_form->View()) && !widget->objectName().isEmpty() &&
        !widget->objectName().startsWith(QStringLiteral("qt_"))) {
      order.append(widget->objectName());
    }
    widget = widget->nextInFocusChain();
  } while (widget != Field("breakfastEdit"));
  const QStringList expected{
      QStringLiteral("breakfastEdit"),
      QStringLiteral("snackEdit"),
      QStringLiteral("lunchEdit"),
      QStringLiteral("secondSnackEdit"),
      QStringLiteral("dinnerEdit"),
      QStringLiteral("supperEdit"),
      QStringLiteral("cyclingMinutesEdit"),
      QStringLiteral("runningMinutesEdit"),
      QStringLiteral("walkingMinutesEdit"),
      QStringLiteral("bodybuildingMinutesEdit"),
      QStringLiteral("rowingMinutesEdit"),
      QStringLiteral("swimmingMinutesEdit"),
      QStringLiteral("skiingMinutesEdit"),
      QStringLiteral("skatingMinutesEdit"),
      QStringLiteral("ballGameMinutesEdit"),
      QStringLiteral("slalomMinutesEdit"),
      QStringLiteral("cleaningMinutesEdit"),
      QStringLiteral("climbStairsMinutesEdit"),
      QStringLiteral("otherKcalEdit"),
      QStringLiteral("cyclingKcalEdit"),
      QStringLiteral("runningKcalEdit"),
      QStringLiteral("walkingKcalEdit"),
      QStringLiteral("bodybuildingKcalEdit"),
      QStringLiteral("rowingKcalEdit"),
      QStringLiteral("swimmingKcalEdit"),
      QStringLiteral("skiingKcalEdit"),
      QStringLiteral("skatingKcalEdit"),
      QStringLiteral("ballGameKcalEdit"),
      QStringLiteral("slalomKcalEdit"),
      QStringLiteral("cleaningKcalEdit"),
      QStringLiteral("climbStairsKcalEdit"),
      QStringLiteral("kcalChangeDayEdit"),
      QStringLiteral("kcalChangeWeekEdit"),
      QStringLiteral("kcalChangeMonthEdit"),
      QStringLiteral("kcalChangeYearEdit"),
      QStringLiteral("weightChangeDayEdit"),
      QStringLiteral("weightChangeWeekEdit"),
      QStringLiteral("weightChangeMonthEdit"),
      QStringLiteral("weightChangeYearEdit"),
      QStringLiteral("trainingKcalDayEdit"),
      QStringLiteral("trainingKcalWeekEdit"),
      QStringLiteral("trainingKcalMonthEdit"),
      QStringLiteral("trainingKcalYearEdit"),
      QStringLiteral("trendChangeWeekEdit"),
      QStringLiteral("trendChangeMonthEdit"),
      QStringLiteral("trendChangeYearEdit"),
      QStringLiteral("realConsumptionWeekEdit"),
      QStringLiteral("realConsumptionMonthEdit"),
      QStringLiteral("realConsumptionYearEdit"),
      QStringLiteral("monthlyRadio"),
      QStringLiteral("yearlyRadio"),
      QStringLiteral("energyInEdit"),
      QStringLiteral("trainingEdit"),
      QStringLiteral("sumEdit"),
      QStringLiteral("targetEdit"),
      QStringLiteral("kcalLeftEdit"),
      QStringLiteral("normalConsumptionEdit"),
      QStringLiteral("dateEdit"),
      QStringLiteral("weightEdit"),
      QStringLiteral("userCombo"),
      QStringLiteral("saveCloseButton"),
      QStringLiteral("noteEdit"),
  };
  QCOMPARE(order, expected);
}

QTEST_MAIN(VesmiraViewTest)
#include "vesmira_view_test.moc"
