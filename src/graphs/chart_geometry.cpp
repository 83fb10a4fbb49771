#include "graphs/chart_geometry.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <optional>
#include <system_error>

#include "storage/number_text.h"

namespace vesmira {

namespace {

// No screen is this large; holding the size to it keeps every coordinate sum in an int.
constexpr int kMaxExtent = 1 << 20;

constexpr int kPenWidthUpToAMonth = 5;
constexpr int kPenWidthAboveAMonth = 2;

int At(const std::vector<int>& values, int index) {
  assert(index >= 0 && index < static_cast<int>(values.size()));
  return values[static_cast<std::size_t>(index)];
}

std::int32_t ValueAt(const GraphPoints& points, int index) {
  assert(index >= 0 && index < static_cast<int>(points.values.size()));
  return points.values[static_cast<std::size_t>(index)];
}

// The smoothed height of point i: the mean of h over i - 1 to i + 2, cut to the points
// there are; the first point averages points 0 to 3. At the last two points this gives the
// means of three and of two heights.
int Average(const std::vector<int>& heights, int i) {
  const int count = static_cast<int>(heights.size());
  const int first = i == 0 ? 0 : i - 1;
  const int last = std::min(first + 3, count - 1);
  int sum = 0;
  for (int j = first; j <= last; ++j) sum += At(heights, j);
  return sum / (last - first + 1);
}

}  // namespace

namespace {

// What every chart has whatever its values: the axes, the value ticks, the axis names, the x of
// each point and the time ticks with their date labels. count is at least 1.
ChartGeometry ChartFrame(int width, int height, int count, const std::vector<std::string>& labels,
                         std::string_view timeAxisName, std::string_view valueAxisName) {
  // A window smaller than its margins gets an empty plot area rather than a mirrored one.
  const int plotWidth = std::max(width - kChartLeftMargin - kChartRightMargin, 0);
  const int plotHeight = std::max(height - kChartTopMargin - kChartBottomMargin, 0);
  const int originY = height - kChartBottomMargin;

  ChartGeometry chart;
  chart.axes = {{{kChartLeftMargin, kChartTopMargin}, {kChartLeftMargin, originY}},
                {{kChartLeftMargin, originY}, {width - kChartRightMargin, originY}}};

  // The value ticks hang from the top of the axis; the remainder of the division is left
  // over at the bottom, so there is no tick at the origin.
  const int tickSpacing = plotHeight / kChartTickCount;
  for (int k = 0; k < kChartTickCount; ++k) {
    const int y = kChartTopMargin + tickSpacing * (kChartTickCount - 1 - k);
    chart.valueTicks.push_back({{kChartLeftMargin - 3, y}, {kChartLeftMargin + 3, y}});
  }
  chart.valueAxisName = {{9, 39}, std::string(valueAxisName)};
  chart.timeAxisName = {{width - 48, height - 55}, std::string(timeAxisName)};
  chart.smoothedPenWidth = count <= kMonthSpan ? kPenWidthUpToAMonth : kPenWidthAboveAMonth;
  if (count == 0) return chart;

  // A whole number of pixels per day.
  const int step = plotWidth / count;
  for (int i = 0; i < count; ++i) chart.xs.push_back(step * i + kChartLeftMargin);

  const auto labelAt = [&labels](int index) {
    const auto position = static_cast<std::size_t>(index);
    return position < labels.size() ? labels[position] : std::string();
  };
  // The ticks stand at points s, 2s, ..., 10s; for a count that is a multiple of ten the
  // last of them would be one past the end, so it is held on the last point.
  const int tickEvery = count / kChartTickCount;
  chart.dateLabels.push_back({{At(chart.xs, 0), height - 45}, labelAt(0)});
  for (int k = 0; k < kChartTickCount; ++k) {
    const int point = std::min((k + 1) * tickEvery, count - 1);
    const int x = At(chart.xs, point);
    chart.timeTicks.push_back({{x, height - 47}, {x, height - 53}});
    chart.dateLabels.push_back({{x, height - 45}, labelAt(point)});
  }
  return chart;
}

int PlotHeight(int height) { return std::max(height - kChartTopMargin - kChartBottomMargin, 0); }

}  // namespace

ChartGeometry ComputeChartGeometry(int outerWidth, int outerHeight, const GraphPoints& points,
                                   std::string_view timeAxisName, std::string_view valueAxisName) {
  assert(points.labels.size() == points.values.size());
  const int width = std::clamp(outerWidth, 0, kMaxExtent);
  const int height = std::clamp(outerHeight, 0, kMaxExtent);
  const int count = static_cast<int>(
      std::min<std::size_t>(points.values.size(), static_cast<std::size_t>(kMaxExtent)));
  ChartGeometry chart =
      ChartFrame(width, height, count, points.labels, timeAxisName, valueAxisName);
  if (count == 0) return chart;
  const int plotHeight = PlotHeight(height);

  std::int32_t min = ValueAt(points, 0);
  std::int32_t max = min;
  for (int i = 1; i < count; ++i) {
    min = std::min(min, ValueAt(points, i));
    max = std::max(max, ValueAt(points, i));
  }
  // In 64 bits: the range of two 32-bit values need not fit in 32.
  const std::int64_t range = std::int64_t{max} - min;
  if (range > 0) {
    // The truncated share of the plot height, taken exactly: in double the product
    // (value - min) * (height / range) can fall just short of a whole number and put the
    // maximum a pixel below the top of the axis.
    for (int i = 0; i < count; ++i) {
      const std::int64_t above = std::int64_t{ValueAt(points, i)} - min;
      chart.heights.push_back(static_cast<int>(above * plotHeight / range) + kChartBottomMargin);
    }
  } else {
    // Without range there is no scale: the series runs across the middle of the value axis,
    // where every value label reads the common value.
    chart.heights.assign(static_cast<std::size_t>(count), kChartBottomMargin + plotHeight / 2);
    chart.rawLineOnTop = true;
  }
  for (int i = 0; i < count; ++i) chart.averages.push_back(Average(chart.heights, i));

  for (int i = 0; i < count; ++i) {
    chart.rawLine.push_back({At(chart.xs, i), height - At(chart.heights, i)});
    chart.smoothedLine.push_back({At(chart.xs, i), height - At(chart.averages, i)});
  }

  chart.valueLabels.push_back({{0, height - 55}, FormatNumber(min)});
  const std::int64_t valueStep = range / kChartTickCount;
  for (int k = 0; k < kChartTickCount; ++k) {
    chart.valueLabels.push_back({{0, chart.valueTicks[static_cast<std::size_t>(k)].from.y - 5},
                                 FormatNumber(valueStep * (k + 1) + min)});
  }
  return chart;
}

int ChartFontPixelHeight(int verticalDpi) {
  // A device that reports no resolution is taken for the common 96 dots per inch.
  if (verticalDpi <= 0) verticalDpi = 96;
  const std::int64_t scaled = std::int64_t{kChartFontPoints} * verticalDpi;
  return static_cast<int>(std::min<std::int64_t>((scaled + 36) / 72, INT_MAX));
}

}  // namespace vesmira
