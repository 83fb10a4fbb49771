#include <QApplication>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "diary/day_file.h"
#include "graphs/ui/graph_dialog.h"
#include "support/ui/form_fixture.h"

using namespace vesmira;
using vesmira::testing::FrameFixture;
using vesmira::testing::Meals;
using vesmira::testing::WithNextModal;

namespace {

// What a graph window was opened with, and over which window.
struct OpenedGraph {
  QString title;
  GraphPoints points;
  QWidget* owner = nullptr;
};

std::vector<std::int32_t> Repeated(std::size_t count, std::int32_t value) {
  return std::vector<std::int32_t>(count, value);
}

}  // namespace

class GraphCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { m_form = std::make_unique<FrameFixture>(); }
  void cleanup() { m_form.reset(); }

  void buttonsAreServedAndMonthlyIsChosenAtStart();
  void windowShowsTheSpanOldestFirst_data();
  void windowShowsTheSpanOldestFirst();
  void withoutDayFilesEveryValueIsTheMissingDaysValue_data();
  void withoutDayFilesEveryValueIsTheMissingDaysValue();
  void storedDayWithoutEnergyIsDrawnAtZero();
  void negativeStoredTrainingIsDrawnAsItsSize();
  void switchingGraphsRefillsEveryValue();
  void radiosAloneDrawNothing();
  void graphRunsCalculateInFull();

 private:
  // Presses the button and takes what the window it opens was given, closing the window.
  std::optional<OpenedGraph> Open(const char* button);
  // Day files away from the span, so the span holds none: the form moves to a day of
  // another year, and the day it left is removed again.
  void LeaveNoDayFileInTheSpan();

  std::unique_ptr<FrameFixture> m_form;
};

std::optional<OpenedGraph> GraphCommandsTest::Open(const char* button) {
  std::optional<OpenedGraph> opened;
  WithNextModal<CGraphDialog>(
      [&] { m_form->Click(button); },
      [&opened](CGraphDialog& dialog) {
        opened = OpenedGraph{dialog.Title(), dialog.Points(), dialog.parentWidget()};
      });
  return opened;
}

void GraphCommandsTest::LeaveNoDayFileInTheSpan() {
  m_form->ShowDate({2028, 6, 1});
  std::filesystem::remove(m_form->folder.DayPath("Anna", "06-12-2026"));
}

void GraphCommandsTest::buttonsAreServedAndMonthlyIsChosenAtStart() {
  m_form->folder.AddUser("Anna", 2000);
  m_form->Start();
  for (const char* name : {"calorieGraphButton", "trainingGraphButton"}) {
    QVERIFY(m_form->Find<QPushButton>(name)->isEnabled());
  }
  QVERIFY(m_form->Find<QRadioButton>("monthlyRadio")->isChecked());
  QCOMPARE(m_form->View().Document().GraphSpan(), 31);
}

void GraphCommandsTest::windowShowsTheSpanOldestFirst_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("radio");
  QTest::addColumn<int>("count");
  QTest::addColumn<QString>("title");
  QTest::addColumn<int>("fourthOfDecember");
  QTest::newRow("calorie, monthly")
      << QStringLiteral("calorieGraphButton") << QStringLiteral("monthlyRadio") << 31
      << QStringLiteral("Calorie Eaten") << 1900;
  QTest::newRow("calorie, yearly")
      << QStringLiteral("calorieGraphButton") << QStringLiteral("yearlyRadio") << 365
      << QStringLiteral("Calorie Eaten") << 1900;
  QTest::newRow("training, monthly")
      << QStringLiteral("trainingGraphButton") << QStringLiteral("monthlyRadio") << 31
      << QStringLiteral("Calorie consumption by training") << 0;
  QTest::newRow("training, yearly")
      << QStringLiteral("trainingGraphButton") << QStringLiteral("yearlyRadio") << 365
      << QStringLiteral("Calorie consumption by training") << 0;
}

void GraphCommandsTest::windowShowsTheSpanOldestFirst() {
  QFETCH(QString, button);
  QFETCH(QString, radio);
  QFETCH(int, count);
  QFETCH(QString, title);
  QFETCH(int, fourthOfDecember);
  m_form->folder.AddUser("Anna", 2000);
  m_form->folder.WriteDay("Anna", "04-12-2026", Meals({"1900"}));
  m_form->Start();
  m_form->Type("breakfastEdit", QStringLiteral("2400"));
  m_form->Type("runningMinutesEdit", QStringLiteral("10"));
  m_form->Click(qPrintable(radio));

  const std::optional<OpenedGraph> graph = Open(button.toLatin1().constData());

  QVERIFY(graph.has_value());
  QCOMPARE(graph->title, title);
  QCOMPARE(graph->owner, static_cast<QWidget*>(&m_form->View()));
  const auto n = static_cast<std::size_t>(count);
  QCOMPARE(graph->points.values.size(), n);
  QCOMPARE(graph->points.labels.size(), n);
  QCOMPARE(graph->points.labels.back(), std::string("06/12"));
  QCOMPARE(graph->points.labels[n - 2], std::string("05/12"));
  QCOMPARE(graph->points.labels.front(), std::string(count == 31 ? "06/11" : "07/12"));
  QCOMPARE(graph->points.values[n - 3], fourthOfDecember);
  // Today's point is the day on the form, stored before the values were collected.
  const std::int32_t training = m_form->Text("trainingEdit").toInt();
  QVERIFY(training > 0);
  QCOMPARE(graph->points.values.back(),
           title == QStringLiteral("Calorie Eaten") ? 2400 - training : training);
}

void GraphCommandsTest::withoutDayFilesEveryValueIsTheMissingDaysValue_data() {
  QTest::addColumn<QString>("button");
  QTest::addColumn<QString>("radio");
  QTest::addColumn<int>("count");
  QTest::addColumn<int>("value");
  QTest::newRow("calorie, monthly")
      << QStringLiteral("calorieGraphButton") << QStringLiteral("monthlyRadio") << 31 << 2000;
  QTest::newRow("calorie, yearly")
      << QStringLiteral("calorieGraphButton") << QStringLiteral("yearlyRadio") << 365 << 2000;
  QTest::newRow("training, yearly")
      << QStringLiteral("trainingGraphButton") << QStringLiteral("yearlyRadio") << 365 << 0;
}

void GraphCommandsTest::withoutDayFilesEveryValueIsTheMissingDaysValue() {
  QFETCH(QString, button);
  QFETCH(QString, radio);
  QFETCH(int, count);
  QFETCH(int, value);
  m_form->folder.AddUser("Anna", 2000);
  m_form->Start();
  LeaveNoDayFileInTheSpan();
  m_form->Click(qPrintable(radio));

  const std::optional<OpenedGraph> graph = Open(button.toLatin1().constData());

  QVERIFY(graph.has_value());
  QCOMPARE(graph->points.values, Repeated(static_cast<std::size_t>(count), value));
  QCOMPARE(graph->points.labels.front(), std::string(count == 31 ? "06/11" : "07/12"));
}

// The days a person opened and left without eating are drawn as they are, not as normal days.
void GraphCommandsTest::storedDayWithoutEnergyIsDrawnAtZero() {
  m_form->folder.AddUser("Anna", 2000);
  m_form->folder.WriteDay("Anna", "20-11-2026", Meals({}));
  m_form->folder.WriteDay("Anna", "20-03-2026", Meals({}));
  m_form->Start();
  LeaveNoDayFileInTheSpan();
  m_form->Click("yearlyRadio");

  const std::optional<OpenedGraph> graph = Open("calorieGraphButton");

  QVERIFY(graph.has_value());
  std::vector<std::int32_t> expected = Repeated(365, 2000);
  expected[364 - 16] = 0;   // 20 November, day 16
  expected[364 - 261] = 0;  // 20 March, day 261
  QCOMPARE(graph->points.values, expected);
  QCOMPARE(graph->points.labels[364 - 261], std::string("20/03"));
}

void GraphCommandsTest::negativeStoredTrainingIsDrawnAsItsSize() {
  m_form->folder.AddUser("Anna", 2000);
  QVERIFY(
      !WriteDayFile(m_form->folder.DayPath("Anna", "03-12-2026"), Meals({"1500"}), "1500", "-350"));
  QVERIFY(
      !WriteDayFile(m_form->folder.DayPath("Anna", "01-09-2026"), Meals({"1500"}), "1500", "-90"));
  m_form->Start();
  LeaveNoDayFileInTheSpan();
  m_form->Click("yearlyRadio");

  const std::optional<OpenedGraph> graph = Open("trainingGraphButton");

  QVERIFY(graph.has_value());
  std::vector<std::int32_t> expected = Repeated(365, 0);
  expected[364 - 3] = 350;  // 3 December
  expected[364 - 96] = 90;  // 1 September
  QCOMPARE(graph->points.values, expected);
}

// Each graph command fills the whole year again, stored days or not.
void GraphCommandsTest::switchingGraphsRefillsEveryValue() {
  m_form->folder.AddUser("Anna", 2000);
  QVERIFY(
      !WriteDayFile(m_form->folder.DayPath("Anna", "01-05-2026"), Meals({"2500"}), "2500", "400"));
  m_form->Start();
  LeaveNoDayFileInTheSpan();
  m_form->Click("yearlyRadio");
  const std::size_t firstOfMay = 364 - 219;

  const std::optional<OpenedGraph> calorie = Open("calorieGraphButton");
  const std::optional<OpenedGraph> training = Open("trainingGraphButton");
  const std::optional<OpenedGraph> calorieAgain = Open("calorieGraphButton");

  QVERIFY(calorie && training && calorieAgain);
  std::vector<std::int32_t> expected = Repeated(365, 2000);
  expected[firstOfMay] = 2100;
  QCOMPARE(calorie->points.values, expected);
  expected = Repeated(365, 0);
  expected[firstOfMay] = 400;
  QCOMPARE(training->points.values, expected);
  QCOMPARE(calorieAgain->points.values, calorie->points.values);
}

void GraphCommandsTest::radiosAloneDrawNothing() {
  m_form->folder.AddUser("Anna", 2000);
  m_form->Start();
  m_form->Click("yearlyRadio");
  QCOMPARE(m_form->View().Document().GraphSpan(), 365);
  m_form->Click("monthlyRadio");
  QCOMPARE(m_form->View().Document().GraphSpan(), 31);

  // A window opened by a radio would have blocked in its exec() until now.
  QVERIFY(!QApplication::activeModalWidget());
  QCOMPARE(m_form->Text("kcalChangeDayEdit"), QString());
  QVERIFY(!std::filesystem::exists(m_form->folder.DayPath("Anna", "06-12-2026")));
  const std::optional<OpenedGraph> graph = Open("calorieGraphButton");
  QVERIFY(graph.has_value());
  QCOMPARE(graph->points.values.size(), std::size_t{31});
}

void GraphCommandsTest::graphRunsCalculateInFull() {
  m_form->folder.AddUser("Anna", 2000);
  m_form->folder.WriteDay("Anna", "01-12-2026", Meals({"2300"}));
  m_form->Start();
  m_form->Type("breakfastEdit", QStringLiteral("2100"));

  QVERIFY(Open("trainingGraphButton").has_value());

  QCOMPARE(m_form->Text("kcalChangeDayEdit"), QStringLiteral("100"));
  QCOMPARE(m_form->Text("kcalChangeWeekEdit"), QStringLiteral("400"));
  QCOMPARE(m_form->Text("kcalChangeYearEdit"), QStringLiteral("400"));
  QCOMPARE(ReadDayTotals(m_form->folder.DayPath("Anna", "06-12-2026"))->energySum, 2100);
}

QTEST_MAIN(GraphCommandsTest)
#include "graph_commands_test.moc"
