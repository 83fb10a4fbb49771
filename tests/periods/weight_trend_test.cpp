#include "periods/weight_trend.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <optional>
#include <random>
#include <vector>

#include "periods/theoretical_result.h"
#include "support/stored_days.h"
#include "support/temp_folder.h"

namespace vesmira {
namespace {

using testing::TempFolder;

constexpr CalendarDate kToday{2027, 3, 10};

// A year made from the truth: each day x (0 the oldest, 364 today) the person eats food(x)
// and really uses `consumption`, so that the morning's weight is 90 kg plus every earlier
// day's difference at 7000 kcal a kilogram, plus the scales' scatter of `noise` kg.
struct Diary {
  const char* name;
  double consumption;
  std::function<double(int)> food;
  std::function<bool(int)> logged;
  std::function<bool(int)> weighed;
  double noise;
  // Per week, month and year: a reason, or empty for a figure within `tolerance` (or within
  // its own margin, when that is wider) of the truth.
  std::array<std::string_view, 3> reasons;
  double tolerance = 50;
};

void MakeDiary(const Diary& diary, DayWeights& weighings, DayEnergies& energies) {
  std::mt19937 random(7);
  std::normal_distribution<double> scatter(0.0, diary.noise);
  double weight = 90.0;
  for (int x = 0; x < kYearLength; ++x) {
    const auto t = static_cast<std::size_t>(kYearLength - 1 - x);
    weighings[t].reset();
    energies[t].reset();
    if (diary.weighed(x)) weighings[t] = weight + (diary.noise > 0 ? scatter(random) : 0.0);
    if (diary.logged(x)) energies[t] = static_cast<std::int32_t>(diary.food(x));
    weight += (diary.food(x) - diary.consumption) / kKcalPerKilogram;
  }
}

bool Always(int) { return true; }
double Steady(int) { return 2500; }
constexpr int kToday0 = kYearLength - 1;

TEST(WeightTrend, RealConsumptionIsTheTruthOrAReason) {
  const std::string_view kFigure;
  const Diary diaries[] = {
      {"every day logged and weighed", 2500, Steady, Always, Always, 0, {}},
      {"food typed on 4 of 7 days",
       2500,
       Steady,
       [](int x) { return x % 7 < 4; },
       Always,
       0,
       {kNeedsFoodDays, kNeedsFoodDays, kNeedsFoodDays}},
      {"weighing started 60 days ago",
       2500,
       Steady,
       Always,
       [](int x) { return x > kToday0 - 60; },
       0,
       {}},
      {"weighing started 20 days ago",
       2500,
       Steady,
       Always,
       [](int x) { return x > kToday0 - 20; },
       0,
       {}},
      {"a diet begins a week ago",
       2500,
       [](int x) { return x > kToday0 - 7 ? 1800.0 : 2500.0; },
       Always,
       Always,
       0,
       {}},
      {"a diet begins four weeks ago",
       2500,
       [](int x) { return x > kToday0 - 28 ? 1800.0 : 2500.0; },
       Always,
       Always,
       0,
       {}},
      {"eating more than is used", 2300, Steady, Always, Always, 0, {}},
      {"weighed once a week",
       2500,
       [](int) { return 2200.0; },
       Always,
       [](int x) { return x % 7 == 0; },
       0,
       {kNeedsWeighings, kNeedsWeighings, kFigure}},
      {"one weighing",
       2500,
       Steady,
       Always,
       [](int x) { return x == kToday0; },
       0,
       {kNeedsWeighings, kNeedsWeighings, kNeedsWeighings}},
      // 100 kg eleven months ago, then nothing logged or weighed until a month ago.
      {"a gap of months",
       2150,
       [](int x) { return x < 30 ? 2150.0 : 2100.0; },
       [](int x) { return x > kToday0 - 30; },
       [](int x) { return x == 30 || x > kToday0 - 30; },
       0,
       {kFigure, kFigure, kNeedsFoodDays}},
      // The months not logged were months of more food than the logged ones had on average.
      {"two months not logged",
       2450,
       [](int x) { return x < 215 ? 2500.0 : 1900.0; },
       [](int x) { return x < 105 || x > 165; },
       Always,
       0,
       {}},
      {"scales that scatter half a kilogram",
       2500,
       Steady,
       Always,
       Always,
       0.5,
       {kTooUncertain, kFigure, kFigure}},
  };
  for (const Diary& diary : diaries) {
    DayWeights weighings{};
    DayEnergies energies{};
    MakeDiary(diary, weighings, energies);
    const int lengths[] = {kWeekLength, kMonthLength, kYearLength};
    for (std::size_t p = 0; p < 3; ++p) {
      const PeriodMeasure measure = MeasurePeriod(weighings, energies, lengths[p]);
      SCOPED_TRACE(std::string(diary.name) + ", period of " + std::to_string(lengths[p]));
      EXPECT_EQ(measure.reason, diary.reasons[p]);
      if (!diary.reasons[p].empty()) continue;
      ASSERT_TRUE(measure.consumption);
      EXPECT_NEAR(*measure.consumption, diary.consumption,
                  std::max(diary.tolerance, measure.margin));
      EXPECT_LE(measure.margin, 300);
    }
  }
}

// The two rows agree: the change is what the mean energy minus the consumption leaves, and its
// colour and unit follow the theoretical change's rules.
TEST(WeightTrend, ShowsTheFigureWithItsMarginOrTheReason) {
  PeriodMeasure loss;
  loss.consumption = 2456.0;
  loss.margin = 84.0;
  loss.changeKg = -0.29;
  EXPECT_EQ(FormatMeasuredColumn(loss, UserSettings{}),
            (MeasuredColumn{"-0.290000", kGoodColour, "2460 \xC2\xB1 80", {}}));
  UserSettings pounds;
  pounds.poundFlag = 0;
  EXPECT_EQ(FormatMeasuredColumn(loss, pounds),
            (MeasuredColumn{"-0.639341", kGoodColour, "2460 \xC2\xB1 80", {}}));
  PeriodMeasure gain{2300.0, 2.0, 0.2, {}};
  EXPECT_EQ(FormatMeasuredColumn(gain, UserSettings{}),
            (MeasuredColumn{"0.200000", kWarningColour, "2300 \xC2\xB1 10", {}}));
  const PeriodMeasure none{std::nullopt, 0, 0, kNeedsWeighings};
  EXPECT_EQ(FormatMeasuredColumn(none, UserSettings{}),
            (MeasuredColumn{std::string(kNeedsWeighings), kGoodColour, std::string(kNeedsWeighings),
                            kNeedsWeighings}));
}

// The trend steps a tenth of the way each calendar day towards the straight line between
// weighings; across more than four weeks it stops and starts again at the next weighing.
TEST(WeightTrend, StepsWithTheCalendarAndStopsAtAGap) {
  using Weights = std::vector<std::optional<double>>;
  Weights weighings(60);
  weighings[4] = 78.0;
  weighings[6] = 80.0;
  weighings[50] = 95.0;
  const Weights trend = ComputeWeightTrend(weighings);
  // Day 5 is on the line at 79.0: 80 + 0.1 * (79 - 80) = 79.9; day 4: 79.9 + 0.1 * (78 - 79.9).
  EXPECT_NEAR(*trend[6], 80.0, 1e-9);
  EXPECT_NEAR(*trend[5], 79.9, 1e-9);
  EXPECT_NEAR(*trend[4], 79.71, 1e-9);
  EXPECT_NEAR(*trend[0], 79.71, 1e-9);  // held after the last weighing
  EXPECT_NEAR(*trend[50], 95.0, 1e-9);
  EXPECT_FALSE(trend[49]);  // 44 days to the next weighing: no line across
  EXPECT_FALSE(trend[7]);
  EXPECT_FALSE(trend[59]);
  EXPECT_TRUE(ComputeWeightTrend(Weights(365)) == Weights(365));
}

void StoreWeighedDay(const TempFolder& folder, int t, std::int32_t energySum,
                     std::optional<double> kilograms) {
  DayEntries entries = DayEntries::ForMissingDay();
  entries.vikt = kilograms;
  testing::StoreDay(folder.path(), "Anna", AddDays(kToday, -t), entries, FormatNumber(energySum),
                    "0");
}

// Through the day files: 2000 kcal a day and a loss of 0.1 kg a day is 2700 kcal used a day.
// The trend runs on from weighings before the year, so the day the oldest leaves the year
// does not start it again; a weighing of a gram is no weighing.
TEST(WeightTrend, CalculateMeasuresFromTheFilesAndTheTrendReachesBeforeTheYear) {
  const TempFolder folder;
  for (int t = 0; t < 40; ++t) StoreWeighedDay(folder, t, 2000, 80.0 + 0.1 * t);
  for (int t = 355; t < 400; ++t) StoreWeighedDay(folder, t, 0, t < 365 ? 100.0 : 110.0);
  StoreWeighedDay(folder, 100, 0, 0.001);
  for (const std::int32_t poundFlag : {1, 0}) {
    UserSettings settings;
    settings.poundFlag = poundFlag;
    GraphSeries series;
    const TheoreticalResult result =
        CalculateTheoreticalResult({folder.path(), "Anna", settings, kToday}, "0", "0", series);
    EXPECT_EQ(result.measuredMonth.realConsumption, "2700 \xC2\xB1 10") << poundFlag;
    EXPECT_EQ(result.measuredMonth.trendChange, poundFlag == 1 ? "-3.100000" : "-6.834336");
    EXPECT_EQ(result.measuredYear.realConsumption, std::string(kNeedsFoodDays));
    EXPECT_FALSE(series.dayWeighings[100]);
    // 110 kg until the day before the year, then 100: the trend moves a tenth of the way.
    ASSERT_TRUE(series.dayTrend[364]);
    EXPECT_NEAR(*series.dayTrend[364], 109.0, 1e-9);
    ASSERT_TRUE(series.dayTrend[0]);
    EXPECT_NEAR(*series.dayTrend[0], 80.9, 0.02);  // nine days behind on a slope
  }
}

}  // namespace
}  // namespace vesmira
