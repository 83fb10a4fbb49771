// One program per diary, with real second processes: a second start brings the first window
// to the front and ends; a lock left by a killed program is taken over; a program killed a
// while after typing has stored what was typed.
#include "app/single_instance.h"

#include <signal.h>
#include <unistd.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/main_frame.h"
#include "app/vesmira_app.h"
#include "settings/properties_file.h"
#include "settings/users_folder.h"
#include "storage/calendar_date.h"
#include "support/temp_folder.h"
#include "support/ui/scripted_prompts.h"

using namespace vesmira;

namespace {

// Set in the environment of the child that types: its data folder.
constexpr char kTypingChild[] = "VESMIRA_TEST_TYPING_CHILD";

std::filesystem::path MakeDiary(const QTemporaryDir& dir) {
  const std::filesystem::path data = dir.path().toStdString();
  std::filesystem::create_directories(UserFolderPath(data, "Anna"));
  if (WriteDefaultProperties(PropertiesFilePath(data, "Anna"))) return {};
  return data;
}

// A process started in folder with the test's environment.
void Prepare(QProcess& process, const QString& folder) {
  process.setWorkingDirectory(folder);
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  environment.insert(QStringLiteral("VESMIRA_STARTUP_TIME"), QStringLiteral("1"));
  environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
  process.setProcessEnvironment(environment);
}

// The child: the main window on the diary, 777 typed for breakfast, and then nothing but
// the event loop, until it is killed.
int RunTypingChild(const std::filesystem::path& data) {
  testing::ScriptedPrompts prompts;
  testing::RecordingUrlOpener opener;
  CMainFrame frame(data, prompts, opener);
  frame.show();
  auto* breakfast = frame.findChild<QLineEdit*>(QStringLiteral("breakfastEdit"));
  breakfast->selectAll();
  QTest::keyClicks(breakfast, QStringLiteral("777"));
  std::printf("typed\n");
  std::fflush(stdout);
  return QApplication::exec();
}

}  // namespace

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  void lockOfAnotherComputerIsLeftAlone();
  void lockOfAnotherAccountIsNamed();
  void aRemovedLockIsMadeAgain();
  void staleLockOfAKilledProgramIsTakenOver();
  void typingIsKeptWhenTheProgramIsKilled();
  void aDiaryOnAReadOnlyMediumOpensToBeRead();
  // Last: the program of this test takes the diary for the rest of its run.
  void secondStartRaisesTheFirstWindowAndEnds();
};

void SingleInstanceTest::lockOfAnotherComputerIsLeftAlone() {
  const testing::TempFolder data;
  const QString lock = QFile::decodeName((data.path() / ".vesmira.lock").c_str());
  QFile file(lock);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write("4242\nvesmira\nthe-laptop\n");
  file.close();
  CSingleInstance instance(data.path());
  QCOMPARE(instance.Acquire(), CSingleInstance::Outcome::kHeldElsewhere);
  QCOMPARE(instance.HolderHost(), QStringLiteral("the-laptop"));
  QCOMPARE(instance.LockFilePath(), lock);
  QVERIFY(QFile::exists(lock));
}

// Held by a program of this computer that runs (this test) under another account: said at
// once, not after waiting for an answer that cannot come.
void SingleInstanceTest::lockOfAnotherAccountIsNamed() {
  if (::geteuid() != 0) QSKIP("only root can give a file to another account");
  const testing::TempFolder data;
  const QString lock = QFile::decodeName((data.path() / ".vesmira.lock").c_str());
  QFile file(lock);
  QVERIFY(file.open(QIODevice::WriteOnly));
  // This test's own process, as the lock file names a program.
  file.write(QStringLiteral("%1\n%2\n%3\n")
                 .arg(QCoreApplication::applicationPid())
                 .arg(QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                      QSysInfo::machineHostName())
                 .toUtf8());
  file.close();
  QCOMPARE(::chown(QFile::encodeName(lock).constData(), 65534, 65534), 0);
  CSingleInstance instance(data.path());
  QCOMPARE(instance.Acquire(), CSingleInstance::Outcome::kOtherAccount);
  QCOMPARE(instance.HolderAccount(), QStringLiteral("nobody"));
}

// A lock file removed while the program runs is made again, so a later start still finds
// the program that holds the diary (here the same thread, which cannot answer it).
void SingleInstanceTest::aRemovedLockIsMadeAgain() {
  const testing::TempFolder data;
  CSingleInstance first(data.path());
  QCOMPARE(first.Acquire(), CSingleInstance::Outcome::kFirst);
  QVERIFY(QFile::remove(first.LockFilePath()));
  QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(first.LockFilePath()), 5000);
  CSingleInstance second(data.path());
  QCOMPARE(second.Acquire(), CSingleInstance::Outcome::kNoAnswer);
}

// A backup disk: the window opens without a lock, twice if asked, and ends cleanly.
void SingleInstanceTest::aDiaryOnAReadOnlyMediumOpensToBeRead() {
#ifndef VESMIRA_PROGRAM
  QSKIP("The program is not part of this build.");
#else
  QTemporaryDir dir;
  QTemporaryDir medium;
  QVERIFY(!MakeDiary(dir).empty());
  if (QProcess::execute(QStringLiteral("mount"),
                        {QStringLiteral("--bind"), dir.path(), medium.path()}) != 0) {
    QSKIP("no bind mount here");
  }
  const auto unmount =
      qScopeGuard([&] { QProcess::execute(QStringLiteral("umount"), {medium.path()}); });
  QCOMPARE(
      QProcess::execute(QStringLiteral("mount"),
                        {QStringLiteral("-o"), QStringLiteral("remount,bind,ro"), medium.path()}),
      0);
  QProcess first;
  QProcess second;
  for (QProcess* program : {&first, &second}) {
    Prepare(*program, dir.path());
    program->start(QStringLiteral(VESMIRA_PROGRAM),
                   {QStringLiteral("--data-folder"), medium.path()});
    QVERIFY(program->waitForStarted(30000));
    QByteArray errors;
    QTRY_VERIFY_WITH_TIMEOUT((errors += program->readAllStandardError()).contains("startup-ms:"),
                             60000);
  }
  for (QProcess* program : {&first, &second}) {
    QCOMPARE(::kill(static_cast<pid_t>(program->processId()), SIGTERM), 0);
    QVERIFY(program->waitForFinished(60000));
    QCOMPARE(program->exitCode(), 0);
  }
  QVERIFY(!QFile::exists(dir.filePath(CSingleInstance::LockFileName())));
#endif
}

void SingleInstanceTest::staleLockOfAKilledProgramIsTakenOver() {
#ifndef VESMIRA_PROGRAM
  QSKIP("The program is not part of this build.");
#else
  QTemporaryDir dir;
  const std::filesystem::path data = MakeDiary(dir);
  QVERIFY(!data.empty());
  QProcess program;
  Prepare(program, dir.path());
  program.start(QStringLiteral(VESMIRA_PROGRAM), {QStringLiteral("--data-folder"), dir.path()});
  QVERIFY2(program.waitForStarted(30000), qPrintable(program.errorString()));
  QByteArray errors;
  QTRY_VERIFY_WITH_TIMEOUT((errors += program.readAllStandardError()).contains("startup-ms:"),
                           60000);
  // An interrupted save leaves its temporary file behind too, written before the next start.
  const std::filesystem::path half = UserFolderPath(data, "Anna") / ".Anna.06-12-2026.k3j9x0qa.tmp";
  testing::WriteBytes(half, "half");
  std::filesystem::last_write_time(
      half, std::filesystem::last_write_time(half) - std::chrono::seconds(2));
  QCOMPARE(::kill(static_cast<pid_t>(program.processId()), SIGKILL), 0);
  QVERIFY(program.waitForFinished(30000));
  QVERIFY(QFile::exists(dir.filePath(CSingleInstance::LockFileName())));

  // The next start takes the diary without a question and clears what the save left.
  QProcess next;
  Prepare(next, dir.path());
  next.start(QStringLiteral(VESMIRA_PROGRAM), {QStringLiteral("--data-folder"), dir.path()});
  QVERIFY(next.waitForStarted(30000));
  errors.clear();
  QTRY_VERIFY_WITH_TIMEOUT((errors += next.readAllStandardError()).contains("startup-ms:"), 60000);
  // A moment after the start, away from the window's thread.
  QTRY_VERIFY_WITH_TIMEOUT(!std::filesystem::exists(half), 10000);
  QCOMPARE(::kill(static_cast<pid_t>(next.processId()), SIGTERM), 0);
  QVERIFY(next.waitForFinished(60000));
  QCOMPARE(next.exitCode(), 0);
  // A clean end leaves no lock.
  QVERIFY(!QFile::exists(dir.filePath(CSingleInstance::LockFileName())));
#endif
}

void SingleInstanceTest::typingIsKeptWhenTheProgramIsKilled() {
  QTemporaryDir dir;
  const std::filesystem::path data = MakeDiary(dir);
  QVERIFY(!data.empty());
  QProcess child;
  Prepare(child, dir.path());
  QProcessEnvironment environment = child.processEnvironment();
  environment.insert(QString::fromLatin1(kTypingChild), dir.path());
  child.setProcessEnvironment(environment);
  child.start(QCoreApplication::applicationFilePath(), QStringList{});
  QVERIFY2(child.waitForStarted(30000), qPrintable(child.errorString()));
  QByteArray output;
  QTRY_VERIFY_WITH_TIMEOUT((output += child.readAllStandardOutput()).contains("typed"), 60000);

  // No save command, no close: the child only waits after typing, and then it is killed.
  const std::filesystem::path day = DayFilePath(data, "Anna", DateText(LocalToday()));
  QTRY_VERIFY_WITH_TIMEOUT(testing::ReadBytes(day).find("frukost\r\n777\r\n") != std::string::npos,
                           10000);
  QCOMPARE(::kill(static_cast<pid_t>(child.processId()), SIGKILL), 0);
  QVERIFY(child.waitForFinished(30000));
  QCOMPARE(child.exitStatus(), QProcess::CrashExit);
  const std::string stored = testing::ReadBytes(day);
  QVERIFY(stored.find("frukost\r\n777\r\n") != std::string::npos);
  QVERIFY(stored.ends_with("diaryNote\r\nDiet Diary Notes\r\n\r\n"));
}

void SingleInstanceTest::secondStartRaisesTheFirstWindowAndEnds() {
#ifndef VESMIRA_PROGRAM
  QSKIP("The program is not part of this build.");
#else
  QTemporaryDir dir;
  QVERIFY(!MakeDiary(dir).empty());
  auto* app = qobject_cast<CVesmiraApp*>(qApp);
  QVERIFY(app != nullptr);
  QVERIFY(app->InitInstance(dir.path().toStdString()));
  CMainFrame* frame = app->MainFrame();
  QVERIFY(QTest::qWaitForWindowExposed(frame));
  // Another window has the focus, as when the person works elsewhere.
  QWidget elsewhere;
  elsewhere.show();
  QVERIFY(QTest::qWaitForWindowExposed(&elsewhere));
  elsewhere.activateWindow();
  QTRY_VERIFY(elsewhere.isActiveWindow());

  // Started from a terminal with a TMPDIR of its own, through a link to the folder.
  QProcess second;
  Prepare(second, dir.path());
  QTemporaryDir elsewhereTmp;
  QProcessEnvironment environment = second.processEnvironment();
  environment.insert(QStringLiteral("TMPDIR"), elsewhereTmp.path());
  second.setProcessEnvironment(environment);
  const QString link = elsewhereTmp.filePath(QStringLiteral("diary"));
  QVERIFY(QFile::link(dir.path(), link));
  second.start(QStringLiteral(VESMIRA_PROGRAM), {QStringLiteral("--data-folder"), link});
  QVERIFY(second.waitForStarted(30000));
  QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 60000);
  const QByteArray errors = second.readAllStandardError();
  QCOMPARE(second.exitStatus(), QProcess::NormalExit);
  QVERIFY2(second.exitCode() == 0, errors.constData());
  // It showed no window of its own; the first one came to the front.
  QVERIFY2(!errors.contains("startup-ms:"), errors.constData());
  QTRY_VERIFY(frame->isActiveWindow());
#endif
}

int main(int argc, char** argv) {
  const QByteArray childFolder = qgetenv(kTypingChild);
  CVesmiraApp app(argc, argv);
  if (!childFolder.isEmpty()) return RunTypingChild(QFile::decodeName(childFolder).toStdString());
  app.setAttribute(Qt::AA_Use96Dpi, true);
  SingleInstanceTest test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "single_instance_test.moc"
