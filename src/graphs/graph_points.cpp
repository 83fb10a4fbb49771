#include "graphs/graph_points.h"

#include <algorithm>
#include <charconv>
#include <iterator>

#include "diary/weighing.h"
#include "storage/number_text.h"

namespace vesmira {

namespace {

std::size_t SpanCount(const GraphSeries& series) {
  return static_cast<std::size_t>(
      std::clamp<std::int32_t>(series.span, 0, static_cast<std::int32_t>(kSeriesCapacity)));
}

// "31 days from 06/11 to 06/12".
std::string DescribeSpan(const std::vector<std::string>& labels) {
  std::string text = FormatNumber(static_cast<std::int64_t>(labels.size()));
  text += labels.size() == 1 ? " day" : " days";
  if (!labels.empty()) text += " from " + labels.front() + " to " + labels.back();
  return text;
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
    return FormatNumber(value) + ' ' + std::string(unit);
  };
  return DescribeSpan(points.labels) + ": lowest " + withUnit(*lowest) + ", highest " +
         withUnit(*highest) + ", latest " + withUnit(points.values.back());
}

std::string DescribeWeightGraph(const WeightGraphPoints& points, std::string_view unit) {
  if (points.labels.empty()) return "No days";
  std::vector<double> weighed;
  for (const std::optional<double>& weighing : points.weighings) {
    if (weighing) weighed.push_back(*weighing);
  }
  if (weighed.empty()) return DescribeSpan(points.labels) + ": no weighing";
  const auto [lowest, highest] = std::minmax_element(weighed.begin(), weighed.end());
  const auto withUnit = [unit](double value) {
    char buffer[64];
    const std::to_chars_result result =
        std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::fixed, 1);
    return std::string(std::begin(buffer), result.ptr) + ' ' + std::string(unit);
  };
  return DescribeSpan(points.labels) + ": lowest " + withUnit(*lowest) + ", highest " +
         withUnit(*highest) + ", latest " + withUnit(weighed.back());
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
