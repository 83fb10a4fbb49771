#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "graphs/graph_points.h"

namespace vesmira {

// Client pixels, origin at the top left, y growing downwards.
struct ChartPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

struct ChartSegment {
  ChartPoint from;
  ChartPoint to;
  friend bool operator==(const ChartSegment&, const ChartSegment&) = default;
};

// A text placed by its top left corner.
struct ChartText {
  ChartPoint topLeft;
  std::string text;
  friend bool operator==(const ChartText&, const ChartText&) = default;
};

inline constexpr int kChartLeftMargin = 20;
inline constexpr int kChartTopMargin = 50;
inline constexpr int kChartRightMargin = 50;
inline constexpr int kChartBottomMargin = 50;
inline constexpr int kChartTickCount = 10;
inline constexpr int kChartFontPoints = 7;

// Everything one paint of the graph window draws, for one window size.
struct ChartGeometry {
  // Drawn with the default pen (solid, 1 pixel, black).
  std::vector<ChartSegment> axes;        // the value axis, then the time axis
  std::vector<ChartSegment> timeTicks;   // at points s, 2s, ..., 10s (s = N / 10)
  std::vector<ChartSegment> valueTicks;  // from the lowest up to the top of the value axis

  // In the chart font, black on a transparent background.
  std::vector<ChartText> dateLabels;   // point 0, then one per time tick
  std::vector<ChartText> valueLabels;  // the minimum, then one per value tick
  ChartText valueAxisName;
  ChartText timeAxisName;

  // Per point: x, the truncated height h above the outer bottom edge (the point is drawn at
  // y = H - h) and the smoothed height a.
  std::vector<int> xs;
  std::vector<int> heights;
  std::vector<int> averages;

  std::vector<ChartPoint> rawLine;       // red
  std::vector<ChartPoint> smoothedLine;  // green
  int rawPenWidth = 1;
  int smoothedPenWidth = 5;
  // A series without range puts both lines on the same row; the thin raw line is then drawn
  // over the wide smoothed one so that both stay visible.
  bool rawLineOnTop = false;
};

// The chart for a window whose outer frame is outerWidth x outerHeight pixels. Points are
// oldest first; labels and values must have one entry per point.
ChartGeometry ComputeChartGeometry(int outerWidth, int outerHeight, const GraphPoints& points,
                                   std::string_view timeAxisName, std::string_view valueAxisName);

// The chart font's character height in pixels: 7 points on a device of the given vertical
// dots per inch, rounded to the nearest pixel.
int ChartFontPixelHeight(int verticalDpi);

}  // namespace vesmira
