#include "export/ui/export_commands.h"

#include <QAction>
#include <QPlainTextEdit>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "support/export_golden.h"
#include "support/ui/form_fixture.h"

using namespace vesmira;
using vesmira::testing::FrameFixture;
using vesmira::testing::Meals;
using vesmira::testing::ReadBytes;
using vesmira::testing::WriteBytes;

namespace {

Prompts::SaveAnswer Chosen(const std::filesystem::path& path) {
  return {Prompts::SaveAnswer::Outcome::kChosen, QString::fromStdString(path.string())};
}

std::vector<std::string> CrLfLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (std::size_t end; (end = bytes.find("\r\n", from)) != std::string::npos; from = end + 2) {
    lines.push_back(bytes.substr(from, end - from));
  }
  if (from != bytes.size()) lines.push_back(bytes.substr(from));
  return lines;
}

// Everything in the folder, at any depth.
std::vector<std::filesystem::path> FilesBelow(const std::filesystem::path& folder) {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

}  // namespace

class ExportCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { m_form = std::make_unique<FrameFixture>(); }
  void cleanup() { m_form.reset(); }

  void dialogIsAskedForTheRightFile_data();
  void dialogIsAskedForTheRightFile();
  void pageOfTwoStoredDaysIsWrittenByteForByte();
  void sheetHoldsTheFormsDayAndEveryDayOfTheYear();
  void cancelledDialogWritesNothing_data();
  void cancelledDialogWritesNothing();
  void failedDialogShowsTheProblem_data();
  void failedDialogShowsTheProblem();
  void unwritableTargetShowsTheProblemAndLeavesNothing_data();
  void unwritableTargetShowsTheProblemAndLeavesNothing();

 private:
  // Anna's form on the sixth of December.
  void StartWithAnna() {
    m_form->folder.AddUser("Anna");
    m_form->Start();
  }

  std::unique_ptr<FrameFixture> m_form;
};

void ExportCommandsTest::dialogIsAskedForTheRightFile_data() {
  QTest::addColumn<QString>("action");
  QTest::addColumn<QString>("initialName");
  QTest::addColumn<QString>("suffix");
  QTest::addColumn<QStringList>("filters");
  QTest::newRow("page") << QStringLiteral("exportHtmlAction") << QStringLiteral("Diet.html")
                        << QStringLiteral("html")
                        << QStringList{QStringLiteral("HTML (*.html)"),
                                       QStringLiteral("HTM (*.htm)"),
                                       QStringLiteral("All Files (*)")};
  QTest::newRow("sheet") << QStringLiteral("exportSheetAction") << QStringLiteral("diet.xls")
                         << QStringLiteral("xls")
                         << QStringList{QStringLiteral("Data sheet Files (*.xls)"),
                                        QStringLiteral("Data Files (*.xlc *.xls)"),
                                        QStringLiteral("All Files (*)")};
}

void ExportCommandsTest::dialogIsAskedForTheRightFile() {
  QFETCH(QString, action);
  QFETCH(QString, initialName);
  QFETCH(QString, suffix);
  QFETCH(QStringList, filters);
  StartWithAnna();
  QVERIFY(m_form->Frame().findChild<QAction*>(action)->isEnabled());

  m_form->Trigger(action.toLatin1().constData());

  QCOMPARE(m_form->prompts.saveRequests.size(), 1);
  const Prompts::SaveRequest& request = m_form->prompts.saveRequests.first();
  QCOMPARE(request.initialName, initialName);
  QCOMPARE(request.defaultSuffix, suffix);
  QCOMPARE(request.filters, filters);
}

// The day on the form goes into the page with what is typed now; tomorrow and the day a
// year ago lie outside the span.
void ExportCommandsTest::pageOfTwoStoredDaysIsWrittenByteForByte() {
  const std::string user = "Anna & Bo";
  m_form->folder.AddUser(user);
  m_form->folder.WriteDay(user, "05-03-2027",
                          Meals({"1800"}, "Ran 5 km\nFelt \"great\" > yesterday"));
  m_form->folder.WriteDay(user, "11-03-2027", Meals({"1800"}, "tomorrow"));
  m_form->folder.WriteDay(user, "10-03-2026", Meals({"1800"}, "a year ago"));
  m_form->folder.WriteDay(user, "10-03-2027", Meals({"1800"}, "stale note"));
  m_form->Start({2027, 3, 10});
  m_form->Find<QPlainTextEdit>("noteEdit")->setPlainText(QStringLiteral("a<b & c"));
  const std::filesystem::path target = m_form->folder.Path() / "Diet.html";
  m_form->prompts.nextSaveAnswers.append(Chosen(target));

  m_form->Trigger("exportHtmlAction");

  QVERIFY(m_form->prompts.messages.isEmpty());
  QCOMPARE(ReadBytes(target),
           testing::WithBuiltHomePage(testing::GoldenBytes("page_two_stored_days.html"),
                                      m_form->folder.Path()));
}

void ExportCommandsTest::sheetHoldsTheFormsDayAndEveryDayOfTheYear() {
  m_form->folder.AddUser("Anna");
  DayEntries stored = Meals({"100", "200", "0", "0", "0", "650"});
  stored.minutes[11] = "15";
  m_form->folder.WriteDay("Anna", "01-12-2026", stored);
  m_form->Start();
  m_form->Type("breakfastEdit", QStringLiteral("500"));
  m_form->Type("cyclingMinutesEdit", QStringLiteral("30"));
  m_form->Type("otherKcalEdit", QStringLiteral("-20"));
  const std::filesystem::path target = m_form->folder.Path() / "diet.xls";
  m_form->prompts.nextSaveAnswers.append(Chosen(target));

  m_form->Trigger("exportSheetAction");

  QVERIFY(m_form->prompts.messages.isEmpty());
  const std::string bytes = ReadBytes(target);
  QVERIFY(bytes.ends_with("\r\n\r\n\r\nData exported from Vesmira\r\n"));
  const std::vector<std::string> lines = CrLfLines(bytes);
  QCOMPARE(lines.size(), std::size_t{369});
  QCOMPARE(lines[0],
           std::string("Date,Breakfast,Snack,Lunch,Snack2,Dinner,Supper,Cycling,Running,Walking,"
                       "Bodybuilding,Rowing,Swiming,Skiing,Skate,Ball_game,Slalom,Cleaning,"
                       "Climb_stairs,Other_kcal_consumption"));
  QCOMPARE(lines[1], std::string("06-12-2026,500,0,0,0,0,0,30,0,0,0,0,0,0,0,0,0,0,0,-20"));
  QCOMPARE(lines[2], std::string("05-12-2026,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"));
  QCOMPARE(lines[6], std::string("01-12-2026,100,200,0,0,0,650,0,0,0,0,0,0,0,0,0,0,0,15,0"));
  QCOMPARE(lines[365], std::string("07-12-2025,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"));
  QCOMPARE(lines[366], std::string());
  QCOMPARE(lines[368], std::string("Data exported from Vesmira"));
}

void ExportCommandsTest::cancelledDialogWritesNothing_data() {
  QTest::addColumn<QString>("action");
  QTest::newRow("page") << QStringLiteral("exportHtmlAction");
  QTest::newRow("sheet") << QStringLiteral("exportSheetAction");
}

// Not even the day on the form: the export stores it only on its way to the file.
void ExportCommandsTest::cancelledDialogWritesNothing() {
  QFETCH(QString, action);
  StartWithAnna();
  m_form->Type("breakfastEdit", QStringLiteral("500"));
  const std::vector<std::filesystem::path> before = FilesBelow(m_form->folder.Path());

  m_form->Trigger(action.toLatin1().constData());

  QCOMPARE(m_form->prompts.saveRequests.size(), 1);
  QVERIFY(m_form->prompts.messages.isEmpty());
  QVERIFY(FilesBelow(m_form->folder.Path()) == before);
}

void ExportCommandsTest::failedDialogShowsTheProblem_data() { cancelledDialogWritesNothing_data(); }

void ExportCommandsTest::failedDialogShowsTheProblem() {
  QFETCH(QString, action);
  StartWithAnna();
  const std::vector<std::filesystem::path> before = FilesBelow(m_form->folder.Path());
  m_form->prompts.nextSaveAnswers.append({Prompts::SaveAnswer::Outcome::kFailed, QString()});

  m_form->Trigger(action.toLatin1().constData());

  QCOMPARE(m_form->prompts.messages.size(), 1);
  QCOMPARE(m_form->prompts.messages.first().text,
           QStringLiteral("Problem saving file. Try a new file name."));
  QCOMPARE(m_form->prompts.messages.first().icon, Prompts::Icon::kWarning);
  QCOMPARE(m_form->prompts.messages.first().buttons, Prompts::Buttons::kOk);
  QVERIFY(FilesBelow(m_form->folder.Path()) == before);
}

void ExportCommandsTest::unwritableTargetShowsTheProblemAndLeavesNothing_data() {
  cancelledDialogWritesNothing_data();
}

// A failed export is not taken for a written one; the day on the form is stored all the same.
void ExportCommandsTest::unwritableTargetShowsTheProblemAndLeavesNothing() {
  QFETCH(QString, action);
  StartWithAnna();
  m_form->Type("breakfastEdit", QStringLiteral("500"));
  // Even root cannot create a file below a regular file.
  const std::filesystem::path plain = m_form->folder.Path() / "plain.txt";
  WriteBytes(plain, "not a folder");
  m_form->prompts.nextSaveAnswers.append(Chosen(plain / "export.out"));

  m_form->Trigger(action.toLatin1().constData());

  QCOMPARE(m_form->prompts.messages.size(), 1);
  QCOMPARE(m_form->prompts.messages.first().text, ProblemSavingFileText());
  QCOMPARE(m_form->prompts.messages.first().icon, Prompts::Icon::kWarning);
  QCOMPARE(ReadBytes(plain), std::string("not a folder"));
  const std::vector<std::filesystem::path> expected{
      plain, m_form->folder.UsersPath(), m_form->folder.UsersPath() / "Anna",
      m_form->folder.DayPath("Anna", "06-12-2026"), m_form->folder.UsersPath() / "Anna.properties"};
  std::vector<std::filesystem::path> sorted = expected;
  std::sort(sorted.begin(), sorted.end());
  QVERIFY(FilesBelow(m_form->folder.Path()) == sorted);
}

QTEST_MAIN(ExportCommandsTest)
#include "export_commands_test.moc"
