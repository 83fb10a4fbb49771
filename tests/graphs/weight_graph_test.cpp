#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "graphs/chart_geometry.h"
#include "graphs/graph_points.h"
#include "graphs/weight_chart.h"

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

TEST(WeightGraph, TicksStandAtRoundSteps) {
  struct Row {
    double range;
    int maxTicks;
    double step;
    double value;
    const char* label;
  };
  const Row rows[] = {
      {1.0, 10, 0.1, 72.3, "72.3"},  {1.0, 5, 0.2, 72.4, "72.4"},    {1.0, 4, 0.25, 72.75, "72.75"},
      {1.0, 3, 0.5, 72.5, "72.5"},   {3.7, 10, 0.5, -0.0001, "0.0"}, {8.0, 5, 2.0, 80.0, "80"},
      {40.0, 10, 5.0, 195.0, "195"}, {0.0, 10, 1.0, 72.0, "72"},     {130.0, 6, 50.0, 150.0, "150"},
      {20.0, 0, 20.0, 60.0, "60"},
  };
  for (const Row& row : rows) {
    EXPECT_DOUBLE_EQ(RoundTickStep(row.range, row.maxTicks), row.step) << row.range;
    EXPECT_EQ(FormatTickValue(row.value, row.step), row.label) << row.range;
  }
}

// 31 days: weighed on the given days; the trend runs from the first weighing to the last.
WeightGraphPoints Weighed(std::vector<std::pair<int, double>> weighings, bool gap = false) {
  WeightGraphPoints points;
  for (int i = 0; i < 31; ++i) {
    points.labels.push_back("p" + std::to_string(i));
    points.weighings.emplace_back();
    points.trend.emplace_back();
  }
  for (const auto& [day, weight] : weighings) points.weighings[day] = weight;
  if (weighings.empty()) return points;
  for (int i = weighings.front().first; i <= weighings.back().first; ++i) {
    if (!gap || i < 12 || i > 18) points.trend[i] = weighings.front().second;
  }
  return points;
}

TEST(WeightGraph, DotsTrendLinesAndLabelsThatFit) {
  const TextMetrics metrics{8, 16};
  const WeightChart two =
      ComputeWeightChart(600, 400, Weighed({{10, 80.0}, {20, 79.0}}), "Date", "kg", metrics);
  ASSERT_EQ(two.dots.size(), 2u);
  EXPECT_GT(two.dots[0].y, 0);
  EXPECT_LT(two.dots[0].y, two.dots[1].y);  // the heavier day higher up
  ASSERT_EQ(two.trendLines.size(), 1u);
  EXPECT_EQ(two.trendLines[0].size(), 11u);
  // Labels at round steps from 79 to 80, right of the window's edge and below the unit.
  ASSERT_FALSE(two.valueLabels.empty());
  EXPECT_EQ(two.valueLabels.front().text, "79.0");
  EXPECT_EQ(two.valueLabels.back().text, "80.0");
  for (const ChartText& label : two.valueLabels) {
    EXPECT_GE(label.topLeft.x - static_cast<int>(label.text.size()) * metrics.digitWidth, 0);
    EXPECT_GE(label.topLeft.y, two.valueAxisName.topLeft.y + metrics.lineHeight);
  }
  EXPECT_EQ(two.valueAxisName.text, "kg");
  EXPECT_EQ(two.dateLabels.front().text, "p0");
  EXPECT_EQ(two.dateLabels.back().text, "p30");
  EXPECT_TRUE(two.notice.empty());

  const WeightChart gap = ComputeWeightChart(600, 400, Weighed({{0, 300.0}, {30, 302.0}}, true),
                                             "Date", "lbs", metrics);
  EXPECT_EQ(gap.trendLines.size(), 2u);               // no line across the gap
  EXPECT_EQ(gap.valueLabels.front().text, "300.00");  // a quarter step

  const WeightChart one =
      ComputeWeightChart(600, 400, Weighed({{30, 72.0}}), "Date", "kg", metrics);
  ASSERT_EQ(one.dots.size(), 1u);
  EXPECT_EQ(one.valueLabels.front().text, "71.4");  // a unit around it, on whole steps
  EXPECT_EQ(one.valueLabels.back().text, "72.6");

  const WeightChart none = ComputeWeightChart(600, 400, Weighed({}), "Date", "kg", metrics);
  EXPECT_EQ(none.notice, "No weighing in these 31 days");
  EXPECT_TRUE(none.axes.empty());
}

}  // namespace
}  // namespace vesmira
