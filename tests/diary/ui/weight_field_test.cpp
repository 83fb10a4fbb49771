#include <QLabel>
#include <QLineEdit>
#include <QLocale>
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
  void aStoredValueThatIsNoWeighingIsNamedAndKept();
  void calculateShowsTheMeasuredChangeAndTheRealConsumption();
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
  QTest::addColumn<QString>("locale");
  QTest::addColumn<QStringList>("typed");  // each text replaces the one before
  QTest::addColumn<QString>("entry");
  QTest::addColumn<QString>("shown");
  QTest::addColumn<bool>("refused");
  const QString c = QStringLiteral("C");
  const auto row = [](const char* name) { return &QTest::newRow(name); };
  *row("kilograms with a comma") << true << c << QStringList{QStringLiteral("72,5")}
                                 << QStringLiteral("vikt\r\n72.5\r\n\r\ndiaryNote")
                                 << QStringLiteral("72.5") << false;
  *row("pounds") << false << c << QStringList{QStringLiteral("160.4")}
                 << QStringLiteral("vikt\r\n72.7562\r\n\r\ndiaryNote") << QStringLiteral("160.4")
                 << false;
  *row("no weighing") << true << c << QStringList{QString()} << QStringLiteral("diaryNote")
                      << QString() << false;
  *row("a comma shows back where numbers take one")
      << true << QStringLiteral("de_DE") << QStringList{QStringLiteral("78,35")}
      << QStringLiteral("vikt\r\n78.35\r\n\r\ndiaryNote") << QStringLiteral("78,35") << false;
  *row("too light") << true << c << QStringList{QStringLiteral("7")}
                    << QStringLiteral("dagBortTrandade\r\n0\r\n\r\ndiaryNote") << QString() << true;
  *row("too heavy in pounds") << false << c << QStringList{QStringLiteral("1200")}
                              << QStringLiteral("dagBortTrandade\r\n0\r\n\r\ndiaryNote")
                              << QString() << true;
  *row("a slip over a weighing keeps it")
      << true << c << QStringList{QStringLiteral("72.5"), QStringLiteral("7")}
      << QStringLiteral("vikt\r\n72.5\r\n\r\ndiaryNote") << QStringLiteral("72.5") << true;
  *row("emptied") << true << c << QStringList{QStringLiteral("72.5"), QString()}
                  << QStringLiteral("dagBortTrandade\r\n0\r\n\r\ndiaryNote") << QString() << false;
}

void WeightFieldTest::weighingIsStoredInKilogramsAndShownAgain() {
  QFETCH(bool, kilograms);
  QFETCH(QString, locale);
  QFETCH(QStringList, typed);
  QFETCH(QString, entry);
  QFETCH(QString, shown);
  QFETCH(bool, refused);
  QLocale::setDefault(QLocale(locale));
  m_form->folder.AddUser("Anna", 2000, 1800, kilograms);
  m_form->Start();
  QCOMPARE(m_form->Find<QLabel>("weightUnitLabel")->text(),
           kilograms ? QStringLiteral("kg") : QStringLiteral("lbs"));
  QCOMPARE(m_form->Text("weightEdit"), QString());
  for (const QString& text : typed) {
    // Typed over the whole text, as after Ctrl+A: the field never passes through empty.
    auto* field = m_form->Find<QLineEdit>("weightEdit");
    field->selectAll();
    if (text.isEmpty()) field->del();
    m_form->Type("weightEdit", text);
    QTest::keyClick(field, Qt::Key_Return);
  }
  const auto* message = m_form->Find<QLabel>("weightMessageLabel");
  QCOMPARE(message->isVisibleTo(message->window()), refused);
  if (refused) {
    QCOMPARE(message->text(), kilograms
                                  ? QStringLiteral("Not stored: a weighing is from 20 to 500 kg.")
                                  : QStringLiteral("Not stored: a weighing is from 44.1 to "
                                                   "1102.3 lbs."));
  }

  m_form->ShowDate({2026, 12, 7});
  QCOMPARE(m_form->Text("weightEdit"), QString());
  QVERIFY2(Stored("06-12-2026").contains(entry), qPrintable(Stored("06-12-2026")));
  m_form->ShowDate({2026, 12, 6});
  QCOMPARE(m_form->Text("weightEdit"), shown);
  QLocale::setDefault(QLocale::c());
}

// The person weighed in kilograms, then chose pounds in Properties: the field shows the same
// weight in pounds, so the day is not stored as 72.5 lbs (32.9 kg), and the weight is kept
// to its last decimal, not taken back from the pounds shown.
void WeightFieldTest::aChangedUnitShowsTheSameWeightInTheNewUnit() {
  m_form->folder.AddUser("Anna", 2000, 1800, true);
  m_form->Start();
  m_form->Type("weightEdit", QStringLiteral("72.5"));
  UserSettings pounds = m_form->View().Document().Settings();
  pounds.poundFlag = 0;
  m_form->View().Document().SetSettings(pounds);
  QCOMPARE(m_form->Text("weightEdit"), QStringLiteral("159.835"));
  QCOMPARE(m_form->Find<QLabel>("weightUnitLabel")->text(), QStringLiteral("lbs"));
  QCOMPARE(m_form->Find<QLabel>("trendCaptionLabel")->text(),
           QStringLiteral("Measured change (lbs)"));
  QVERIFY(m_form->StoreDay());
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

void WeightFieldTest::aStoredValueThatIsNoWeighingIsNamedAndKept() {
  m_form->folder.AddUser("Anna", 2000, 1800, true);
  DayEntries stored = Meals({"100"});
  stored.unreadVikt = "heavy";
  m_form->folder.WriteDay("Anna", "06-12-2026", stored);
  m_form->Start();
  QCOMPARE(m_form->Text("weightEdit"), QString());
  QCOMPARE(m_form->Find<QLabel>("weightMessageLabel")->text(),
           QStringLiteral("The stored weight \"heavy\" could not be read. It is kept as it is "
                          "until you type a weight."));
  m_form->Type("breakfastEdit", QStringLiteral("5"));
  QVERIFY(m_form->StoreDay());
  QVERIFY(Stored("06-12-2026").contains(QStringLiteral("vikt\r\nheavy\r\n")));
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

// The figures are the core's; here only that Calculate puts them in the six fields: three
// weighings in a week are too few to tell.
void WeightFieldTest::calculateShowsTheMeasuredChangeAndTheRealConsumption() {
  StoreTheWeek();
  QCOMPARE(m_form->Text("trendChangeWeekEdit"), QString());
  m_form->Click("calculateButton");
  for (const char* field :
       {"trendChangeWeekEdit", "trendChangeMonthEdit", "trendChangeYearEdit",
        "realConsumptionWeekEdit", "realConsumptionMonthEdit", "realConsumptionYearEdit"}) {
    QCOMPARE(m_form->Text(field), QStringLiteral("weigh at least 6 times"));
  }
  // The settings' 2200 kcal a day would have lost 6 x 200 kcal, 0.17 kg.
  QCOMPARE(m_form->Text("weightChangeWeekEdit"), QStringLiteral("-0.171429"));
}

void WeightFieldTest::weightGraphShowsTheWeighingsAndTheirTrend() {
  StoreTheWeek();
  auto* button = m_form->Find<QPushButton>("weightGraphButton");
  QVERIFY(button->isEnabled());
  QCOMPARE(button->text(), QStringLiteral("W&eight Graph"));
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
  QVERIFY(points->trend[30] && *points->trend[30] < 80.0 && *points->trend[30] > 78.0);
}

QTEST_MAIN(WeightFieldTest)
#include "weight_field_test.moc"
