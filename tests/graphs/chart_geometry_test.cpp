#include "graphs/chart_geometry.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "graphs/graph_points.h"

namespace vesmira {
namespace {

// Point i is labelled "p<i>", so a label shows which point it was taken from.
GraphPoints MakePoints(const std::vector<std::int32_t>& values) {
  GraphPoints points;
  points.values = values;
  for (std::size_t i = 0; i < values.size(); ++i) points.labels.push_back("p" + std::to_string(i));
  return points;
}

// n values rising from 0 to n - 1.
GraphPoints RisingPoints(int n) {
  std::vector<std::int32_t> values;
  for (int i = 0; i < n; ++i) values.push_back(i);
  return MakePoints(values);
}

ChartGeometry Chart(int width, int height, const GraphPoints& points) {
  return ComputeChartGeometry(width, height, points, "Date", "kcal");
}

TEST(ChartGeometryTest, AxesAndAxisNamesFollowTheOuterSize) {
  const ChartGeometry chart = Chart(600, 400, RisingPoints(31));
  ASSERT_EQ(chart.axes.size(), 2u);
  EXPECT_EQ(chart.axes[0], (ChartSegment{{20, 50}, {20, 350}}));
  EXPECT_EQ(chart.axes[1], (ChartSegment{{20, 350}, {550, 350}}));
  EXPECT_EQ(chart.valueAxisName, (ChartText{{9, 39}, "kcal"}));
  EXPECT_EQ(chart.timeAxisName, (ChartText{{552, 345}, "Date"}));
  EXPECT_EQ(chart.rawPenWidth, 1);
}

struct SpanCase {
  const char* name;
  int count;
  int tickEvery;
  int step;  // pixels per day at W = 600
  int lastX;
  int smoothedPenWidth;
};

void PrintTo(const SpanCase& c, std::ostream* out) { *out << c.name; }

class ChartSpanTest : public testing::TestWithParam<SpanCase> {};

TEST_P(ChartSpanTest, PointsTicksAndDateLabelsAtW600) {
  const SpanCase& c = GetParam();
  const int height = 400;
  const ChartGeometry chart = Chart(600, height, RisingPoints(c.count));

  ASSERT_EQ(chart.rawLine.size(), static_cast<std::size_t>(c.count));
  for (int i = 0; i < c.count; ++i) {
    EXPECT_EQ(chart.rawLine[static_cast<std::size_t>(i)].x, 20 + c.step * i) << "point " << i;
  }
  EXPECT_EQ(chart.rawLine.back().x, c.lastX);
  EXPECT_LT(c.lastX, chart.axes[1].to.x);
  EXPECT_EQ(chart.smoothedPenWidth, c.smoothedPenWidth);

  ASSERT_EQ(chart.timeTicks.size(), 10u);
  ASSERT_EQ(chart.dateLabels.size(), 11u);
  EXPECT_EQ(chart.dateLabels[0], (ChartText{{20, height - 45}, "p0"}));
  for (int k = 0; k < 10; ++k) {
    const int point = (k + 1) * c.tickEvery;
    const int x = 20 + c.step * point;
    const auto index = static_cast<std::size_t>(k);
    EXPECT_EQ(chart.timeTicks[index], (ChartSegment{{x, height - 47}, {x, height - 53}}));
    EXPECT_EQ(chart.dateLabels[index + 1],
              (ChartText{{x, height - 45}, "p" + std::to_string(point)}));
  }
}

INSTANTIATE_TEST_SUITE_P(MonthAndYear, ChartSpanTest,
                         testing::Values(SpanCase{"Month", 31, 3, 17, 530, 5},
                                         SpanCase{"Year", 365, 36, 1, 384, 2},
                                         SpanCase{"ThirtyTwoDays", 32, 3, 16, 516, 2}),
                         [](const testing::TestParamInfo<SpanCase>& info) {
                           return info.param.name;
                         });

TEST(ChartGeometryTest, StepIsZeroWhenTheAxisHasFewerPixelsThanPoints) {
  for (const int width : {434, 400, 100, 70}) {
    const ChartGeometry chart = Chart(width, 400, RisingPoints(365));
    for (const ChartPoint& point : chart.rawLine) ASSERT_EQ(point.x, 20) << "W = " << width;
    for (const ChartSegment& tick : chart.timeTicks) ASSERT_EQ(tick.from.x, 20);
  }
  EXPECT_EQ(Chart(435, 400, RisingPoints(365)).rawLine.back().x, 384);
}

TEST(ChartGeometryTest, ValueLabelsStepByTheTruncatedTenthOfTheRange) {
  // H - 100 = 400; the top of the axis stands for 95 while the top label reads 90.
  std::vector<std::int32_t> values(31, 40);
  values[4] = 0;
  values[20] = 95;
  const int height = 500;
  const ChartGeometry chart = Chart(600, height, MakePoints(values));

  ASSERT_EQ(chart.valueLabels.size(), 11u);
  EXPECT_EQ(chart.valueLabels[0], (ChartText{{0, height - 55}, "0"}));
  for (int k = 0; k < 10; ++k) {
    EXPECT_EQ(chart.valueLabels[static_cast<std::size_t>(k) + 1],
              (ChartText{{0, 50 + 40 * (9 - k) - 5}, std::to_string(9 * (k + 1))}));
  }
  EXPECT_EQ(chart.rawLine[20].y, 50);
  EXPECT_EQ(chart.rawLine[4].y, height - 50);
  EXPECT_EQ(chart.rawLine[0].y, height - (40 * 400 / 95 + 50));  // h = 218
}

TEST(ChartGeometryTest, ValueTicksHangFromTheTopAndLeaveTheRemainderAtTheBottom) {
  // H - 100 = 437: d = 43, remainder 7.
  const int height = 537;
  const ChartGeometry chart = Chart(600, height, RisingPoints(31));
  ASSERT_EQ(chart.valueTicks.size(), 10u);
  for (int k = 0; k < 10; ++k) {
    const int y = 50 + 43 * (9 - k);
    EXPECT_EQ(chart.valueTicks[static_cast<std::size_t>(k)], (ChartSegment{{17, y}, {23, y}}));
  }
  EXPECT_EQ(chart.valueTicks.back().from.y, 50);
  const int origin = height - 50;
  EXPECT_EQ(origin - chart.valueTicks.front().from.y, 43 + 7);
}

TEST(ChartGeometryTest, NegativeValuesStartTheAxisAtTheMinimum) {
  {
    const ChartGeometry chart = Chart(600, 500, MakePoints({-300, -200, -100, -250}));
    EXPECT_EQ(chart.valueLabels[0].text, "-300");
    EXPECT_EQ(chart.valueLabels[1].text, "-280");
    EXPECT_EQ(chart.valueLabels[10].text, "-100");
    EXPECT_EQ(chart.rawLine[0].y, 450);
    EXPECT_EQ(chart.rawLine[1].y, 250);
    EXPECT_EQ(chart.rawLine[2].y, 50);
    EXPECT_EQ(chart.rawLine[3].y, 350);
  }
  {
    // Across zero: -55 to 40 is a range of 95, stepped by 9.
    const ChartGeometry chart = Chart(600, 500, MakePoints({40, -55, 0}));
    EXPECT_EQ(chart.valueLabels[0].text, "-55");
    EXPECT_EQ(chart.valueLabels[1].text, "-46");
    EXPECT_EQ(chart.valueLabels[6].text, "-1");
    EXPECT_EQ(chart.valueLabels[10].text, "35");
    EXPECT_EQ(chart.rawLine[2].y, 500 - (55 * 400 / 95 + 50));  // h = 281
  }
}

TEST(ChartGeometryTest, TheMaximumReachesTheTopWhereFloatingPointFallsShort) {
  // 70 / 275 * 275 is a hair below 70 in double arithmetic.
  std::vector<std::int32_t> values(31, 0);
  values[7] = 275;
  const ChartGeometry chart = Chart(600, 170, MakePoints(values));
  EXPECT_EQ(chart.heights[7], 120);
  EXPECT_EQ(chart.rawLine[7].y, 50);
  EXPECT_EQ(chart.rawLine[0].y, 120);
}

TEST(ChartGeometryTest, SmoothedLineAveragesFourThreeAndTwoHeights) {
  // H - 100 = 1000 and a range of 1000, so h = value + 50.
  std::vector<std::int32_t> values(31, 500);
  values[0] = 0;
  values[1] = 1000;
  values[2] = 3;
  values[3] = 8;
  values[27] = 2;
  values[28] = 0;
  values[29] = 1000;
  values[30] = 7;
  const int height = 1100;
  const ChartGeometry chart = Chart(600, height, MakePoints(values));
  ASSERT_EQ(chart.averages.size(), 31u);

  EXPECT_EQ(chart.averages[0], (50 + 1050 + 53 + 58) / 4);  // 302, the start over points 0 to 3
  EXPECT_EQ(chart.averages[1], 302);                        // points 0 to 3 again
  EXPECT_EQ(chart.averages[28], 302);                       // (52 + 50 + 1050 + 57) / 4 = 302.25
  EXPECT_EQ(chart.averages[29], 385);                       // (50 + 1050 + 57) / 3 = 385.67
  EXPECT_EQ(chart.averages[30], 553);                       // (1050 + 57) / 2 = 553.5
  for (std::size_t i = 0; i < 31; ++i) {
    EXPECT_EQ(chart.smoothedLine[i], (ChartPoint{chart.rawLine[i].x, height - chart.averages[i]}));
  }
}

TEST(ChartGeometryTest, SmoothedLineAveragesTheTruncatedHeightsNotTheValues) {
  // H - 100 = 100 over a range of 3: h = 50, 83, 116, 150. Averaging the values would give
  // 1.5 * 33.3 + 50 = 100; the heights give 399 / 4 = 99.
  const ChartGeometry chart = Chart(600, 200, MakePoints({0, 1, 2, 3}));
  EXPECT_EQ(chart.heights, (std::vector<int>{50, 83, 116, 150}));
  EXPECT_EQ(chart.averages[0], 99);
  EXPECT_EQ(chart.smoothedLine[0].y, 101);
}

TEST(ChartGeometryTest, FlatSeriesRunsAcrossTheMiddleWithBothLinesShown) {
  for (const std::int32_t common : {18000, 0, -40}) {
    for (const int count : {31, 365}) {
      const ChartGeometry chart = Chart(
          600, 501, MakePoints(std::vector<std::int32_t>(static_cast<std::size_t>(count), common)));
      // H - 100 = 401: the middle is 200 above the time axis.
      for (std::size_t i = 0; i < chart.rawLine.size(); ++i) {
        ASSERT_EQ(chart.rawLine[i].y, 501 - 250);
        ASSERT_EQ(chart.smoothedLine[i].y, 501 - 250);
      }
      EXPECT_TRUE(chart.rawLineOnTop);
      ASSERT_EQ(chart.valueLabels.size(), 11u);
      for (const ChartText& label : chart.valueLabels)
        EXPECT_EQ(label.text, std::to_string(common));
    }
  }
  EXPECT_FALSE(Chart(600, 501, RisingPoints(31)).rawLineOnTop);
}

TEST(ChartGeometryTest, DegenerateInputsStayInsideThePoints) {
  {
    const ChartGeometry chart = Chart(600, 400, GraphPoints{});
    EXPECT_EQ(chart.axes.size(), 2u);
    EXPECT_EQ(chart.valueTicks.size(), 10u);
    EXPECT_TRUE(chart.timeTicks.empty());
    EXPECT_TRUE(chart.dateLabels.empty());
    EXPECT_TRUE(chart.valueLabels.empty());
    EXPECT_TRUE(chart.rawLine.empty());
    EXPECT_TRUE(chart.smoothedLine.empty());
    EXPECT_EQ(chart.timeAxisName.text, "Date");
  }
  {
    const ChartGeometry chart = Chart(600, 400, MakePoints({5}));
    EXPECT_EQ(chart.averages, (std::vector<int>{200}));
    EXPECT_EQ(chart.dateLabels[10].text, "p0");
  }
  {
    // Fewer than four points: the averages use the points there are.
    const ChartGeometry chart = Chart(600, 1100, MakePoints({0, 1000, 7}));
    EXPECT_EQ(chart.averages, (std::vector<int>{(50 + 1050 + 57) / 3, 385, (1050 + 57) / 2}));
    EXPECT_EQ(Chart(600, 1100, MakePoints({0, 1000})).averages, (std::vector<int>{550, 550}));
  }
  for (const int count : {10, 20, 30}) {
    // The tenth tick would be point N; it stays on the last point.
    const ChartGeometry chart = Chart(600, 400, RisingPoints(count));
    EXPECT_EQ(chart.dateLabels[10].text, "p" + std::to_string(count - 1));
    EXPECT_EQ(chart.timeTicks[9].from.x, chart.rawLine.back().x);
    EXPECT_EQ(chart.dateLabels[9].text, "p" + std::to_string(count - count / 10));
  }
  for (const auto& [width, height] : {std::pair{0, 0}, {-5, -5}, {30, 60}, {INT_MAX, INT_MAX}}) {
    // A window inside its margins has no plot area: every point lies at the origin.
    const ChartGeometry chart = Chart(width, height, RisingPoints(31));
    ASSERT_EQ(chart.rawLine.size(), 31u);
    if (width < 70) {
      for (const ChartPoint& point : chart.rawLine) EXPECT_EQ(point, chart.rawLine.front());
    }
  }
}

TEST(ChartGeometryTest, FullThirtyTwoBitRangeNeitherOverflowsNorLeavesTheAxis) {
  const ChartGeometry chart = Chart(600, 500, MakePoints({INT32_MIN, 0, INT32_MAX}));
  EXPECT_EQ(chart.rawLine[0].y, 450);
  EXPECT_EQ(chart.rawLine[1].y, 250);
  EXPECT_EQ(chart.rawLine[2].y, 50);
  EXPECT_EQ(chart.valueLabels[0].text, "-2147483648");
  EXPECT_EQ(chart.valueLabels[10].text, "2147483642");  // 10 * 429496729 - 2^31
}

TEST(ChartGeometryTest, FontHeightIsSevenPointsRounded) {
  EXPECT_EQ(ChartFontPixelHeight(96), 9);
  EXPECT_EQ(ChartFontPixelHeight(72), 7);
  EXPECT_EQ(ChartFontPixelHeight(120), 12);
  EXPECT_EQ(ChartFontPixelHeight(144), 14);
  EXPECT_EQ(ChartFontPixelHeight(0), 9);
}

TEST(GraphPointsTest, SeriesIsHandedOverOldestFirst) {
  GraphSeries series;
  for (std::size_t t = 0; t < kSeriesCapacity; ++t) {
    series.dayLabels[t] = "t" + std::to_string(t);
    series.dayValues[t] = static_cast<std::int32_t>(1000 + t);
  }
  for (const std::int32_t span : {kMonthSpan, kYearSpan}) {
    series.span = span;
    const GraphPoints points = PointsFromSeries(series);
    ASSERT_EQ(points.values.size(), static_cast<std::size_t>(span));
    ASSERT_EQ(points.labels.size(), static_cast<std::size_t>(span));
    EXPECT_EQ(points.labels.front(), "t" + std::to_string(span - 1));
    EXPECT_EQ(points.values.front(), 1000 + span - 1);
    EXPECT_EQ(points.labels.back(), "t0");
    EXPECT_EQ(points.values.back(), 1000);
  }
  series.span = 1000;
  EXPECT_EQ(PointsFromSeries(series).values.size(), kSeriesCapacity);
  series.span = -1;
  EXPECT_TRUE(PointsFromSeries(series).values.empty());
}

}  // namespace
}  // namespace vesmira
