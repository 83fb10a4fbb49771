#include "graphs/graph_points.h"

#include <algorithm>

#include "diary/weighing.h"

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
