// Ends the real program as a desktop session does, with SIGTERM, and finds the day it showed
// rewritten whole.
#include <signal.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <string>

#include "diary/day_file.h"
#include "settings/properties_file.h"
#include "settings/users_folder.h"
#include "storage/atomic_file.h"
#include "storage/calendar_date.h"
#include "support/diary_folder.h"

using namespace vesmira;

class ProgramTerminationTest : public QObject {
  Q_OBJECT

 private slots:
  void sigtermRewritesTheDayShownWhole();
};

void ProgramTerminationTest::sigtermRewritesTheDayShownWhole() {
#ifndef VESMIRA_PROGRAM
  QSKIP("The program is not part of this build.");
#else
  QTemporaryDir dir;
  QVERIFY(dir.isValid());
  const std::filesystem::path data = dir.path().toStdString();
  std::filesystem::create_directories(UserFolderPath(data, "Anna"));
  QVERIFY(!WriteDefaultProperties(PropertiesFilePath(data, "Anna")).has_value());

  // The day as the program writes it, stored with bare line ends and without its sums: the
  // program must read it, and its final save must write every byte anew.
  const std::string whole =
      ReadFileBytes(std::filesystem::path(VESMIRA_TEST_DATA) / "day_626_574.txt").value_or("");
  QVERIFY(whole.find("dagEnergiSum\r\n626\r\n") != std::string::npos);
  std::string stored;
  for (std::size_t i = 0; i < whole.size(); ++i) {
    if (whole.compare(i, 2, "\r\n") != 0) stored += whole[i];
  }
  const std::size_t sum = stored.find("dagEnergiSum\n626\n");
  QVERIFY(sum != std::string::npos);
  stored.replace(sum, 17, "dagEnergiSum\n0\n");
  // The program shows today when it starts; a run across midnight proves nothing and is skipped.
  const CalendarDate today = LocalToday();
  const std::filesystem::path day = DayFilePath(data, "Anna", DateText(today));
  testing::WriteBytes(day, stored);

  QProcess program;
  program.setWorkingDirectory(dir.path());
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  environment.insert(QStringLiteral("VESMIRA_STARTUP_TIME"), QStringLiteral("1"));
  // Qt's own allocations that live until exit are no concern of this test.
  environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
  program.setProcessEnvironment(environment);
  program.start(QStringLiteral(VESMIRA_PROGRAM), {QStringLiteral("--data-folder"), dir.path()});
  QVERIFY2(program.waitForStarted(30000), qPrintable(program.errorString()));

  // The program says when its window is shown with the day loaded.
  QByteArray errors;
  QTRY_VERIFY_WITH_TIMEOUT((errors += program.readAllStandardError()).contains("startup-ms:"),
                           60000);
  QCOMPARE(testing::ReadBytes(day), stored);

  QCOMPARE(::kill(static_cast<pid_t>(program.processId()), SIGTERM), 0);
  QVERIFY(program.waitForFinished(60000));
  errors += program.readAllStandardError();
  QCOMPARE(program.exitStatus(), QProcess::NormalExit);
  QVERIFY2(program.exitCode() == 0, errors.constData());
  if (LocalToday() != today) QSKIP("The date changed while the program ran.");
  QCOMPARE(testing::ReadBytes(day), whole);
  // Saved in place of the old file: nothing else is left in the user's folder.
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(day.parent_path())) {
    QVERIFY2(entry.path() == day, entry.path().c_str());
    ++files;
  }
  QCOMPARE(files, 1);
#endif
}

QTEST_MAIN(ProgramTerminationTest)
#include "program_termination_test.moc"
