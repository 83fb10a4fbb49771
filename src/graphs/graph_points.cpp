#include "graphs/graph_points.h"

#include <algorithm>

#include "diary/weighing.h"
#include "storage/number_text.h"

namespace vesmira {

namespace {

std::size_t SpanCount(const GraphSeries& series) {
  return static_cast<std::size_t>(
      std::clamp<std::int32_t>(series.span, 0, static_cast<std::int32_t>(kSeriesCapacity)));
}

}  // namespace

GraphPoints PointsFromSeries(const GraphSeries& series) {
  const std::size_t count = SpanCount(series);
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

WeightGraphPoints WeightPointsFromSeries(const GraphSeries& series, bool kilogramsShown) {
  const std::size_t count = SpanCount(series);
  const auto inUnit = [kilogramsShown](const std::optional<double>& kilograms) {
    return kilograms ? std::optional<double>(ToUserUnit(*kilograms, kilogramsShown)) : std::nullopt;
  };
  WeightGraphPoints points;
  for (std::size_t day = count; day-- > 0;) {
    points.labels.push_back(series.dayLabels[day]);
    points.weighings.push_back(inUnit(series.dayWeighings[day]));
    points.trend.push_back(inUnit(series.dayTrend[day]));
  }
  return points;
}

}  // namespace vesmira
