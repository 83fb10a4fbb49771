#include "periods/weight_trend.h"

#include <algorithm>
#include <cmath>

#include "diary/weighing.h"
#include "periods/theoretical_result.h"
#include "storage/number_text.h"

namespace vesmira {

std::string MeasuredChangeCaption(bool kilograms) {
  return "Measured change (" + std::string(WeightUnitName(kilograms)) + ")";
}

DayWeights ComputeWeightTrend(const DayWeights& weighings) {
  DayWeights trend{};
  std::optional<double> carried;
  for (std::size_t t = weighings.size(); t-- > 0;) {
    if (const std::optional<double>& weighing = weighings[t]) {
      carried = carried ? *carried + kTrendShare * (*weighing - *carried) : *weighing;
    }
    trend[t] = carried;
  }
  return trend;
}

PeriodMeasure MeasurePeriod(const DayWeights& weighings, const DayWeights& trend, int length,
                            const StoredEnergy& energy) {
  const auto days = static_cast<std::size_t>(std::clamp(length, 0, int{kSeriesCapacity}));
  int count = 0;
  std::size_t oldest = 0;
  for (std::size_t t = 0; t < days; ++t) {
    if (weighings[t]) {
      ++count;
      oldest = t;
    }
  }
  PeriodMeasure measure;
  if (count < 2) return measure;
  const std::optional<double> before = days < trend.size() ? trend[days] : std::nullopt;
  const double base = before ? *before : *weighings[oldest];
  measure.trendChangeKg = *trend[0] - base;
  if (energy.days > 0) {
    measure.realConsumption =
        (static_cast<double>(energy.energySum) - kKcalPerKilogram * *measure.trendChangeKg) /
        energy.days;
  }
  return measure;
}

MeasuredColumn FormatMeasuredColumn(const PeriodMeasure& measure, const UserSettings& settings) {
  MeasuredColumn column;
  column.trendChange = kNotEnoughData;
  column.realConsumption = kNotEnoughData;
  if (measure.trendChangeKg) {
    const double change = *measure.trendChangeKg;
    column.trendColour = change > 0 ? kWarningColour : kGoodColour;
    column.trendChange = FormatWeight(ToUserUnit(change, settings.UsesKilograms()));
  }
  if (measure.realConsumption) {
    column.realConsumption = FormatNumber(
        static_cast<std::int64_t>(std::clamp(std::round(*measure.realConsumption), -1e15, 1e15)));
  }
  return column;
}

}  // namespace vesmira
