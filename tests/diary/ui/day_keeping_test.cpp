// Nothing typed is lost: the day is stored while the person types, without holding up a key,
// never over a version changed on disk behind the form's back, and only when it changed.
#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTest>
#include <chrono>
#include <filesystem>
#include <memory>
#include <thread>
#include <utility>

#include "diary/ui/day_question.h"
#include "periods/ui/calculate_command.h"
#include "storage/stored_file.h"
#include "support/ui/form_fixture.h"

using namespace vesmira;
using vesmira::testing::Meals;
using vesmira::testing::ReadBytes;
using vesmira::testing::ViewFixture;
using vesmira::testing::WriteBytes;

namespace {

constexpr char kToday[] = "06-12-2026";

std::string StoredLine(std::string_view key, std::string_view value) {
  return std::string(key) + "\r\n" + std::string(value) + "\r\n";
}

// The copies kept beside a day, by name.
std::vector<std::filesystem::path> CopiesBeside(const std::filesystem::path& day) {
  std::vector<std::filesystem::path> copies;
  const std::string prefix = day.filename().string() + ".conflict-";
  for (const auto& entry : std::filesystem::directory_iterator(day.parent_path())) {
    if (entry.path().filename().string().starts_with(prefix)) copies.push_back(entry.path());
  }
  return copies;
}

}  // namespace

class DayKeepingTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    m_form = std::make_unique<ViewFixture>();
    m_form->folder.AddUser("Anna");
  }
  void cleanup() { m_form.reset(); }

  void typingIsStoredAfterAPauseWithoutASave();
  void failingSaveWhileTypingIsReportedOnce();
  void slowDiskHoldsUpNoKeyAndSavesKeepTheirOrder();
  void unchangedDayIsNotRewritten();
  void changeOnDiskIsShownWhenNothingIsUnsaved();
  void changeOnDiskWithTypingAsksWhichToKeep_data();
  void changeOnDiskWithTypingAsksWhichToKeep();
  void closingWithTheQuestionOpenKeepsTheTypingBeside();
  void changeOnDiskThatIsNoQuestion_data();
  void changeOnDiskThatIsNoQuestion();
  void changedPropertiesAreTakenIn();
  void firstStartWithoutUsersLeadsToAddingOne();
  void noFieldHoldsALineBreak();

 private:
  CVesmiraView& View() { return m_form->View(); }
  QString Text(const char* field) const { return m_form->Text(field); }
  void Type(const char* field, const QString& text) { m_form->Type(field, text); }
  std::filesystem::path Day() const { return m_form->folder.DayPath("Anna", kToday); }
  std::string Breakfast(std::string_view value) const { return StoredLine("frukost", value); }

  std::unique_ptr<ViewFixture> m_form;
};

void DayKeepingTest::typingIsStoredAfterAPauseWithoutASave() {
  m_form->Start();
  Type("breakfastEdit", QStringLiteral("777"));
  QVERIFY(View().HasUnsavedChanges());
  // No command, no day change, no close: the pause after typing stores it.
  QTRY_VERIFY(ReadBytes(Day()).find(Breakfast("777")) != std::string::npos);
  QTRY_VERIFY(!View().HasUnsavedChanges());
  QVERIFY(m_form->prompts.messages.isEmpty());

  // The note is part of the day too.
  auto* note = m_form->Find<QPlainTextEdit>("noteEdit");
  note->selectAll();
  QTest::keyClicks(note, QStringLiteral("Long walk"));
  QTRY_VERIFY(ReadBytes(Day()).ends_with("diaryNote\r\nLong walk\r\n\r\n"));
}

void DayKeepingTest::failingSaveWhileTypingIsReportedOnce() {
  // Anna's day folder is a plain file: no day of hers can be stored.
  std::filesystem::remove_all(m_form->folder.UsersPath() / "Anna");
  WriteBytes(m_form->folder.UsersPath() / "Anna", "not a folder");
  m_form->Start();
  QSignalSpy saves(&View(), &CVesmiraView::backgroundSaveFinished);
  for (const char* value : {"1", "12", "123"}) {
    Type("breakfastEdit", QString::fromLatin1(value));
    View().SaveTypingNow();
    QTRY_VERIFY(!View().IsSavingInBackground());
  }
  QCOMPARE(saves.size(), 3);  // each change tried again
  // Over the form, not in a box that would take the keys typed meanwhile, while it fails.
  QVERIFY(m_form->prompts.messages.isEmpty());
  const auto* question = m_form->Find<CDayQuestion>("dayQuestion");
  QVERIFY(question->isVisibleTo(&View()) && !question->IsAsking());
  QVERIFY(question->Text().contains(QStringLiteral("Anna")));
  QVERIFY(View().HasUnsavedChanges());
  QCOMPARE(Text("breakfastEdit"), QStringLiteral("123"));

  // Closing still asks, as the day is not stored.
  m_form->prompts.nextAnswers = {Prompts::Answer::kNo};
  QVERIFY(!View().FinalSave());
  QCOMPARE(m_form->prompts.messages.size(), 1);
  QVERIFY(m_form->prompts.messages[0].text.contains(QStringLiteral("Close anyway?")));
}

void DayKeepingTest::slowDiskHoldsUpNoKeyAndSavesKeepTheirOrder() {
  m_form->Start();
  // The disk does not confirm the write until the test lets it.
  QSemaphore disk;
  View().SetBeforeBackgroundWrite([&disk] { disk.acquire(); });
  Type("breakfastEdit", QStringLiteral("5"));
  View().SaveTypingNow();
  QVERIFY(View().IsSavingInBackground());
  // A key pressed while the save waits for the disk shows its balance at once.
  QTest::keyClick(m_form->Field("breakfastEdit"), Qt::Key_0);
  QCOMPARE(Text("energyInEdit"), QStringLiteral("50"));
  QVERIFY(View().IsSavingInBackground());
  QVERIFY(View().HasUnsavedChanges());
  disk.release(2);
  QTRY_VERIFY(ReadBytes(Day()).find(Breakfast("50")) != std::string::npos);
  QTRY_VERIFY(!View().HasUnsavedChanges());

  // Calculate on the slow disk waits for the store, not the window: a key typed meanwhile is
  // taken, stored, and in the result that follows.
  Type("breakfastEdit", QStringLiteral("7"));
  RunCalculate(View().Document());
  QVERIFY(View().IsSavingInBackground());
  QCOMPARE(Text("kcalChangeDayEdit"), QString());
  QTest::keyClick(m_form->Field("breakfastEdit"), Qt::Key_0);
  disk.release(2);
  QVERIFY(m_form->Settle());
  QVERIFY(ReadBytes(Day()).find(Breakfast("70")) != std::string::npos);
  QCOMPARE(Text("kcalChangeDayEdit").toInt(), 70 - Text("normalConsumptionEdit").toInt());

  // A close while a slow save runs (for a change of date) waits for it, then stores what was
  // typed after it: the older save never lands last, and the day asked for is not shown.
  View().SetBeforeBackgroundWrite(
      [] { std::this_thread::sleep_for(std::chrono::milliseconds(200)); });
  Type("breakfastEdit", QStringLiteral("6"));
  m_form->Find<QDateEdit>("dateEdit")->setDate(QDate(2026, 12, 7));
  QTest::keyClick(m_form->Field("breakfastEdit"), Qt::Key_1);
  QVERIFY(View().FinalSave());
  QVERIFY(ReadBytes(Day()).find(Breakfast("61")) != std::string::npos);
  // One write at a time: none runs on behind the store that closing made.
  QVERIFY(m_form->Settle());
  m_form->Stop();
  QVERIFY(ReadBytes(Day()).find(Breakfast("61")) != std::string::npos);
  QVERIFY(!std::filesystem::exists(m_form->folder.DayPath("Anna", "07-12-2026")));
}

void DayKeepingTest::unchangedDayIsNotRewritten() {
  m_form->folder.WriteDay("Anna", kToday, Meals({"500"}));
  // Older than any write the test makes, so a rewrite would show.
  std::filesystem::last_write_time(
      Day(), std::filesystem::last_write_time(Day()) - std::chrono::hours(24));
  const FileIdentity stored = ReadFileIdentity(Day());
  m_form->Start();
  QVERIFY(m_form->StoreDay());
  m_form->ShowDate({2026, 12, 7});  // the day left
  m_form->ShowDate({2026, 12, 6});
  m_form->Stop();
  QCOMPARE(ReadFileIdentity(Day()), stored);  // same inode, same modification time
  // The day visited without a file got its file all the same.
  QVERIFY(std::filesystem::exists(m_form->folder.DayPath("Anna", "07-12-2026")));
}

void DayKeepingTest::changeOnDiskIsShownWhenNothingIsUnsaved() {
  m_form->folder.WriteDay("Anna", kToday, Meals({"500"}));
  m_form->Start();
  QCOMPARE(Text("breakfastEdit"), QStringLiteral("500"));
  // Another computer's version arrives through a sync tool.
  m_form->folder.WriteDay("Anna", kToday, Meals({"3000"}, "From the laptop"));
  QTRY_COMPARE(Text("breakfastEdit"), QStringLiteral("3000"));
  QCOMPARE(m_form->Find<QPlainTextEdit>("noteEdit")->toPlainText(),
           QStringLiteral("From the laptop"));
  QVERIFY(!View().HasUnsavedChanges());
  QVERIFY(m_form->prompts.choices.isEmpty());
  // Leaving the day keeps that version.
  m_form->Stop();
  QVERIFY(ReadBytes(Day()).find(Breakfast("3000")) != std::string::npos);
  QVERIFY(CopiesBeside(Day()).empty());
}

void DayKeepingTest::changeOnDiskWithTypingAsksWhichToKeep_data() {
  QTest::addColumn<int>("choice");
  QTest::addColumn<QString>("kept");      // in the day file and on the form
  QTest::addColumn<QString>("besideIt");  // in the copy
  QTest::newRow("keep my typing") << 0 << QStringLiteral("555") << QStringLiteral("3000");
  QTest::newRow("use the version on disk") << 1 << QStringLiteral("3000") << QStringLiteral("555");
}

void DayKeepingTest::changeOnDiskWithTypingAsksWhichToKeep() {
  QFETCH(int, choice);
  QFETCH(QString, kept);
  QFETCH(QString, besideIt);
  m_form->folder.WriteDay("Anna", kToday, Meals({"500"}));
  m_form->Start();
  // The save while typing meets the other version, or the watcher sees it first: either way
  // the person is asked once, and nothing is written over.
  View().SetBeforeBackgroundWrite(
      [this] { m_form->folder.WriteDay("Anna", kToday, Meals({"3000"}, "From the laptop")); });
  Type("breakfastEdit", QStringLiteral("555"));
  auto* question = m_form->Find<CDayQuestion>("dayQuestion");
  QTRY_VERIFY(question->IsAsking());
  const QString asked = question->Text();
  QVERIFY2(
      asked.contains(QStringLiteral("Anna")) && asked.contains(QStringLiteral("6 December 2026")),
      qPrintable(asked));
  View().SetBeforeBackgroundWrite({});
  // Typing goes on while the question waits, and no key answers it.
  auto* note = m_form->Find<QPlainTextEdit>("noteEdit");
  note->setFocus();
  QTest::keyClicks(note, QStringLiteral(" more"));
  QTest::keyClick(note, Qt::Key_Return);
  QVERIFY(question->IsAsking());
  m_form->Click(choice == 0 ? "keepMyTypingButton" : "useVersionOnDiskButton");
  QTRY_VERIFY(!View().HasUnsavedChanges() && !View().IsSavingInBackground());
  QCOMPARE(Text("breakfastEdit"), kept);
  QVERIFY(ReadBytes(Day()).find(Breakfast(kept.toStdString())) != std::string::npos);
  const std::vector<std::filesystem::path> copies = CopiesBeside(Day());
  QCOMPARE(copies.size(), std::size_t{1});
  QVERIFY(asked.contains(QString::fromStdString(copies[0].filename().string())));
  QVERIFY(ReadBytes(copies[0]).find(Breakfast(besideIt.toStdString())) != std::string::npos);
  QVERIFY(!question->isVisibleTo(&View()));
  m_form->Stop();
  QVERIFY(m_form->prompts.choices.isEmpty());
  QVERIFY(m_form->prompts.messages.isEmpty());
}

// Closed, or ended by SIGTERM or a logout, while the question waits: nothing asks, the day
// on disk stays the other program's, and the typing, to its last key, is in the copy.
void DayKeepingTest::closingWithTheQuestionOpenKeepsTheTypingBeside() {
  m_form->folder.WriteDay("Anna", kToday, Meals({"500"}));
  m_form->Start();
  View().SetBeforeBackgroundWrite(
      [this] { m_form->folder.WriteDay("Anna", kToday, Meals({"3000"}, "From the laptop")); });
  Type("breakfastEdit", QStringLiteral("555"));
  QTRY_VERIFY(m_form->Find<CDayQuestion>("dayQuestion")->IsAsking());
  View().SetBeforeBackgroundWrite({});
  QTest::keyClick(m_form->Field("breakfastEdit"), Qt::Key_7);
  QVERIFY(View().FinalSave());
  m_form->Stop();
  QVERIFY(m_form->prompts.messages.isEmpty());
  QVERIFY(ReadBytes(Day()).find(Breakfast("3000")) != std::string::npos);
  const std::vector<std::filesystem::path> copies = CopiesBeside(Day());
  QCOMPARE(copies.size(), std::size_t{1});
  QVERIFY(ReadBytes(copies[0]).find(Breakfast("5557")) != std::string::npos);
}

void DayKeepingTest::changeOnDiskThatIsNoQuestion_data() {
  QTest::addColumn<bool>("readable");
  QTest::newRow("the same bytes written again") << true;
  QTest::newRow("a version that cannot be read") << false;
}

// While typing waits: a file written again as it was is no change, and one that cannot be
// read turns the day read-only, with what was typed kept beside it. Neither asks anything.
void DayKeepingTest::changeOnDiskThatIsNoQuestion() {
  QFETCH(bool, readable);
  m_form->folder.WriteDay("Anna", kToday, Meals({"500"}));
  m_form->Start();
  const std::string stored = ReadBytes(Day());
  bool once = true;
  View().SetBeforeBackgroundWrite([&] {
    if (!std::exchange(once, false)) return;
    std::filesystem::remove(Day());
    WriteBytes(Day(), readable ? stored : std::string("\x01\x02 no day"));
  });
  Type("breakfastEdit", QStringLiteral("555"));
  const auto* question = m_form->Find<CDayQuestion>("dayQuestion");
  QTRY_VERIFY(!View().IsSavingInBackground() &&
              (readable ? !View().HasUnsavedChanges() : question->isVisibleTo(&View())));
  View().SetBeforeBackgroundWrite({});
  QVERIFY(m_form->prompts.choices.isEmpty());
  if (readable) {
    QVERIFY(ReadBytes(Day()).find(Breakfast("555")) != std::string::npos);
    QVERIFY(CopiesBeside(Day()).empty());
    return;
  }
  QVERIFY(!question->IsAsking());
  QVERIFY(m_form->prompts.messages.isEmpty());
  QVERIFY(m_form->Field("breakfastEdit")->isReadOnly());
  QCOMPARE(ReadBytes(Day()), std::string("\x01\x02 no day"));
  const std::vector<std::filesystem::path> copies = CopiesBeside(Day());
  QCOMPARE(copies.size(), std::size_t{1});
  QVERIFY(ReadBytes(copies[0]).find(Breakfast("555")) != std::string::npos);
  m_form->Stop();
  QCOMPARE(ReadBytes(Day()), std::string("\x01\x02 no day"));
}

void DayKeepingTest::changedPropertiesAreTakenIn() {
  m_form->Start();
  QCOMPARE(Text("normalConsumptionEdit"), QStringLiteral("2200"));
  m_form->folder.AddUser("Anna", 2600, 1800);
  QTRY_COMPARE(Text("normalConsumptionEdit"), QStringLiteral("2600"));
  QCOMPARE(View().Document().Settings().grundForbrukning, 2600);
}

void DayKeepingTest::firstStartWithoutUsersLeadsToAddingOne() {
  std::filesystem::remove(m_form->folder.UsersPath() / "Anna.properties");
  m_form->Start();
  auto* note = m_form->Find<QPlainTextEdit>("noteEdit");
  // Nothing can be typed that would not be kept; the note says how to begin.
  for (const char* field : {"breakfastEdit", "cyclingMinutesEdit", "otherKcalEdit"}) {
    QVERIFY(!m_form->Field(field)->isEnabled());
  }
  QVERIFY(!note->isEnabled());
  QVERIFY2(note->placeholderText().contains(QStringLiteral("Tools > Users")),
           qPrintable(note->placeholderText()));
  QTest::keyClicks(m_form->Field("breakfastEdit"), QStringLiteral("400"));
  QCOMPARE(Text("breakfastEdit"), QString());

  // The user added, the day is there to fill in and is kept.
  m_form->folder.AddUser("Anna");
  View().LoadUserList();
  QVERIFY(m_form->Field("breakfastEdit")->isEnabled());
  QVERIFY(note->isEnabled());
  QCOMPARE(Text("breakfastEdit"), QStringLiteral("0"));
  Type("breakfastEdit", QStringLiteral("400"));
  m_form->Stop();
  QVERIFY(ReadBytes(Day()).find(Breakfast("400")) != std::string::npos);
}

void DayKeepingTest::noFieldHoldsALineBreak() {
  // A day whose file ends after the training minutes: the first missing key reads as a lone
  // line end.
  std::string day = ReadBytes(std::filesystem::path(VESMIRA_TEST_DATA) / "day_626_574.txt");
  day.erase(day.find("ovrigForbrukning"));
  WriteBytes(Day(), day);
  m_form->Start();
  QCOMPARE(Text("otherKcalEdit"), QString());
  Type("otherKcalEdit", QStringLiteral("300"));
  QCOMPARE(Text("otherKcalEdit"), QStringLiteral("300"));
  // A spreadsheet cell comes with its line end.
  QGuiApplication::clipboard()->setText(QStringLiteral("450\n"));
  m_form->Field("lunchEdit")->selectAll();
  m_form->Field("lunchEdit")->paste();
  QCOMPARE(Text("lunchEdit"), QStringLiteral("450"));
  QGuiApplication::clipboard()->setText(QStringLiteral("1\r\n2"));
  m_form->Field("dinnerEdit")->selectAll();
  m_form->Field("dinnerEdit")->paste();
  QCOMPARE(Text("dinnerEdit"), QStringLiteral("12"));
  m_form->Stop();
  const std::string stored = ReadBytes(Day());
  QVERIFY(stored.find(StoredLine("ovrigForbrukning", "300") + "\r\n") != std::string::npos);
  QVERIFY(stored.find(StoredLine("lunch", "450") + "\r\n") != std::string::npos);
  QVERIFY(stored.find(StoredLine("middag", "12") + "\r\n") != std::string::npos);

  // After a restart every field shows what was stored.
  m_form->Start();
  QCOMPARE(Text("otherKcalEdit"), QStringLiteral("300"));
  QCOMPARE(Text("lunchEdit"), QStringLiteral("450"));
}

QTEST_MAIN(DayKeepingTest)
#include "day_keeping_test.moc"
