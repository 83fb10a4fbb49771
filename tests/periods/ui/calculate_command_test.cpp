#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <array>
#include <memory>

#include "diary/day_file.h"
#include "diary/energy_model.h"
#include "diary/ui/day_question.h"
#include "support/ui/form_fixture.h"

using namespace vesmira;
using vesmira::testing::FrameFixture;
using vesmira::testing::Meals;

namespace {

const QColor kGain(250, 100, 80);
const QColor kNoGain(150, 195, 140);

QColor Background(const QLineEdit* field) { return field->palette().color(QPalette::Base); }

constexpr std::array<const char*, 12> kResultFields{
    "kcalChangeDayEdit",   "kcalChangeWeekEdit",   "kcalChangeMonthEdit",   "kcalChangeYearEdit",
    "weightChangeDayEdit", "weightChangeWeekEdit", "weightChangeMonthEdit", "weightChangeYearEdit",
    "trainingKcalDayEdit", "trainingKcalWeekEdit", "trainingKcalMonthEdit", "trainingKcalYearEdit"};

}  // namespace

class CalculateCommandTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { m_form = std::make_unique<FrameFixture>(); }
  void cleanup() { m_form.reset(); }

  void buttonIsServedByTheMainFrame();
  void dayOnTheFormGainsInKilogramsOrPounds_data();
  void dayOnTheFormGainsInKilogramsOrPounds();
  void dayShownIsStoredBeforeThePeriodsAreWalked();
  void periodsEndOnTheFormsTodayWhateverDateIsShown();
  void calculatingTwiceGivesTheSameResults();
  void failedSaveIsReportedAndThePeriodsStillShown();

 private:
  QStringList Results() const {
    QStringList texts;
    for (const char* field : kResultFields) texts.append(m_form->Text(field));
    return texts;
  }

  std::unique_ptr<FrameFixture> m_form;
};

void CalculateCommandTest::buttonIsServedByTheMainFrame() {
  m_form->Start();
  auto* button = m_form->Find<QPushButton>("calculateButton");
  QVERIFY(button->isEnabled());
  QCOMPARE(button->text(), QStringLiteral("&Calculate"));
  QCOMPARE(Results(), QStringList(static_cast<qsizetype>(kResultFields.size()), QString()));
}

void CalculateCommandTest::dayOnTheFormGainsInKilogramsOrPounds_data() {
  QTest::addColumn<bool>("kilograms");
  QTest::addColumn<QString>("weight");
  QTest::newRow("kilograms") << true << QStringLiteral("0.028571");
  QTest::newRow("pounds") << false << QStringLiteral("0.062989");
}

// 2500 eaten, 300 trained, a normal consumption of 2000: 200 kcal above it.
void CalculateCommandTest::dayOnTheFormGainsInKilogramsOrPounds() {
  QFETCH(bool, kilograms);
  QFETCH(QString, weight);
  m_form->folder.AddUser("Anna", 2000, 1800, kilograms);
  m_form->Start();
  m_form->Type("breakfastEdit", QStringLiteral("2500"));
  m_form->Type("otherKcalEdit", QStringLiteral("300"));
  QCOMPARE(m_form->Text("trainingEdit"), QStringLiteral("300"));

  m_form->Click("calculateButton");

  // Today is the only stored day: its energy sum of 2200 is 200 above the normal too.
  for (const char* period : {"Day", "Week", "Month", "Year"}) {
    const QByteArray kcal = QByteArray("kcalChange") + period + "Edit";
    const QByteArray weightField = QByteArray("weightChange") + period + "Edit";
    const QByteArray training = QByteArray("trainingKcal") + period + "Edit";
    QCOMPARE(m_form->Text(kcal.constData()), QStringLiteral("200"));
    QCOMPARE(m_form->Text(weightField.constData()), weight);
    QCOMPARE(Background(m_form->Field(weightField.constData())), kGain);
    QCOMPARE(m_form->Text(training.constData()), QStringLiteral("300"));
  }
  QVERIFY(m_form->prompts.messages.isEmpty());
}

void CalculateCommandTest::dayShownIsStoredBeforeThePeriodsAreWalked() {
  m_form->folder.AddUser("Anna", 2000);
  // What an earlier session left for today is replaced by what the form shows now.
  m_form->folder.WriteDay("Anna", "06-12-2026", Meals({"3000"}));
  m_form->Start();
  m_form->Type("breakfastEdit", QStringLiteral("2300"));
  const std::filesystem::path today = m_form->folder.DayPath("Anna", "06-12-2026");

  m_form->Click("calculateButton");

  const std::optional<DayTotals> totals = ReadDayTotals(today);
  QVERIFY(totals.has_value());
  QCOMPARE(totals->energySum, 2300);
  QCOMPARE(m_form->Text("kcalChangeWeekEdit"), QStringLiteral("300"));
  QCOMPARE(m_form->Text("kcalChangeMonthEdit"), QStringLiteral("300"));
  QCOMPARE(m_form->Text("kcalChangeYearEdit"), QStringLiteral("300"));
}

// The week that ends on 6 December starts on 30 November; the form shows a day of the
// month before, whose values make the Day column only.
void CalculateCommandTest::periodsEndOnTheFormsTodayWhateverDateIsShown() {
  m_form->folder.AddUser("Anna", 2000);
  m_form->folder.WriteDay("Anna", "30-11-2026", Meals({"2300"}));
  m_form->folder.WriteDay("Anna", "29-11-2026", Meals({"2700"}));
  m_form->folder.WriteDay("Anna", "06-11-2026", Meals({"2100"}));
  m_form->folder.WriteDay("Anna", "01-10-2026", Meals({"2400"}));
  m_form->Start();
  m_form->ShowDate({2026, 11, 6});
  QCOMPARE(m_form->Text("breakfastEdit"), QStringLiteral("2100"));
  m_form->Type("breakfastEdit", QStringLiteral("1500"));

  m_form->Click("calculateButton");

  QCOMPARE(m_form->Text("kcalChangeDayEdit"), QStringLiteral("-500"));
  QCOMPARE(m_form->Text("weightChangeDayEdit"), QStringLiteral("-0.071429"));
  QCOMPARE(Background(m_form->Field("weightChangeDayEdit")), kNoGain);
  // Today's empty day, stored when the date moved, adds nothing.
  QCOMPARE(m_form->Text("kcalChangeWeekEdit"), QStringLiteral("300"));
  // 6 November is day 30 of the month: the form's 1500 counts there.
  QCOMPARE(m_form->Text("kcalChangeMonthEdit"), QStringLiteral("500"));
  QCOMPARE(m_form->Text("weightChangeMonthEdit"), QStringLiteral("0.071429"));
  QCOMPARE(m_form->Text("kcalChangeYearEdit"), QStringLiteral("900"));
  QCOMPARE(m_form->Text("weightChangeYearEdit"), QStringLiteral("0.128571"));
  QCOMPARE(Background(m_form->Field("weightChangeYearEdit")), kGain);
  QCOMPARE(ReadDayTotals(m_form->folder.DayPath("Anna", "06-11-2026"))->energySum, 1500);
}

void CalculateCommandTest::calculatingTwiceGivesTheSameResults() {
  m_form->folder.AddUser("Anna", 2000);
  m_form->folder.WriteDay("Anna", "01-12-2026", Meals({"2600"}));
  m_form->folder.WriteDay("Anna", "01-06-2026", Meals({"1400"}));
  m_form->Start();
  m_form->Type("lunchEdit", QStringLiteral("2100"));
  m_form->Type("runningMinutesEdit", QStringLiteral("20"));

  m_form->Click("calculateButton");
  const QStringList first = Results();
  m_form->Click("calculateButton");
  const QStringList second = Results();

  QCOMPARE(second, first);
  QVERIFY(!first.contains(QString()));
  QCOMPARE(m_form->Text("trainingKcalDayEdit"), m_form->Text("trainingEdit"));
}

void CalculateCommandTest::failedSaveIsReportedAndThePeriodsStillShown() {
  m_form->folder.AddUser("Anna", 2000);
  m_form->folder.WriteDay("Anna", "05-12-2026", Meals({"2400"}));
  m_form->Start();
  m_form->Type("breakfastEdit", QStringLiteral("2500"));
  // A folder where today's file would go: the day cannot be stored.
  std::filesystem::create_directories(m_form->folder.DayPath("Anna", "06-12-2026"));

  m_form->Click("calculateButton");

  // Told over the form, where it stays; no box takes the keys typed meanwhile.
  QVERIFY(m_form->prompts.messages.isEmpty());
  QVERIFY(m_form->Find<CDayQuestion>("dayQuestion")->Text().contains(QStringLiteral("06-12-2026")));
  QCOMPARE(m_form->Text("kcalChangeDayEdit"), QStringLiteral("500"));
  QCOMPARE(m_form->Text("kcalChangeWeekEdit"), QStringLiteral("400"));
  QCOMPARE(m_form->Text("breakfastEdit"), QStringLiteral("2500"));
}

QTEST_MAIN(CalculateCommandTest)
#include "calculate_command_test.moc"
