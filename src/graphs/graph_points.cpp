#include "graphs/graph_points.h"

#include <algorithm>

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

}  // namespace vesmira
