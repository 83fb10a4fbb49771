#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graphs/chart_geometry.h"
#include "graphs/graph_points.h"
#include "storage/shown_text.h"

// The weight graph: the weighings as dots and their trend as a line, on a value axis with
// round steps, laid out for the window's own font.
namespace vesmira {

inline constexpr std::string_view kWeighingLegend = VESMIRA_TEXT("Graph", "Weighing");
inline constexpr std::string_view kTrendLegend = VESMIRA_TEXT("Graph", "Trend");

// The step between value ticks: 1, 2, 2.5 or 5 times a power of ten, at least 0.1, the
// smallest that puts no more than maxTicks steps into range.
double RoundTickStep(double range, int maxTicks);
// A value label at that step: "72", "72.5" or "72.25".
std::string FormatTickValue(double value, double step);

// What the window's font measures, in pixels.
struct TextMetrics {
  int digitWidth = 7;  // the widest digit
  int lineHeight = 15;
};

struct WeightChart {
  // Empty when the days hold no weighing and no trend: the window then shows the notice alone.
  std::string notice;
  std::vector<ChartSegment> axes;  // the value axis, then the time axis
  std::vector<ChartSegment> valueTicks;
  std::vector<ChartSegment> timeTicks;
  // Value labels end at their right edge; the others start at their left edge; each is
  // placed by the top of its line.
  std::vector<ChartText> valueLabels;  // right edge at topLeft.x
  std::vector<ChartText> dateLabels;   // centred on topLeft.x
  ChartText valueAxisName;             // the unit, above the value axis
  ChartText timeAxisName;              // below the dates, centred on topLeft.x
  ChartPoint legendTopRight;
  std::vector<ChartPoint> dots;
  // The trend, one line for each run of days that has one: no line crosses a gap.
  std::vector<std::vector<ChartPoint>> trendLines;
};

// The chart for a client area of width x height pixels. The points are oldest first; the
// notice ("No weighing in these 31 days") is in language.
WeightChart ComputeWeightChart(int width, int height, const WeightGraphPoints& points,
                               std::string_view timeAxisName, std::string_view valueAxisName,
                               const TextMetrics& metrics,
                               const TextLanguage& language = English());

}  // namespace vesmira
