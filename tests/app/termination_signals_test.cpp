#include "app/termination_signals.h"

#include <signal.h>

#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <memory>

#include "support/ui/form_fixture.h"

using namespace vesmira;
using vesmira::testing::FrameFixture;

namespace {

constexpr const char* kDateText = "06-12-2026";

}  // namespace

class TerminationSignalsTest : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup() { m_form.reset(); }

  void signalClosesTheWindowAndSavesTheDay_data();
  void signalClosesTheWindowAndSavesTheDay();
  void failedSaveAsksAndKeepsTheWindowWhenTheAnswerIsNo();
  void earlierDispositionsComeBack();

 private:
  std::unique_ptr<FrameFixture> m_form;
};

// Anna's day on the window on the screen.
void TerminationSignalsTest::init() {
  m_form = std::make_unique<FrameFixture>();
  m_form->folder.AddUser("Anna");
  m_form->Start();
  QVERIFY(m_form->Show());
}

void TerminationSignalsTest::signalClosesTheWindowAndSavesTheDay_data() {
  QTest::addColumn<int>("signalNumber");
  QTest::newRow("SIGTERM, the session ends") << SIGTERM;
  QTest::newRow("SIGINT, Ctrl+C in the terminal") << SIGINT;
  QTest::newRow("SIGHUP, the terminal goes") << SIGHUP;
}

void TerminationSignalsTest::signalClosesTheWindowAndSavesTheDay() {
  QFETCH(int, signalNumber);
  TerminationSignals handler(&m_form->Frame());
  QVERIFY(handler.IsInstalled());
  QSignalSpy requested(&handler, &TerminationSignals::terminationRequested);

  m_form->Type("breakfastEdit", QStringLiteral("612"));
  m_form->Type("cyclingMinutesEdit", QStringLiteral("3"));
  QVERIFY(!std::filesystem::exists(m_form->folder.DayPath("Anna", kDateText)));

  QCOMPARE(::raise(signalNumber), 0);
  QTRY_VERIFY(!m_form->Frame().isVisible());
  QCOMPARE(requested.size(), 1);
  QCOMPARE(requested.at(0).at(0).toInt(), signalNumber);
  const std::optional<DayEntries> day = ReadDayFile(m_form->folder.DayPath("Anna", kDateText));
  QVERIFY(day.has_value());
  QCOMPARE(QString::fromStdString(day->meals[0]), QStringLiteral("612"));
  QCOMPARE(QString::fromStdString(day->minutes[0]), QStringLiteral("3"));
  QVERIFY(m_form->prompts.messages.isEmpty());
}

void TerminationSignalsTest::failedSaveAsksAndKeepsTheWindowWhenTheAnswerIsNo() {
  TerminationSignals handler(&m_form->Frame());
  m_form->Type("lunchEdit", QStringLiteral("5"));
  // The user's folder is taken by a regular file: no day can be written below it.
  std::filesystem::remove_all(m_form->folder.UsersPath() / "Anna");
  testing::WriteBytes(m_form->folder.UsersPath() / "Anna", "in the way");
  m_form->prompts.nextAnswers = {Prompts::Answer::kNo};

  QCOMPARE(::raise(SIGTERM), 0);
  QTRY_COMPARE(m_form->prompts.messages.size(), 1);
  QVERIFY(m_form->prompts.messages.at(0).text.contains(QStringLiteral("Close anyway?")));
  QVERIFY(m_form->Frame().isVisible());
  QCOMPARE(m_form->Text("lunchEdit"), QStringLiteral("5"));

  // The way clear again, the next signal saves and closes.
  std::filesystem::remove(m_form->folder.UsersPath() / "Anna");
  QCOMPARE(::raise(SIGTERM), 0);
  QTRY_VERIFY(!m_form->Frame().isVisible());
  const std::optional<DayEntries> day = ReadDayFile(m_form->folder.DayPath("Anna", kDateText));
  QVERIFY(day.has_value());
  QCOMPARE(QString::fromStdString(day->meals[2]), QStringLiteral("5"));
}

void TerminationSignalsTest::earlierDispositionsComeBack() {
  struct sigaction before {};
  QCOMPARE(::sigaction(SIGHUP, nullptr, &before), 0);
  {
    TerminationSignals handler(&m_form->Frame());
    QVERIFY(handler.IsInstalled());
    // One instance at a time: a second one installs nothing.
    TerminationSignals second(&m_form->Frame());
    QVERIFY(!second.IsInstalled());
  }
  struct sigaction after {};
  QCOMPARE(::sigaction(SIGHUP, nullptr, &after), 0);
  QCOMPARE(reinterpret_cast<void*>(after.sa_handler), reinterpret_cast<void*>(before.sa_handler));
  QVERIFY(m_form->Frame().isVisible());
}

QTEST_MAIN(TerminationSignalsTest)
#include "termination_signals_test.moc"
