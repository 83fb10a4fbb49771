#include "periods/theoretical_result.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <utility>

#include "diary/day_file.h"
#include "storage/number_text.h"

namespace vesmira {

ResultColumn FormatColumn(std::int32_t kcalChange, std::string trainingText,
                          const UserSettings& settings) {
  ResultColumn column;
  column.kcalChange = FormatNumber(kcalChange);
  const double weight = kcalChange / kKcalPerKilogram;
  column.weightColour = WeightChangeColour(weight);
  column.weightChange = FormatWeight(ToUserUnit(weight, settings.UsesKilograms()));
  column.training = std::move(trainingText);
  return column;
}

ResultColumn DayColumn(std::string_view energyInText, std::string_view trainingText,
                       const UserSettings& settings) {
  const std::int64_t change = std::int64_t{ParseNumber(energyInText)} - ParseNumber(trainingText) -
                              settings.grundForbrukning;
  return FormatColumn(SaturateToInt32(change), std::string(trainingText), settings);
}

namespace {

ResultColumn FormatSums(const PeriodSums& sums, const UserSettings& settings) {
  return FormatColumn(sums.kcalChange, FormatNumber(sums.training), settings);
}

// Labels day t of series and sets its value to what the graphs draw: a stored day's energy
// sum, or for the training graph the size of its training energy; a day without a file draws
// as a day of normal consumption and no training. A stored day is added to period. Day t's
// weighing and its energy, when food was logged, are set too.
void VisitSeriesDay(const RangeWalkInput& input, SpanDayPaths& paths, int t, GraphSeries& series,
                    PeriodAccumulator& period, DayEnergies& energies) {
  const CalendarDate date = SpanDay(input.today, t);
  series.dayLabels[t] = DayLabel(date);
  const bool training = series.trainingGraph != 0;
  const std::optional<DayTotals> totals = ReadDayTotals(paths.For(date));
  if (!totals) {
    series.dayValues[t] = training ? 0 : input.settings.grundForbrukning;
    series.dayWeighings[t].reset();
    energies[t].reset();
    return;
  }
  series.dayWeighings[t].reset();
  if (totals->vikt && IsPlausibleWeighing(*totals->vikt)) series.dayWeighings[t] = totals->vikt;
  // The stored sum is energy in minus training: food was logged when energy in is above 0.
  energies[t].reset();
  if (std::int64_t{totals->energySum} + totals->training > 0) energies[t] = totals->energySum;
  period.AddStoredDay(totals->energySum, totals->training, input.settings.grundForbrukning);
  series.dayValues[t] =
      training ? SaturateToInt32(std::llabs(std::int64_t{totals->training})) : totals->energySum;
}

}  // namespace

TheoreticalResult CalculateTheoreticalResult(const RangeWalkInput& input,
                                             std::string_view energyInText,
                                             std::string_view trainingText, GraphSeries& series) {
  TheoreticalResult result;
  result.day = DayColumn(energyInText, trainingText, input.settings);

  // One pass over the year, the week and the month shown on the way: each period starts
  // today, so the sums after day 6 and day 30 are the week's and the month's, and no day
  // file is read twice.
  PeriodAccumulator sums;
  SpanDayPaths paths(input);
  DayEnergies energies{};
  for (int t = 0; t < kYearLength; ++t) {
    VisitSeriesDay(input, paths, t, series, sums, energies);
    if (t == kWeekLength - 1) result.week = FormatSums(sums.Sums(), input.settings);
    if (t == kMonthLength - 1) result.month = FormatSums(sums.Sums(), input.settings);
  }
  result.year = FormatSums(sums.Sums(), input.settings);

  // The trend runs oldest day first, from before the year, so it is worked out once the
  // year's weighings are in.
  std::vector<std::optional<double>> weighings(series.dayWeighings.begin(),
                                               series.dayWeighings.end());
  ReadEarlierWeighings(input, weighings);
  const std::vector<std::optional<double>> trend = ComputeWeightTrend(weighings);
  std::copy_n(trend.begin(), series.dayTrend.size(), series.dayTrend.begin());
  const auto measure = [&](int length) {
    return FormatMeasuredColumn(MeasurePeriod(series.dayWeighings, energies, length),
                                input.settings);
  };
  result.measuredWeek = measure(kWeekLength);
  result.measuredMonth = measure(kMonthLength);
  result.measuredYear = measure(kYearLength);
  return result;
}

}  // namespace vesmira
