#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "diary/energy_model.h"
#include "diary/weighing.h"
#include "graphs/graph_series.h"
#include "periods/range_walk.h"
#include "storage/shown_text.h"

// What the scales say beside what the energy sums predict: a smoothed weight (the trend) for
// the eye, and, for the figures, the consumption that the weighings and the food logged
// together imply.
namespace vesmira {

// Each calendar day moves the trend this share of the way from the day before's trend to the
// day's weight; that sees through the day-to-day swings of water and food in the body.
inline constexpr double kTrendShare = 0.1;
// Weighings further apart than this are not joined: nothing is known of the weight between
// them, so the trend stops and starts again at the next weighing.
inline constexpr int kTrendGapDays = 28;
// The trend forgets 90 % a day; after this many days a weighing moves it by less than a
// gram in ten kilograms, so the history before the year is read back no further.
inline constexpr int kTrendLookbackDays = 120;

inline constexpr std::string_view kRealConsumptionCaption =
    VESMIRA_TEXT("Weighing", "Real consumption (kcal a day)");
// "Measured change (kg)" or "(lbs)".
std::string MeasuredChangeCaption(bool kilograms, const TextLanguage& language = English());

// Why a period shows no figure, in the fields' own few words.
inline constexpr std::string_view kNeedsWeighings =
    VESMIRA_TEXT("Weighing", "weigh at least 6 times");
inline constexpr std::string_view kNeedsFoodDays =
    VESMIRA_TEXT("Weighing", "log food on more days");
inline constexpr std::string_view kTooUncertain = VESMIRA_TEXT("Weighing", "too uncertain yet");
inline constexpr std::string_view kImplausibleFigure = VESMIRA_TEXT("Weighing", "check weighings");
inline constexpr std::array<std::string_view, 4> kMeasureReasons{kNeedsWeighings, kNeedsFoodDays,
                                                                 kTooUncertain, kImplausibleFigure};

// Kilograms by day t (today minus t days), as the graph series holds them.
using DayWeights = std::array<std::optional<double>, kSeriesCapacity>;
// Energy in minus training of day t, on days with food logged; empty on the others.
using DayEnergies = std::array<std::optional<std::int32_t>, kSeriesCapacity>;

// The trend of each day, index t as the weighings (which may reach back past the year). It
// steps with the calendar: the days between two weighings take the weight on the straight
// line between them, so a week without the scales moves it as far as a week with them.
// Before the first weighing, across a gap of more than kTrendGapDays, and more than that
// after the last weighing, there is no trend.
std::vector<std::optional<double>> ComputeWeightTrend(
    const std::vector<std::optional<double>>& weighings);

// Adds to weighings (index t, the year's read, the plausible ones) the days before them that
// still move the trend: back from the oldest weighing while the next is no more than
// kTrendGapDays older, at most kTrendLookbackDays before the days given.
void ReadEarlierWeighings(const RangeWalkInput& input,
                          std::vector<std::optional<double>>& weighings);

// Today and the length - 1 days before it, measured by the scales and the food logged.
//
// The weight on a day is taken as a start weight plus the energy in minus training of the
// days before it, minus an unknown constant consumption, 7000 kcal a kilogram. Taking the
// logged energy off each weighing leaves a straight line whose slope is that consumption,
// fitted by least squares over the period's weighings: a change of diet is in the energy,
// so the figure does not lag behind it. What was eaten on a day without food logged is not
// guessed: the weighings after it may stand higher or lower by any amount, and the slope
// is taken within the runs of logged days only. The measured change counts such a day as
// the mean of the logged days.
struct PeriodMeasure {
  std::optional<double> consumption;  // kcal a day
  double margin = 0;                  // kcal a day either side, about 19 times in 20
  // The period's weight change the fit implies: (mean energy - consumption) * length / 7000.
  double changeKg = 0;
  std::string_view reason;  // one of kMeasureReasons when there is no figure
};
PeriodMeasure MeasurePeriod(const DayWeights& weighings, const DayEnergies& energies, int length);

// One period as the form shows it beside the theoretical result: both fields hold the
// reason when there is no figure.
struct MeasuredColumn {
  std::string trendChange;  // "%f" in kilograms or pounds
  Rgb trendColour = kGoodColour;
  std::string realConsumption;  // "2450 ± 90", kcal a day
  std::string_view reason;      // one of kMeasureReasons when there is no figure
  friend bool operator==(const MeasuredColumn&, const MeasuredColumn&) = default;
};
// The colour follows the sign of the change, as the theoretical weight change's does.
MeasuredColumn FormatMeasuredColumn(const PeriodMeasure& measure, const UserSettings& settings);

}  // namespace vesmira
