#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "diary/energy_model.h"
#include "graphs/graph_series.h"
#include "periods/range_walk.h"

// What the scales say beside what the energy sums predict: a smoothed weight (the trend), its
// change over a period, and the normal consumption that change implies.
namespace vesmira {

// Each day moves the trend this share of the way from the day before's trend to the day's
// weighing; that sees through the day-to-day swings of water and food in the body.
inline constexpr double kTrendShare = 0.1;
inline constexpr std::string_view kNotEnoughData = "not enough data";
inline constexpr std::string_view kRealConsumptionCaption = "Real consumption (kcal a day)";
// "Measured change (kg)" or "(lbs)".
std::string MeasuredChangeCaption(bool kilograms);

// Kilograms by day t (today minus t days), as the graph series holds them.
using DayWeights = std::array<std::optional<double>, kSeriesCapacity>;

// The trend of each day, oldest day first: it starts at the oldest weighing of the days given
// (the 365 days walked), so a period's change never depends on days before the year. A day
// without a weighing carries the trend on; days before the first weighing have none.
DayWeights ComputeWeightTrend(const DayWeights& weighings);

// The period of today and the length - 1 days before it.
struct PeriodMeasure {
  // The trend today minus the trend the day before the period, or, when the trend starts
  // inside the period, minus the first weighing. Empty with fewer than two weighings in the
  // period.
  std::optional<double> trendChangeKg;
  // (energy in - training - 7000 kcal per kilogram of trend change) / days, over the stored
  // days with a non-zero energy sum. Empty without a change or without such a day.
  std::optional<double> realConsumption;
};
PeriodMeasure MeasurePeriod(const DayWeights& weighings, const DayWeights& trend, int length,
                            const StoredEnergy& energy);

// One period as the form shows it beside the theoretical result.
struct MeasuredColumn {
  std::string trendChange;  // "%f" in kilograms or pounds, or "not enough data"
  Rgb trendColour = kGoodColour;
  std::string realConsumption;  // kcal a day, a whole number, or "not enough data"
  friend bool operator==(const MeasuredColumn&, const MeasuredColumn&) = default;
};
// The colour follows the sign of the change, as the theoretical weight change's does.
MeasuredColumn FormatMeasuredColumn(const PeriodMeasure& measure, const UserSettings& settings);

}  // namespace vesmira
