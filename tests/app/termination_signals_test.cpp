#include "app/termination_signals.h"

#include <signal.h>

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <memory>

#include "app/main_frame.h"
#include "support/ui/diary_folder.h"
#include "support/ui/scripted_prompts.h"

using namespace vesmira;
using vesmira::testing::DiaryFolder;
using vesmira::testing::RecordingUrlOpener;
using vesmira::testing::ScriptedPrompts;

namespace {

constexpr CalendarDate kSixthOfDecember{2026, 12, 6};
constexpr const char* kDateText = "06-12-2026";

}  // namespace

class TerminationSignalsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void signalClosesTheWindowAndSavesTheDay_data();
  void signalClosesTheWindowAndSavesTheDay();
  void failedSaveAsksAndKeepsTheWindowWhenTheAnswerIsNo();
  void earlierDispositionsComeBack();

 private:
  void MakeFrame();
  QLineEdit* Field(const char* name) const {
    return m_frame->findChild<QLineEdit*>(QString::fromLatin1(name));
  }

  std::unique_ptr<DiaryFolder> m_folder;
  std::unique_ptr<ScriptedPrompts> m_prompts;
  RecordingUrlOpener m_opener;
  std::unique_ptr<CMainFrame> m_frame;
};

void TerminationSignalsTest::init() {
  m_folder = std::make_unique<DiaryFolder>();
  QVERIFY(m_folder->IsValid());
  m_folder->AddUser("Anna");
  m_prompts = std::make_unique<ScriptedPrompts>();
}

void TerminationSignalsTest::cleanup() {
  m_frame.reset();
  m_folder.reset();
}

void TerminationSignalsTest::MakeFrame() {
  m_frame = std::make_unique<CMainFrame>(m_folder->Path(), *m_prompts, m_opener,
                                         [] { return kSixthOfDecember; });
  m_frame->show();
  QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
}

void TerminationSignalsTest::signalClosesTheWindowAndSavesTheDay_data() {
  QTest::addColumn<int>("signalNumber");
  QTest::newRow("SIGTERM, the session ends") << SIGTERM;
  QTest::newRow("SIGINT, Ctrl+C in the terminal") << SIGINT;
  QTest::newRow("SIGHUP, the terminal goes") << SIGHUP;
}

void TerminationSignalsTest::signalClosesTheWindowAndSavesTheDay() {
  QFETCH(int, signalNumber);
  MakeFrame();
  TerminationSignals handler(m_frame.get());
  QVERIFY(handler.IsInstalled());
  QSignalSpy requested(&handler, &TerminationSignals::terminationRequested);

  QLineEdit* breakfast = Field("breakfastEdit");
  breakfast->selectAll();
  QTest::keyClicks(breakfast, QStringLiteral("612"));
  Field("cyclingMinutesEdit")->selectAll();
  QTest::keyClicks(Field("cyclingMinutesEdit"), QStringLiteral("3"));
  QVERIFY(!std::filesystem::exists(m_folder->DayPath("Anna", kDateText)));

  QCOMPARE(::raise(signalNumber), 0);
  QTRY_VERIFY(!m_frame->isVisible());
  QCOMPARE(requested.size(), 1);
  QCOMPARE(requested.at(0).at(0).toInt(), signalNumber);
  const std::optional<DayEntries> day = ReadDayFile(m_folder->DayPath("Anna", kDateText));
  QVERIFY(day.has_value());
  QCOMPARE(QString::fromStdString(day->meals[0]), QStringLiteral("612"));
  QCOMPARE(QString::fromStdString(day->minutes[0]), QStringLiteral("3"));
  QVERIFY(m_prompts->messages.isEmpty());
}

void TerminationSignalsTest::failedSaveAsksAndKeepsTheWindowWhenTheAnswerIsNo() {
  MakeFrame();
  TerminationSignals handler(m_frame.get());
  Field("lunchEdit")->selectAll();
  QTest::keyClicks(Field("lunchEdit"), QStringLiteral("5"));
  // The user's folder is taken by a regular file: no day can be written below it.
  std::filesystem::remove_all(m_folder->UsersPath() / "Anna");
  testing::WriteBytes(m_folder->UsersPath() / "Anna", "in the way");
  m_prompts->nextAnswers = {Prompts::Answer::kNo};

  QCOMPARE(::raise(SIGTERM), 0);
  QTRY_COMPARE(m_prompts->messages.size(), 1);
  QVERIFY(m_prompts->messages.at(0).text.contains(QStringLiteral("Close anyway?")));
  QVERIFY(m_frame->isVisible());
  QCOMPARE(Field("lunchEdit")->text(), QStringLiteral("5"));

  // The way clear again, the next signal saves and closes.
  std::filesystem::remove(m_folder->UsersPath() / "Anna");
  QCOMPARE(::raise(SIGTERM), 0);
  QTRY_VERIFY(!m_frame->isVisible());
  const std::optional<DayEntries> day = ReadDayFile(m_folder->DayPath("Anna", kDateText));
  QVERIFY(day.has_value());
  QCOMPARE(QString::fromStdString(day->meals[2]), QStringLiteral("5"));
}

void TerminationSignalsTest::earlierDispositionsComeBack() {
  MakeFrame();
  struct sigaction before{};
  QCOMPARE(::sigaction(SIGHUP, nullptr, &before), 0);
  {
    TerminationSignals handler(m_frame.get());
    QVERIFY(handler.IsInstalled());
    // One instance at a time: a second one installs nothing.
    TerminationSignals second(m_frame.get());
    QVERIFY(!second.IsInstalled());
  }
  struct sigaction after{};
  QCOMPARE(::sigaction(SIGHUP, nullptr, &after), 0);
  QCOMPARE(reinterpret_cast<void*>(after.sa_handler), reinterpret_cast<void*>(before.sa_handler));
  QVERIFY(m_frame->isVisible());
}

QTEST_MAIN(TerminationSignalsTest)
#include "termination_signals_test.moc"
