#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "graphs/chart_geometry.h"
#include "graphs/graph_points.h"

namespace vesmira {
namespace {

TEST(WeightGraph, PointsAreOldestFirstInTheUsersUnit) {
  GraphSeries series;
  series.span = kMonthSpan;
  for (std::size_t t = 0; t < kSeriesCapacity; ++t) series.dayLabels[t] = "d" + std::to_string(t);
  series.dayWeighings[30] = 90.7184;
  series.dayWeighings[0] = 72.5;
  series.dayTrend[30] = 90.7184;
  series.dayTrend[0] = 80.0;
  series.dayWeighings[40] = 50.0;  // outside the span

  const WeightGraphPoints kilograms = WeightPointsFromSeries(series, true);
  ASSERT_EQ(kilograms.labels.size(), 31u);
  EXPECT_EQ(kilograms.labels.front(), "d30");
  EXPECT_EQ(kilograms.labels.back(), "d0");
  EXPECT_EQ(kilograms.weighings.front(), 90.7184);
  EXPECT_EQ(kilograms.weighings.back(), 72.5);
  EXPECT_EQ(kilograms.weighings[1], std::nullopt);
  EXPECT_EQ(kilograms.trend.back(), 80.0);

  const WeightGraphPoints pounds = WeightPointsFromSeries(series, false);
  ASSERT_TRUE(pounds.weighings.front());
  EXPECT_NEAR(*pounds.weighings.front(), 200.0, 1e-3);
  EXPECT_NEAR(*pounds.trend.back(), 176.3699, 1e-4);

  series.span = kYearSpan;
  EXPECT_EQ(WeightPointsFromSeries(series, true).weighings.size(), 365u);
}

// 31 days, weighed 80.0 on day 10 and 79.0 on day 20; the trend from day 10 on.
WeightGraphPoints TwoWeighings() {
  WeightGraphPoints points;
  for (int i = 0; i < 31; ++i) {
    points.labels.push_back("p" + std::to_string(i));
    points.weighings.push_back(i == 10   ? std::optional(80.0)
                               : i == 20 ? std::optional(79.0)
                                         : std::nullopt);
    points.trend.push_back(i < 10 ? std::nullopt : i < 20 ? std::optional(80.0) : 79.9);
  }
  return points;
}

TEST(WeightGraph, TheWeighingsLineLeavesOutTheDaysWithoutAWeighing) {
  // W = 600, H = 400: 17 pixels a day from x = 20, the values 79.0 to 80.0 over the 300
  // pixels from y = 350 up to y = 50.
  const ChartGeometry chart = ComputeWeightChartGeometry(600, 400, TwoWeighings(), "Date", "kg");
  EXPECT_EQ(chart.rawLine, (std::vector<ChartPoint>{{190, 50}, {360, 350}}));
  ASSERT_EQ(chart.smoothedLine.size(), 21u);
  EXPECT_EQ(chart.smoothedLine.front(), (ChartPoint{190, 50}));
  EXPECT_EQ(chart.smoothedLine[9], (ChartPoint{343, 50}));
  EXPECT_EQ(chart.smoothedLine.back(), (ChartPoint{530, 80}));
  EXPECT_TRUE(chart.markRawPoints);
  EXPECT_TRUE(chart.rawLineOnTop);
  EXPECT_EQ(chart.smoothedPenWidth, 5);
  ASSERT_EQ(chart.valueLabels.size(), 11u);
  EXPECT_EQ(chart.valueLabels.front(), (ChartText{{0, 345}, "79.0"}));
  EXPECT_EQ(chart.valueLabels[5].text, "79.5");
  EXPECT_EQ(chart.valueLabels.back(), (ChartText{{0, 45}, "80.0"}));
  EXPECT_EQ(chart.valueAxisName.text, "kg");
  EXPECT_EQ(chart.dateLabels.front().text, "p0");
}

TEST(WeightGraph, ASingleWeighingStandsInTheMiddleOfAOneUnitAxis) {
  WeightGraphPoints points;
  for (int i = 0; i < 31; ++i) {
    points.labels.push_back("p" + std::to_string(i));
    points.weighings.push_back(i == 30 ? std::optional(72.0) : std::nullopt);
    points.trend.push_back(i == 30 ? std::optional(72.0) : std::nullopt);
  }
  const ChartGeometry chart = ComputeWeightChartGeometry(600, 400, points, "Date", "kg");
  EXPECT_EQ(chart.rawLine, (std::vector<ChartPoint>{{530, 200}}));
  EXPECT_EQ(chart.valueLabels.front().text, "71.5");
  EXPECT_EQ(chart.valueLabels.back().text, "72.5");

  // No weighing at all: the frame without lines.
  WeightGraphPoints none;
  for (int i = 0; i < 31; ++i) {
    none.labels.push_back("p");
    none.weighings.push_back(std::nullopt);
    none.trend.push_back(std::nullopt);
  }
  const ChartGeometry empty = ComputeWeightChartGeometry(600, 400, none, "Date", "kg");
  EXPECT_TRUE(empty.rawLine.empty());
  EXPECT_TRUE(empty.smoothedLine.empty());
  EXPECT_EQ(empty.axes.size(), 2u);
}

}  // namespace
}  // namespace vesmira
