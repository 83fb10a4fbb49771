#include "graphs/weight_chart.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <utility>

#include "storage/number_text.h"

namespace vesmira {

namespace {

// No screen is this large; holding the size to it keeps every coordinate sum in an int.
constexpr int kMaxExtent = 1 << 20;
// Weights keep within a few kilograms: the axis shows at least one unit, so that a single
// weighing or a flat trend has a scale too.
constexpr double kMinWeightRange = 1.0;
// The Close button stands in the top left corner, 34 pixels down.
constexpr int kBelowCloseButton = 40;
constexpr int kGap = 6;
constexpr int kTickLength = 4;
constexpr int kMaxDateLabels = 10;

int ToPixel(double value) {
  return static_cast<int>(std::lround(std::clamp(value, -double{kMaxExtent}, double{kMaxExtent})));
}

// The lowest and highest weighing or trend of the first count points, at least one unit
// apart; none when no point has either.
std::optional<std::pair<double, double>> ValueRange(const WeightGraphPoints& points,
                                                    std::size_t count) {
  std::optional<std::pair<double, double>> range;
  for (std::size_t i = 0; i < count; ++i) {
    for (const std::optional<double>& value : {points.weighings[i], points.trend[i]}) {
      if (!value || !std::isfinite(*value)) continue;
      range = range ? std::pair(std::min(range->first, *value), std::max(range->second, *value))
                    : std::pair(*value, *value);
    }
  }
  if (range && range->second - range->first < kMinWeightRange) {
    const double middle = (range->first + range->second) / 2;
    range = std::pair(middle - kMinWeightRange / 2, middle + kMinWeightRange / 2);
  }
  return range;
}

// The plot's left edge and width: point i of count stands at PointX, the first at the left
// edge and the last at the right, a single one in the middle.
struct PlotSpan {
  int left = 0;
  int width = 0;
};
int PointX(PlotSpan span, std::size_t i, std::size_t count) {
  if (count == 1) return span.left + span.width / 2;
  return ToPixel(span.left + static_cast<double>(i) * span.width / static_cast<double>(count - 1));
}

// Dates as many as fit side by side, "DD/MM" and a space each, the first and last among them,
// with their ticks below the time axis at bottom.
void AddDates(WeightChart& chart, const std::vector<std::string>& labels, std::size_t count,
              PlotSpan span, int bottom, int digit) {
  const int dates = std::clamp(span.width / (7 * digit), 1, kMaxDateLabels);
  std::optional<std::size_t> previous;
  for (int k = 0; k <= dates; ++k) {
    const std::size_t i =
        count == 1
            ? 0
            : static_cast<std::size_t>(std::lround(static_cast<double>(k) * (count - 1) / dates));
    if (previous == i) continue;
    previous = i;
    const int x = PointX(span, i, count);
    chart.timeTicks.push_back({{x, bottom}, {x, bottom + kTickLength}});
    chart.dateLabels.push_back({{x, bottom + kGap}, labels[i]});
  }
}

// "No weighing in these 31 days".
std::string NoWeighingNotice(std::size_t days, const TextLanguage& language) {
  return language.Counted("Graph", VESMIRA_TEXT_N("Graph", "No weighing in these %n day(s)"),
                          static_cast<std::int64_t>(days));
}

}  // namespace

double RoundTickStep(double range, int maxTicks) {
  if (!std::isfinite(range) || range <= 0) return 1.0;
  const double ticks = std::max(maxTicks, 1);
  for (double power = 0.1; power < 1e12; power *= 10) {
    // A quarter is a round step below one unit only: 0.25 kg reads as easily as 0.2.
    for (const double multiple : {1.0, 2.0, 2.5, 5.0}) {
      if (multiple == 2.5 && power >= 1.0) continue;
      const double step = multiple * power;
      if (range / step <= ticks + 1e-9) return step;
    }
  }
  return 1e12;
}

std::string FormatTickValue(double value, double step) {
  const int decimals = step >= 1.0 ? 0 : std::fabs(step - 0.25) < 1e-9 ? 2 : 1;
  // On the step, so that rounding never shows "-0.0".
  value = std::round(value / step) * step;
  if (value == 0) value = 0;
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  return result.ec == std::errc() ? std::string(buffer, result.ptr) : std::string();
}

WeightChart ComputeWeightChart(int width, int height, const WeightGraphPoints& points,
                               std::string_view timeAxisName, std::string_view valueAxisName,
                               const TextMetrics& metrics, const TextLanguage& language) {
  WeightChart chart;
  width = std::clamp(width, 0, kMaxExtent);
  height = std::clamp(height, 0, kMaxExtent);
  const int line = std::clamp(metrics.lineHeight, 1, 1000);
  const int digit = std::clamp(metrics.digitWidth, 1, 1000);
  const std::size_t count = std::min({points.labels.size(), points.weighings.size(),
                                      points.trend.size(), std::size_t{kMaxExtent}});

  const std::optional<std::pair<double, double>> range = ValueRange(points, count);
  if (!range) {
    chart.notice = NoWeighingNotice(count, language);
    return chart;
  }
  const auto [low, high] = *range;

  // The unit's line, then half a line for the top label, which is centred on its tick.
  const int top = kBelowCloseButton + line + kGap + line / 2;
  const int bottom = height - (kGap + line + kGap + line + kGap);
  const int plotHeight = std::max(bottom - top, 0);
  const double step = RoundTickStep(high - low, std::max(plotHeight / (2 * line), 1));
  const double axisLow = std::floor(low / step + 1e-9) * step;
  const double axisHigh = std::ceil(high / step - 1e-9) * step;
  const auto tickCount = static_cast<int>(std::lround((axisHigh - axisLow) / step));
  std::vector<std::string> labels;
  std::size_t widest = valueAxisName.size();
  for (int k = 0; k <= tickCount; ++k) {
    labels.push_back(FormatTickValue(axisLow + k * step, step));
    widest = std::max(widest, labels.back().size());
  }
  const int left = kGap + static_cast<int>(widest) * digit + kTickLength + kGap;
  const int right = std::max(width - 3 * digit - 2 * kGap, left);
  const int plotWidth = right - left;
  const auto yOf = [&](double value) {
    return ToPixel(top + (axisHigh - value) / (axisHigh - axisLow) * plotHeight);
  };
  const auto xOf = [&](std::size_t i) { return PointX({left, plotWidth}, i, count); };

  chart.axes = {{{left, top}, {left, bottom}}, {{left, bottom}, {right, bottom}}};
  for (int k = 0; k <= tickCount; ++k) {
    const int y = yOf(axisLow + k * step);
    chart.valueTicks.push_back({{left - kTickLength, y}, {left, y}});
    chart.valueLabels.push_back({{left - kTickLength - 2, y - line / 2}, labels[k]});
  }
  chart.valueAxisName = {{kGap, kBelowCloseButton}, std::string(valueAxisName)};
  chart.timeAxisName = {{left + plotWidth / 2, bottom + kGap + line + kGap},
                        std::string(timeAxisName)};
  chart.legendTopRight = {right, kBelowCloseButton};

  AddDates(chart, points.labels, count, {left, plotWidth}, bottom, digit);

  std::vector<ChartPoint>* run = nullptr;
  for (std::size_t i = 0; i < count; ++i) {
    if (const std::optional<double>& weighing = points.weighings[i];
        weighing && std::isfinite(*weighing)) {
      chart.dots.push_back({xOf(i), yOf(*weighing)});
    }
    const std::optional<double>& trend = points.trend[i];
    if (!trend || !std::isfinite(*trend)) {
      run = nullptr;
      continue;
    }
    if (!run) run = &chart.trendLines.emplace_back();
    run->push_back({xOf(i), yOf(*trend)});
  }
  return chart;
}

}  // namespace vesmira
