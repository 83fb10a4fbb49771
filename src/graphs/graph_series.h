#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace vesmira {

inline constexpr std::size_t kSeriesCapacity = 365;
inline constexpr std::int32_t kMonthSpan = 31;
inline constexpr std::int32_t kYearSpan = 365;

// The days the graphs draw, held by the diary form for its whole life. Index t is today
// minus t calendar days.
struct GraphSeries {
  std::array<std::string, kSeriesCapacity> dayLabels;  // "DD/MM"
  std::array<std::int32_t, kSeriesCapacity> dayValues{};
  std::int32_t span = kMonthSpan;  // 31 or 365
  std::int32_t trainingGraph = 0;  // 1 while the training graph is prepared
  // In kilograms: day t's weighing (empty without one) and the trend of the weighings up to
  // day t (empty before the first weighing).
  std::array<std::optional<double>, kSeriesCapacity> dayWeighings{};
  std::array<std::optional<double>, kSeriesCapacity> dayTrend{};
};

}  // namespace vesmira
