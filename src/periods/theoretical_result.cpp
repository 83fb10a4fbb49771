#include "periods/theoretical_result.h"

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
  double weight = kcalChange / kKcalPerKilogram;
  column.weightColour = weight > 0 ? kWarningColour : kGoodColour;
  if (!settings.UsesKilograms()) weight /= kKilogramsPerPound;
  column.weightChange = FormatWeight(weight);
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
// weighing is set too, empty when it has none.
void VisitSeriesDay(const RangeWalkInput& input, SpanDayPaths& paths, int t, GraphSeries& series,
                    PeriodAccumulator& period) {
  const CalendarDate date = SpanDay(input.today, t);
  series.dayLabels[t] = DayLabel(date);
  const bool training = series.trainingGraph != 0;
  const std::optional<DayTotals> totals = ReadDayTotals(paths.For(date));
  if (!totals) {
    series.dayValues[t] = training ? 0 : input.settings.grundForbrukning;
    series.dayWeighings[t].reset();
    return;
  }
  series.dayWeighings[t] = totals->vikt;
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
  StoredEnergy weekEnergy;
  StoredEnergy monthEnergy;
  for (int t = 0; t < kYearLength; ++t) {
    VisitSeriesDay(input, paths, t, series, sums);
    if (t == kWeekLength - 1) {
      result.week = FormatSums(sums.Sums(), input.settings);
      weekEnergy = sums.Energy();
    }
    if (t == kMonthLength - 1) {
      result.month = FormatSums(sums.Sums(), input.settings);
      monthEnergy = sums.Energy();
    }
  }
  result.year = FormatSums(sums.Sums(), input.settings);

  // The trend runs oldest day first, so it is worked out once the year's weighings are in.
  series.dayTrend = ComputeWeightTrend(series.dayWeighings);
  const auto measure = [&](int length, const StoredEnergy& energy) {
    return FormatMeasuredColumn(MeasurePeriod(series.dayWeighings, series.dayTrend, length, energy),
                                input.settings);
  };
  result.measuredWeek = measure(kWeekLength, weekEnergy);
  result.measuredMonth = measure(kMonthLength, monthEnergy);
  result.measuredYear = measure(kYearLength, sums.Energy());
  return result;
}

}  // namespace vesmira
