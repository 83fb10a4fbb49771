#include "periods/weight_trend.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <optional>

#include "periods/theoretical_result.h"
#include "support/stored_days.h"
#include "support/temp_folder.h"

namespace vesmira {
namespace {

using testing::TempFolder;

constexpr CalendarDate kToday{2027, 3, 10};

DayWeights Weighings(const std::map<int, double>& byDay) {
  DayWeights weighings{};
  for (const auto& [t, kilograms] : byDay) weighings[static_cast<std::size_t>(t)] = kilograms;
  return weighings;
}

StoredEnergy Energy(std::int64_t sum, std::int32_t days) { return {sum, days}; }

// Weighed 80.0 six days ago, 79.0 three days ago and 78.0 today. The trend starts at the first
// weighing and moves a tenth of the way at each later one:
//   days 6 to 4: 80.0;  days 3 to 1: 80.0 + 0.1 * (79.0 - 80.0) = 79.9;
//   today: 79.9 + 0.1 * (78.0 - 79.9) = 79.71.
TEST(WeightTrend, MovesATenthOfTheWayAtEachWeighingAndCarriesOnBetween) {
  const DayWeights trend = ComputeWeightTrend(Weighings({{6, 80.0}, {3, 79.0}, {0, 78.0}}));
  const double expected[] = {79.71, 79.9, 79.9, 79.9, 80.0, 80.0, 80.0};
  for (std::size_t t = 0; t < std::size(expected); ++t) {
    ASSERT_TRUE(trend[t]) << t;
    EXPECT_NEAR(*trend[t], expected[t], 1e-9) << t;
  }
  for (std::size_t t = 7; t < trend.size(); ++t) EXPECT_FALSE(trend[t]) << t;
  EXPECT_EQ(ComputeWeightTrend(DayWeights{}), DayWeights{});
}

// The week of the worked example: the trend fell 80.0 - 79.71 = 0.29 kg, which is 2030 kcal
// the body took from its own stores. Six days with 2000 kcal in minus training each (the
// seventh saved empty, which does not count) give (12000 + 2030) / 6 = 2338.3 kcal a day.
TEST(WeightTrend, MeasuresTheTrendsChangeAndTheConsumptionItImplies) {
  struct Case {
    const char* name;
    std::map<int, double> weighings;
    int length;
    StoredEnergy energy;
    std::optional<double> change;
    std::optional<double> consumption;
  };
  const Case cases[] = {
      {"trend starts in the week",
       {{6, 80.0}, {3, 79.0}, {0, 78.0}},
       7,
       Energy(12000, 6),
       -0.29,
       (12000 + 2030) / 6.0},
      // Day 7 before the week is weighed: the change is from the trend that day, 81.0, to
      // 80.9 + 0.1 * (78.0 - 80.9) = 80.61 today.
      {"trend starts before the week",
       {{10, 81.0}, {6, 80.0}, {0, 78.0}},
       7,
       Energy(14000, 7),
       -0.39,
       (14000 + 2730) / 7.0},
      {"a gain", {{1, 70.0}, {0, 72.0}}, 7, Energy(7000, 2), 0.2, (7000 - 1400) / 2.0},
      {"one weighing in the week",
       {{10, 81.0}, {0, 78.0}},
       7,
       Energy(14000, 7),
       std::nullopt,
       std::nullopt},
      {"no weighing", {}, 365, Energy(14000, 7), std::nullopt, std::nullopt},
      {"no day with energy", {{3, 80.0}, {0, 79.0}}, 7, Energy(0, 0), -0.1, std::nullopt},
      {"the whole year",
       {{364, 90.0}, {0, 80.0}},
       365,
       Energy(700000, 350),
       -1.0,
       (700000 + 7000) / 350.0},
  };
  for (const Case& c : cases) {
    const DayWeights weighings = Weighings(c.weighings);
    const PeriodMeasure measure =
        MeasurePeriod(weighings, ComputeWeightTrend(weighings), c.length, c.energy);
    ASSERT_EQ(measure.trendChangeKg.has_value(), c.change.has_value()) << c.name;
    if (c.change) {
      EXPECT_NEAR(*measure.trendChangeKg, *c.change, 1e-9) << c.name;
    }
    ASSERT_EQ(measure.realConsumption.has_value(), c.consumption.has_value()) << c.name;
    if (c.consumption) {
      EXPECT_NEAR(*measure.realConsumption, *c.consumption, 1e-6) << c.name;
    }
  }
}

TEST(WeightTrend, ShowsKilogramsOrPoundsOrNotEnoughData) {
  const PeriodMeasure loss{-0.29, 2338.33};
  EXPECT_EQ(FormatMeasuredColumn(loss, UserSettings{}),
            (MeasuredColumn{"-0.290000", kGoodColour, "2338"}));
  UserSettings pounds;
  pounds.poundFlag = 0;
  EXPECT_EQ(FormatMeasuredColumn(loss, pounds), (MeasuredColumn{"-0.639341", kGoodColour, "2338"}));
  EXPECT_EQ(FormatMeasuredColumn({0.2, 2799.5}, UserSettings{}),
            (MeasuredColumn{"0.200000", kWarningColour, "2800"}));
  EXPECT_EQ(FormatMeasuredColumn({-0.1, std::nullopt}, UserSettings{}),
            (MeasuredColumn{"-0.100000", kGoodColour, "not enough data"}));
  EXPECT_EQ(FormatMeasuredColumn({}, UserSettings{}),
            (MeasuredColumn{"not enough data", kGoodColour, "not enough data"}));
}

void StoreWeighedDay(const TempFolder& folder, int t, std::int32_t energySum,
                     std::optional<double> kilograms) {
  DayEntries entries = DayEntries::ForMissingDay();
  entries.vikt = kilograms;
  testing::StoreDay(folder.path(), "Anna", AddDays(kToday, -t), entries, FormatNumber(energySum),
                    "0");
}

// Calculate over the worked example's files: the week, the month and the year hold the same
// days, so all three show the same figures, and the series keeps the weighings and the trend.
TEST(WeightTrend, CalculateShowsTheMeasuredFiguresBesideTheTheoreticalOnes) {
  const TempFolder folder;
  StoreWeighedDay(folder, 6, 2000, 80.0);
  StoreWeighedDay(folder, 5, 2000, std::nullopt);
  StoreWeighedDay(folder, 4, 2000, std::nullopt);
  StoreWeighedDay(folder, 3, 2000, 79.0);
  StoreWeighedDay(folder, 2, 2000, std::nullopt);
  StoreWeighedDay(folder, 1, 0, std::nullopt);
  StoreWeighedDay(folder, 0, 2000, 78.0);
  for (const std::int32_t poundFlag : {1, 0}) {
    UserSettings settings;
    settings.grundForbrukning = 2000;
    settings.poundFlag = poundFlag;
    GraphSeries series;
    const TheoreticalResult result =
        CalculateTheoreticalResult({folder.path(), "Anna", settings, kToday}, "0", "0", series);
    const MeasuredColumn expected{poundFlag == 1 ? "-0.290000" : "-0.639341", kGoodColour, "2338"};
    EXPECT_EQ(result.measuredWeek, expected) << poundFlag;
    EXPECT_EQ(result.measuredMonth, expected) << poundFlag;
    EXPECT_EQ(result.measuredYear, expected) << poundFlag;
    EXPECT_EQ(series.dayWeighings, Weighings({{6, 80.0}, {3, 79.0}, {0, 78.0}}));
    ASSERT_TRUE(series.dayTrend[0]);
    EXPECT_NEAR(*series.dayTrend[0], 79.71, 1e-9);
  }

  // Only today weighed: nothing to compare it with.
  const TempFolder once;
  StoreWeighedDay(once, 0, 2000, 78.0);
  GraphSeries series;
  const TheoreticalResult result =
      CalculateTheoreticalResult({once.path(), "Anna", UserSettings{}, kToday}, "0", "0", series);
  const MeasuredColumn notEnough{"not enough data", kGoodColour, "not enough data"};
  EXPECT_EQ(result.measuredWeek, notEnough);
  EXPECT_EQ(result.measuredYear, notEnough);
}

}  // namespace
}  // namespace vesmira
