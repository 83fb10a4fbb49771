#include "periods/theoretical_result.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/stored_days.h"
#include "support/temp_folder.h"

namespace vesmira {
namespace {

using testing::StoreTotals;
using testing::TempFolder;

constexpr CalendarDate kToday{2027, 3, 10};
constexpr std::int32_t kPrefill = -777;

UserSettings Settings(std::int32_t poundFlag = 1) {
  UserSettings settings;
  settings.grundForbrukning = 2000;
  settings.poundFlag = poundFlag;
  return settings;
}

RangeWalkInput InputFor(const TempFolder& folder, std::int32_t poundFlag = 1) {
  return {folder.path(), "Anna", Settings(poundFlag), kToday};
}

ResultColumn Column(std::string kcal, std::string weight, Rgb colour, std::string training) {
  return {std::move(kcal), std::move(weight), colour, std::move(training)};
}

TEST(DayColumn, ShowsTheChangeInKilogramsOrPoundsColouredByItsSign) {
  struct Case {
    const char* energyIn;
    const char* training;
    std::int32_t poundFlag;
    ResultColumn expected;
  };
  const Case cases[] = {
      {"2500", "300", 1, Column("200", "0.028571", kWarningColour, "300")},
      {"2500", "300", 0, Column("200", "0.062989", kWarningColour, "300")},
      {"2300", "300", 1, Column("0", "0.000000", kGoodColour, "300")},
      {"2000", "300", 2, Column("-300", "-0.094484", kGoodColour, "300")},
      // Nothing eaten still subtracts the normal consumption; texts read as atoi reads
      // them, and the training text is shown as it stands.
      {"", " 45kcal", 1, Column("-2045", "-0.292143", kGoodColour, " 45kcal")},
      {"99999999999", "-99999999999", 1,
       Column("2147483647", "306783.378143", kWarningColour, "-99999999999")},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DayColumn(c.energyIn, c.training, Settings(c.poundFlag)), c.expected)
        << c.energyIn << " / " << c.training << " / " << c.poundFlag;
  }
}

TEST(TheoreticalResult, SingleStoredDayTodayCountsInWeekMonthAndYear) {
  const TempFolder folder;
  StoreTotals(folder.path(), "Anna", kToday, 2300, 0);
  GraphSeries series;
  const TheoreticalResult result =
      CalculateTheoreticalResult(InputFor(folder), "2300", "0", series);
  const ResultColumn expected = Column("300", "0.042857", kWarningColour, "0");
  EXPECT_EQ(result.day, expected);
  EXPECT_EQ(result.week, expected);
  EXPECT_EQ(result.month, expected);
  EXPECT_EQ(result.year, expected);
}

TEST(TheoreticalResult, EachPeriodHoldsTheDaysOfItsSpan) {
  const TempFolder folder;
  StoreTotals(folder.path(), "Anna", SpanDay(kToday, 6), 2700, 100);     // last day of the week
  StoreTotals(folder.path(), "Anna", SpanDay(kToday, 7), 1300, 200);     // month only
  StoreTotals(folder.path(), "Anna", SpanDay(kToday, 30), 2070, 0);      // last day of the month
  StoreTotals(folder.path(), "Anna", SpanDay(kToday, 31), 9000, 50);     // year only
  StoreTotals(folder.path(), "Anna", SpanDay(kToday, 3), 0, 480);        // saved without meals
  StoreTotals(folder.path(), "Anna", SpanDay(kToday, 365), 9000, 9000);  // outside every span
  GraphSeries series;
  const TheoreticalResult result =
      CalculateTheoreticalResult(InputFor(folder, 0), "0", "0", series);
  EXPECT_EQ(result.day, Column("-2000", "-0.629893", kGoodColour, "0"));
  EXPECT_EQ(result.week, Column("700", "0.220462", kWarningColour, "580"));
  EXPECT_EQ(result.month, Column("70", "0.022046", kWarningColour, "780"));
  EXPECT_EQ(result.year, Column("7070", "2.226671", kWarningColour, "830"));
}

TEST(TheoreticalResult, NoStoredDaysGivesZeroForEveryPeriod) {
  const TempFolder folder;
  StoreTotals(folder.path(), "Anna", kToday, 0, 0);  // today's empty day, as SaveDay leaves it
  GraphSeries series;
  const TheoreticalResult result = CalculateTheoreticalResult(InputFor(folder), "0", "0", series);
  const ResultColumn zero = Column("0", "0.000000", kGoodColour, "0");
  EXPECT_EQ(result.week, zero);
  EXPECT_EQ(result.month, zero);
  EXPECT_EQ(result.year, zero);
  EXPECT_EQ(result.day.kcalChange, "-2000");
}

TEST(TheoreticalResult, FillsTheGraphSeriesForBothGraphs) {
  const TempFolder folder;
  StoreTotals(folder.path(), "Anna", SpanDay(kToday, 2), 2100, -350);
  StoreTotals(folder.path(), "Anna", SpanDay(kToday, 40), 0, -150);  // saved without meals
  StoreTotals(folder.path(), "Anna", SpanDay(kToday, 100), 1800, 250);
  StoreTotals(folder.path(), "Anna", SpanDay(kToday, 364), -100, 900);
  for (const std::int32_t trainingGraph : {0, 1}) {
    GraphSeries series;
    series.dayValues.fill(kPrefill);
    series.trainingGraph = trainingGraph;
    series.span = kYearSpan;
    CalculateTheoreticalResult(InputFor(folder), "0", "0", series);
    const bool training = trainingGraph != 0;
    // A stored day: its energy sum, or the size of its training energy.
    EXPECT_EQ(series.dayValues[2], training ? 350 : 2100);
    EXPECT_EQ(series.dayValues[40], training ? 150 : 0);
    EXPECT_EQ(series.dayValues[100], training ? 250 : 1800);
    EXPECT_EQ(series.dayValues[364], training ? 900 : -100);
    // A missing day, within the month or before it: normal consumption, or no training.
    for (const int t : {0, 30, 31, 363}) EXPECT_EQ(series.dayValues[t], training ? 0 : 2000) << t;
    EXPECT_EQ(series.dayLabels[0], "10/03");
    EXPECT_EQ(series.dayLabels[9], "01/03");
    EXPECT_EQ(series.dayLabels[10], "28/02");
    EXPECT_EQ(series.dayLabels[364], "11/03");
    EXPECT_EQ(series.trainingGraph, trainingGraph);
    EXPECT_EQ(series.span, kYearSpan);
  }
}

TEST(TheoreticalResult, YearCountsEveryStoredDayAndSaturatesInsteadOfOverflowing) {
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  const TempFolder folder;
  StoreTotals(folder.path(), "Anna", SpanDay(kToday, 364), -100, 900);  // more trained than eaten
  StoreTotals(folder.path(), "Anna", SpanDay(kToday, 40), 0, -150);     // training only
  GraphSeries series;
  EXPECT_EQ(CalculateTheoreticalResult(InputFor(folder), "0", "0", series).year,
            Column("-2100", "-0.300000", kGoodColour, "750"));

  const TempFolder huge;
  for (int t = 0; t < 3; ++t) StoreTotals(huge.path(), "Anna", SpanDay(kToday, t), kMax, kMin);
  GraphSeries training;
  training.trainingGraph = 1;
  const TheoreticalResult result = CalculateTheoreticalResult(InputFor(huge), "0", "0", training);
  EXPECT_EQ(result.year.kcalChange, "2147483647");
  EXPECT_EQ(result.year.training, "-2147483648");
  EXPECT_EQ(training.dayValues[0], kMax);  // the size of the smallest training energy
}

TEST(TheoreticalResult, CalculatingTwiceGivesTheSameResults) {
  const TempFolder folder;
  StoreTotals(folder.path(), "Anna", kToday, 2500, 300);
  StoreTotals(folder.path(), "Anna", SpanDay(kToday, 12), 1700, 600);
  GraphSeries first;
  const TheoreticalResult once = CalculateTheoreticalResult(InputFor(folder), "2500", "300", first);
  GraphSeries second = first;
  const TheoreticalResult twice =
      CalculateTheoreticalResult(InputFor(folder), "2500", "300", second);
  EXPECT_EQ(once, twice);
  EXPECT_EQ(first.dayLabels, second.dayLabels);
  EXPECT_EQ(first.dayValues, second.dayValues);
}

}  // namespace
}  // namespace vesmira
