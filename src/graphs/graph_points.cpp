#include "graphs/graph_points.h"

#include <algorithm>

#include "storage/number_text.h"

namespace vesmira {

GraphPoints PointsFromSeries(const GraphSeries& series) {
  const auto count = static_cast<std::size_t>(
      std::clamp<std::int32_t>(series.span, 0, static_cast<std::int32_t>(kSeriesCapacity)));
  GraphPoints points;
  points.labels.reserve(count);
  points.values.reserve(count);
  for (std::size_t day = count; day-- > 0;) {
    points.labels.push_back(series.dayLabels[day]);
    points.values.push_back(series.dayValues[day]);
  }
  return points;
}

std::string DescribeGraph(const GraphPoints& points, std::string_view unit) {
  if (points.values.empty()) return "No days";
  const auto [lowest, highest] = std::minmax_element(points.values.begin(), points.values.end());
  const auto withUnit = [unit](std::int32_t value) {
    std::string text = FormatNumber(value);
    text += ' ';
    text += unit;
    return text;
  };
  std::string text = FormatNumber(static_cast<std::int64_t>(points.values.size()));
  text += points.values.size() == 1 ? " day" : " days";
  if (!points.labels.empty())
    text += " from " + points.labels.front() + " to " + points.labels.back();
  text += ": lowest " + withUnit(*lowest) + ", highest " + withUnit(*highest) + ", latest " +
          withUnit(points.values.back());
  return text;
}

}  // namespace vesmira
