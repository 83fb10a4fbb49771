#include "periods/weight_trend.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "diary/day_file.h"
#include "diary/weighing.h"
#include "periods/theoretical_result.h"
#include "storage/number_text.h"

namespace vesmira {

namespace {

// Fewer weighings than this cannot tell a trend from the day-to-day swings.
constexpr int kMinWeighings = 6;
// Share of the days between the first and the last weighing that must have food logged.
constexpr double kMinLoggedShare = 0.7;
// Scales read to a tenth; a fit through weighings that scatter less than half of that is
// taken to scatter that much, so a figure never claims a precision no scales have.
constexpr double kMinScatterKg = 0.05;
// A figure less sure than this either side is no help for planning a diet.
constexpr double kMaxMarginKcal = 300.0;
constexpr double kMinPlausibleConsumption = 500.0;
constexpr double kMaxPlausibleConsumption = 10000.0;

// Student's t at 97.5 % by degrees of freedom, so that the margin holds about 19 times in 20
// also for the few weighings of a week.
double StudentT(int freedom) {
  static constexpr double kTable[] = {12.706, 4.303, 3.182, 2.776, 2.571, 2.447, 2.365, 2.306,
                                      2.262,  2.228, 2.201, 2.179, 2.160, 2.145, 2.131, 2.120,
                                      2.110,  2.101, 2.093, 2.086, 2.080, 2.074, 2.069, 2.064,
                                      2.060,  2.056, 2.052, 2.048, 2.045, 2.042};
  if (freedom < 1) return kTable[0];
  if (freedom <= static_cast<int>(std::size(kTable))) return kTable[freedom - 1];
  return 2.0;
}

// A whole number of ten kcal: a figure from the scales is not sure to the single kcal.
std::int64_t ToTens(double value) {
  return static_cast<std::int64_t>(std::round(std::clamp(value, -1e15, 1e15) / 10.0)) * 10;
}

struct Fit {
  double slope = 0;
  double scatter = 0;  // residual standard deviation
  double spread = 0;   // the square root of the sum of squared distances from the group means
  int freedom = 0;     // degrees of freedom of the residuals
};

// A weighing with the logged energy of the days before it taken off, and the number of days
// without food logged before it: weighings after the same such days share one unknown.
struct Sample {
  int group = 0;
  double x = 0;
  double adjusted = 0;
};

// Least squares of one slope through samples that each group may shift up or down, so that
// the unknown energy of a day without food logged moves no figure.
Fit FitWithinGroups(const std::vector<Sample>& samples) {
  std::map<int, std::pair<double, double>> sums;  // group: sum of x, sum of adjusted
  std::map<int, int> counts;
  for (const Sample& sample : samples) {
    sums[sample.group].first += sample.x;
    sums[sample.group].second += sample.adjusted;
    ++counts[sample.group];
  }
  const auto centred = [&](const Sample& sample) {
    const double count = counts[sample.group];
    const auto& [sumX, sumY] = sums[sample.group];
    return std::pair(sample.x - sumX / count, sample.adjusted - sumY / count);
  };
  double sxx = 0;
  double sxy = 0;
  for (const Sample& sample : samples) {
    const auto [x, y] = centred(sample);
    sxx += x * x;
    sxy += x * y;
  }
  Fit fit;
  fit.freedom = static_cast<int>(samples.size() - counts.size()) - 1;
  if (sxx <= 0 || fit.freedom < 1) return fit;
  fit.slope = sxy / sxx;
  double residuals = 0;
  for (const Sample& sample : samples) {
    const auto [x, y] = centred(sample);
    residuals += (y - fit.slope * x) * (y - fit.slope * x);
  }
  fit.scatter = std::sqrt(residuals / fit.freedom);
  fit.spread = std::sqrt(sxx);
  return fit;
}

}  // namespace

std::string MeasuredChangeCaption(bool kilograms, const TextLanguage& language) {
  return FillIn(language.Text("Weighing", VESMIRA_TEXT("Weighing", "Measured change (%1)")),
                {language.Text("Weighing", WeightUnitName(kilograms).data())});
}

std::vector<std::optional<double>> ComputeWeightTrend(
    const std::vector<std::optional<double>>& weighings) {
  std::vector<std::optional<double>> trend(weighings.size());
  std::optional<std::size_t> last;
  double carried = 0;
  for (std::size_t t = weighings.size(); t-- > 0;) {
    if (!weighings[t]) continue;
    const double weight = *weighings[t];
    if (last && *last - t <= kTrendGapDays) {
      const double from = *weighings[*last];
      const double days = static_cast<double>(*last - t);
      for (std::size_t s = *last; s-- > t;) {
        const double onTheLine = from + (weight - from) * static_cast<double>(*last - s) / days;
        carried += kTrendShare * (onTheLine - carried);
        trend[s] = carried;
      }
    } else {
      carried = weight;
      trend[t] = carried;
    }
    last = t;
  }
  // After the last weighing the trend holds, until a gap begins.
  if (last) {
    for (std::size_t s = *last; s-- > 0 && *last - s <= kTrendGapDays;) trend[s] = carried;
  }
  return trend;
}

void ReadEarlierWeighings(const RangeWalkInput& input,
                          std::vector<std::optional<double>>& weighings) {
  const int end = static_cast<int>(weighings.size());
  std::optional<int> oldest;
  for (int t = end; t-- > 0;) {
    if (weighings[static_cast<std::size_t>(t)]) {
      oldest = t;
      break;
    }
  }
  if (!oldest) return;
  SpanDayPaths paths(input);
  for (int t = end; t < end + kTrendLookbackDays && t - *oldest <= kTrendGapDays; ++t) {
    const std::optional<DayTotals> totals = ReadDayTotals(paths.For(SpanDay(input.today, t)));
    std::optional<double> weighing;
    if (totals && totals->vikt && IsPlausibleWeighing(*totals->vikt)) {
      weighing = totals->vikt;
      oldest = t;
    }
    weighings.push_back(weighing);
  }
}

PeriodMeasure MeasurePeriod(const DayWeights& weighings, const DayEnergies& energies, int length) {
  PeriodMeasure measure;
  const int days = std::clamp(length, 0, static_cast<int>(kSeriesCapacity));
  // Day x counts from the oldest day of the period, so that time runs forward.
  const auto at = [days](const auto& byDay, int x) -> const auto& {
    return byDay[static_cast<std::size_t>(days - 1 - x)];
  };
  std::vector<int> weighed;
  for (int x = 0; x < days; ++x) {
    if (at(weighings, x)) weighed.push_back(x);
  }
  if (static_cast<int>(weighed.size()) < kMinWeighings) {
    measure.reason = kNeedsWeighings;
    return measure;
  }
  // The energy that moved the weighings: from the day of the first to the day before the last.
  const int first = weighed.front();
  const int last = weighed.back();
  int logged = 0;
  double energySum = 0;
  for (int x = first; x < last; ++x) {
    if (const std::optional<std::int32_t>& energy = at(energies, x)) {
      ++logged;
      energySum += *energy;
    }
  }
  if (logged == 0 || logged < kMinLoggedShare * (last - first)) {
    measure.reason = kNeedsFoodDays;
    return measure;
  }
  const double meanEnergy = energySum / logged;

  std::vector<Sample> samples;
  int unlogged = 0;
  double energySoFar = 0;
  for (int x = first; x <= last; ++x) {
    if (const std::optional<double>& weight = at(weighings, x)) {
      samples.push_back(
          {unlogged, static_cast<double>(x), *weight - energySoFar / kKcalPerKilogram});
    }
    if (const std::optional<std::int32_t>& energy = at(energies, x)) {
      energySoFar += *energy;
    } else {
      ++unlogged;
    }
  }
  const Fit fit = FitWithinGroups(samples);
  if (fit.spread <= 0) {
    measure.reason = kNeedsFoodDays;
    return measure;
  }
  const double consumption = -fit.slope * kKcalPerKilogram;
  measure.margin =
      StudentT(fit.freedom) * kKcalPerKilogram * std::max(fit.scatter, kMinScatterKg) / fit.spread;
  measure.changeKg = (meanEnergy - consumption) * days / kKcalPerKilogram;
  if (!std::isfinite(consumption) || !std::isfinite(measure.margin)) {
    measure.reason = kImplausibleFigure;
  } else if (measure.margin > kMaxMarginKcal) {
    measure.reason = kTooUncertain;
  } else if (consumption < kMinPlausibleConsumption || consumption > kMaxPlausibleConsumption) {
    measure.reason = kImplausibleFigure;
  } else {
    measure.consumption = consumption;
  }
  return measure;
}

MeasuredColumn FormatMeasuredColumn(const PeriodMeasure& measure, const UserSettings& settings) {
  MeasuredColumn column;
  if (!measure.consumption) {
    column.trendChange = measure.reason;
    column.realConsumption = measure.reason;
    column.reason = measure.reason;
    return column;
  }
  column.trendColour = WeightChangeColour(measure.changeKg);
  column.trendChange = FormatWeight(ToUserUnit(measure.changeKg, settings.UsesKilograms()));
  column.realConsumption = FormatNumber(ToTens(*measure.consumption)) + " \xC2\xB1 " +
                           FormatNumber(std::max<std::int64_t>(ToTens(measure.margin), 10));
  return column;
}

}  // namespace vesmira
