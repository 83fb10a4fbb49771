#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>
#include <optional>

#include "diary/day_file.h"
#include "graphs/ui/graph_dialog.h"
#include "support/ui/form_fixture.h"

using namespace vesmira;
using vesmira::testing::FrameFixture;
using vesmira::testing::Meals;
using vesmira::testing::ReadBytes;
using vesmira::testing::WithNextModal;

namespace {

DayEntries Weighed(const char* breakfast, std::optional<double> kilograms) {
  DayEntries entries = Meals({breakfast});
  entries.vikt = kilograms;
  return entries;
}

}  // namespace

class WeightFieldTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { m_form = std::make_unique<FrameFixture>(); }
  void cleanup() { m_form.reset(); }

  void weighingIsStoredInKilogramsAndShownAgain_data();
  void weighingIsStoredInKilogramsAndShownAgain();
  void aChangedUnitShowsTheSameWeightInTheNewUnit();
  void aTypedWeightIsSavedWithTheDaysTyping();
  void calculateShowsTheMeasuredChangeAndTheRealConsumption();
  void withoutTwoWeighingsThereIsNotEnoughData();
  void weightGraphShowsTheWeighingsAndTheirTrend();

 private:
  // The week of the trend's worked example, on the form's today (6 December 2026): weighed
  // 80.0 on 30 November, 79.0 on 3 December and 78.0 today, typed on the form; 2000 kcal
  // eaten on each of those days but 5 December, which has no file.
  void StoreTheWeek();
  QString Stored(const char* dateText) const {
    return QString::fromStdString(ReadBytes(m_form->folder.DayPath("Anna", dateText)));
  }

  std::unique_ptr<FrameFixture> m_form;
};

void WeightFieldTest::weighingIsStoredInKilogramsAndShownAgain_data() {
  QTest::addColumn<bool>("kilograms");
  QTest::addColumn<QString>("typed");
  QTest::addColumn<QString>("entry");
  QTest::addColumn<QString>("shown");
  QTest::newRow("kilograms with a comma")
      << true << QStringLiteral("72,5") << QStringLiteral("vikt\r\n72.5\r\n\r\ndiaryNote")
      << QStringLiteral("72.5");
  QTest::newRow("pounds") << false << QStringLiteral("160.4")
                          << QStringLiteral("vikt\r\n72.7562\r\n\r\ndiaryNote")
                          << QStringLiteral("160.4");
  QTest::newRow("no weighing") << true << QString() << QStringLiteral("diaryNote") << QString();
}

void WeightFieldTest::weighingIsStoredInKilogramsAndShownAgain() {
  QFETCH(bool, kilograms);
  QFETCH(QString, typed);
  QFETCH(QString, entry);
  QFETCH(QString, shown);
  m_form->folder.AddUser("Anna", 2000, 1800, kilograms);
  m_form->Start();
  QCOMPARE(m_form->Find<QLabel>("weightUnitLabel")->text(),
           kilograms ? QStringLiteral("kg") : QStringLiteral("lbs"));
  QCOMPARE(m_form->Text("weightEdit"), QString());
  m_form->Type("weightEdit", typed);

  m_form->ShowDate({2026, 12, 7});
  QCOMPARE(m_form->Text("weightEdit"), QString());
  QVERIFY2(Stored("06-12-2026").contains(QStringLiteral("dagBortTrandade\r\n0\r\n\r\n") + entry),
           qPrintable(Stored("06-12-2026")));
  m_form->ShowDate({2026, 12, 6});
  QCOMPARE(m_form->Text("weightEdit"), shown);
}

// The person weighed in kilograms, then chose pounds in Properties: the field shows the same
// weight in pounds, so the day is not stored as 72.5 lbs (32.9 kg), and the weight is kept
// to its last decimal, not taken back from the pounds shown.
void WeightFieldTest::aChangedUnitShowsTheSameWeightInTheNewUnit() {
  m_form->folder.AddUser("Anna", 2000, 1800, true);
  m_form->Start();
  m_form->Type("weightEdit", QStringLiteral("72.5"));
  m_form->View().Settings().poundFlag = 0;
  m_form->View().UpdateBalance();
  QCOMPARE(m_form->Text("weightEdit"), QStringLiteral("159.835"));
  QCOMPARE(m_form->Find<QLabel>("weightUnitLabel")->text(), QStringLiteral("lbs"));
  QCOMPARE(m_form->Find<QLabel>("trendCaptionLabel")->text(),
           QStringLiteral("Measured change (lbs)"));
  QVERIFY(m_form->View().SaveDay());
  QVERIFY(Stored("06-12-2026").contains(QStringLiteral("vikt\r\n72.5\r\n")));
}

void WeightFieldTest::aTypedWeightIsSavedWithTheDaysTyping() {
  m_form->folder.AddUser("Anna", 2000, 1800, true);
  m_form->Start();
  QVERIFY(!m_form->View().HasUnsavedChanges());
  m_form->Type("weightEdit", QStringLiteral("72.5"));
  QVERIFY(m_form->View().HasUnsavedChanges());
  m_form->View().SaveTypingNow();
  QTRY_VERIFY(!m_form->View().HasUnsavedChanges() && !m_form->View().IsSavingInBackground());
  QVERIFY(Stored("06-12-2026").contains(QStringLiteral("vikt\r\n72.5\r\n")));
}

void WeightFieldTest::StoreTheWeek() {
  m_form->folder.AddUser("Anna", 2200);
  m_form->folder.WriteDay("Anna", "30-11-2026", Weighed("2000", 80.0));
  m_form->folder.WriteDay("Anna", "01-12-2026", Weighed("2000", std::nullopt));
  m_form->folder.WriteDay("Anna", "02-12-2026", Weighed("2000", std::nullopt));
  m_form->folder.WriteDay("Anna", "03-12-2026", Weighed("2000", 79.0));
  m_form->folder.WriteDay("Anna", "04-12-2026", Weighed("2000", std::nullopt));
  m_form->Start();
  m_form->Type("breakfastEdit", QStringLiteral("2000"));
  m_form->Type("weightEdit", QStringLiteral("78"));
}

void WeightFieldTest::calculateShowsTheMeasuredChangeAndTheRealConsumption() {
  StoreTheWeek();
  const QStringList fields{QStringLiteral("trendChange%1Edit"),
                           QStringLiteral("realConsumption%1Edit")};
  const QStringList periods{QStringLiteral("Week"), QStringLiteral("Month"),
                            QStringLiteral("Year")};
  m_form->Click("calculateButton");
  // The trend fell from 80.0 to 79.71; (6 x 2000 + 0.29 x 7000) / 6 = 2338 kcal a day.
  for (const QString& period : periods) {
    QCOMPARE(m_form->Text(qPrintable(fields[0].arg(period))), QStringLiteral("-0.290000"));
    QCOMPARE(m_form->Text(qPrintable(fields[1].arg(period))), QStringLiteral("2338"));
  }
  // The settings' 2200 kcal a day would have lost 6 x 200 kcal, 0.17 kg.
  QCOMPARE(m_form->Text("weightChangeWeekEdit"), QStringLiteral("-0.171429"));
}

void WeightFieldTest::withoutTwoWeighingsThereIsNotEnoughData() {
  m_form->folder.AddUser("Anna", 2200);
  m_form->Start();
  m_form->Type("weightEdit", QStringLiteral("78"));
  QCOMPARE(m_form->Text("trendChangeWeekEdit"), QString());
  m_form->Click("calculateButton");
  for (const char* field :
       {"trendChangeWeekEdit", "trendChangeMonthEdit", "trendChangeYearEdit",
        "realConsumptionWeekEdit", "realConsumptionMonthEdit", "realConsumptionYearEdit"}) {
    QCOMPARE(m_form->Text(field), QStringLiteral("not enough data"));
  }
}

void WeightFieldTest::weightGraphShowsTheWeighingsAndTheirTrend() {
  StoreTheWeek();
  auto* button = m_form->Find<QPushButton>("weightGraphButton");
  QVERIFY(button->isEnabled());
  QCOMPARE(button->text(), QStringLiteral("Weight Graph"));
  std::optional<WeightGraphPoints> points;
  QString title;
  QVERIFY(WithNextModal<CGraphDialog>([&] { m_form->Click("weightGraphButton"); },
                                      [&](CGraphDialog& dialog) {
                                        points = dialog.WeightPoints();
                                        title = dialog.Title();
                                      }));
  QCOMPARE(title, QStringLiteral("Weight and trend"));
  QVERIFY(points);
  QCOMPARE(points->weighings.size(), std::size_t{31});
  // Oldest first: today is point 30, 30 November point 24.
  QCOMPARE(points->labels[24], std::string("30/11"));
  QCOMPARE(points->weighings[24], std::optional<double>(80.0));
  QCOMPARE(points->weighings[25], std::optional<double>());
  QCOMPARE(points->weighings[27], std::optional<double>(79.0));
  QCOMPARE(points->weighings[30], std::optional<double>(78.0));
  QCOMPARE(points->trend[23], std::optional<double>());
  QVERIFY(points->trend[30] && qAbs(*points->trend[30] - 79.71) < 1e-9);
}

QTEST_MAIN(WeightFieldTest)
#include "weight_field_test.moc"
