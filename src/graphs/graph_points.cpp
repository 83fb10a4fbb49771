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
std::string DescribeSpan(const std::vector<std::string>& labels, const TextLanguage& language) {
  const auto days = static_cast<std::int64_t>(labels.size());
  if (labels.empty()) return language.Counted("Graph", VESMIRA_TEXT_N("Graph", "%n day(s)"), 0);
  return FillIn(language.Counted("Graph", VESMIRA_TEXT_N("Graph", "%n day(s) from %1 to %2"), days),
                {labels.front(), labels.back()});
}

// "...: lowest 1800 kcal, highest 2600 kcal, latest 2100 kcal".
std::string DescribeValues(const std::vector<std::string>& labels, const std::string& lowest,
                           const std::string& highest, const std::string& latest,
                           const TextLanguage& language) {
  return FillIn(
      language.Text("Graph", VESMIRA_TEXT("Graph", "%1: lowest %2, highest %3, latest %4")),
      {DescribeSpan(labels, language), lowest, highest, latest});
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

std::string DescribeGraph(const GraphPoints& points, std::string_view unit,
                          const TextLanguage& language) {
  if (points.values.empty()) return language.Text("Graph", VESMIRA_TEXT("Graph", "No days"));
  const auto [lowest, highest] = std::minmax_element(points.values.begin(), points.values.end());
  const auto withUnit = [unit](std::int32_t value) {
    return FormatNumber(value) + ' ' + std::string(unit);
  };
  return DescribeValues(points.labels, withUnit(*lowest), withUnit(*highest),
                        withUnit(points.values.back()), language);
}

std::string DescribeWeightGraph(const WeightGraphPoints& points, std::string_view unit,
                                const TextLanguage& language) {
  if (points.labels.empty()) return language.Text("Graph", VESMIRA_TEXT("Graph", "No days"));
  std::vector<double> weighed;
  for (const std::optional<double>& weighing : points.weighings) {
    if (weighing) weighed.push_back(*weighing);
  }
  if (weighed.empty()) {
    return FillIn(language.Text("Graph", VESMIRA_TEXT("Graph", "%1: no weighing")),
                  {DescribeSpan(points.labels, language)});
  }
  const auto [lowest, highest] = std::minmax_element(weighed.begin(), weighed.end());
  const auto withUnit = [unit, &language](double value) {
    char buffer[64];
    const std::to_chars_result result =
        std::to_chars(std::begin(buffer), std::end(buffer), value, std::chars_format::fixed, 1);
    return language.Number(
               std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer))) +
           ' ' + std::string(unit);
  };
  return DescribeValues(points.labels, withUnit(*lowest), withUnit(*highest),
                        withUnit(weighed.back()), language);
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
