#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graphs/graph_series.h"
#include "storage/shown_text.h"

namespace vesmira {

inline constexpr std::string_view kCalorieGraphTitle = VESMIRA_TEXT("Graph", "Calorie Eaten");
inline constexpr std::string_view kTrainingGraphTitle =
    VESMIRA_TEXT("Graph", "Calorie consumption by training");
inline constexpr std::string_view kGraphTimeAxisName = VESMIRA_TEXT("Graph", "Date");
inline constexpr std::string_view kGraphValueAxisName = VESMIRA_TEXT("Graph", "kcal");
inline constexpr std::string_view kWeightGraphTitle = VESMIRA_TEXT("Graph", "Weight and trend");

// The points a graph window draws, oldest first: point 0 is the oldest day, the last point
// today. Both vectors hold one entry per point.
struct GraphPoints {
  std::vector<std::string> labels;  // "DD/MM"
  std::vector<std::int32_t> values;
};

// The last `span` days of the series turned round: point i is day span - 1 - i. A span
// outside 0 to the capacity is held to it.
GraphPoints PointsFromSeries(const GraphSeries& series);

// What the chart shows, in words for a screen reader: the days it spans and its lowest,
// highest and latest value, for example
// "31 days from 06/11 to 06/12: lowest 1800 kcal, highest 2500 kcal, latest 2000 kcal".
std::string DescribeGraph(const GraphPoints& points, std::string_view unit,
                          const TextLanguage& language = English());

// The weight graph's points, oldest first as above, in the user's unit: the weighing of each
// day (empty without one) and the trend (empty before the first weighing of the year).
struct WeightGraphPoints {
  std::vector<std::string> labels;  // "DD/MM"
  std::vector<std::optional<double>> weighings;
  std::vector<std::optional<double>> trend;
};
WeightGraphPoints WeightPointsFromSeries(const GraphSeries& series, bool kilogramsShown);

// The weight graph in words, as DescribeGraph, of the days weighed, to a tenth:
// "31 days from 06/11 to 06/12: lowest 80.2 kg, highest 81.4 kg, latest 80.5 kg".
std::string DescribeWeightGraph(const WeightGraphPoints& points, std::string_view unit,
                                const TextLanguage& language = English());

}  // namespace vesmira
