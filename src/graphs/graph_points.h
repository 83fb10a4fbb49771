#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graphs/graph_series.h"

namespace vesmira {

inline constexpr std::string_view kCalorieGraphTitle = "Calorie Eaten";
inline constexpr std::string_view kTrainingGraphTitle = "Calorie consumption by training";
inline constexpr std::string_view kGraphTimeAxisName = "Date";
inline constexpr std::string_view kGraphValueAxisName = "kcal";
inline constexpr std::string_view kWeightGraphTitle = "Weight and trend";

// The points a graph window draws, oldest first: point 0 is the oldest day, the last point
// today. Both vectors hold one entry per point.
struct GraphPoints {
  std::vector<std::string> labels;  // "DD/MM"
  std::vector<std::int32_t> values;
};

// The last `span` days of the series turned round: point i is day span - 1 - i. A span
// outside 0 to the capacity is held to it.
GraphPoints PointsFromSeries(const GraphSeries& series);

// The weight graph's points, oldest first as above, in the user's unit: the weighing of each
// day (empty without one) and the trend (empty before the first weighing of the year).
struct WeightGraphPoints {
  std::vector<std::string> labels;  // "DD/MM"
  std::vector<std::optional<double>> weighings;
  std::vector<std::optional<double>> trend;
};
WeightGraphPoints WeightPointsFromSeries(const GraphSeries& series, bool kilogramsShown);

}  // namespace vesmira
