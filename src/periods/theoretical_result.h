#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "diary/energy_model.h"
#include "diary/weighing.h"
#include "graphs/graph_series.h"
#include "periods/range_walk.h"
#include "periods/weight_trend.h"

namespace vesmira {

inline constexpr double kKcalPerKilogram = 7000.0;

// One column of the theoretical result, as the form shows it.
struct ResultColumn {
  std::string kcalChange;    // "%d"
  std::string weightChange;  // "%f", kilograms or pounds
  Rgb weightColour = kGoodColour;
  std::string training;
  friend bool operator==(const ResultColumn&, const ResultColumn&) = default;
};

struct TheoreticalResult {
  ResultColumn day;
  ResultColumn week;
  ResultColumn month;
  ResultColumn year;
  // What the scales say over the same periods: the trend's change and the real normal
  // consumption it implies.
  MeasuredColumn measuredWeek;
  MeasuredColumn measuredMonth;
  MeasuredColumn measuredYear;
  friend bool operator==(const TheoreticalResult&, const TheoreticalResult&) = default;
};

// The colour follows the sign of the change in kilograms, before any conversion to pounds.
ResultColumn FormatColumn(std::int32_t kcalChange, std::string trainingText,
                          const UserSettings& settings);

// The Day column: energy in minus training minus the normal consumption, even on a day
// with nothing eaten. The training text is shown as it stands.
ResultColumn DayColumn(std::string_view energyInText, std::string_view trainingText,
                       const UserSettings& settings);

// What the Calculate button shows. The caller saves the day shown on the form (SaveDay)
// first, so the week, month and year that end today include it with its current values.
// Fills the labels and values of all 365 days of series (a missing day shows the normal
// consumption, or 0 for the training graph), and their weighings and trend; the span and
// the training-graph flag are read, never changed.
TheoreticalResult CalculateTheoreticalResult(const RangeWalkInput& input,
                                             std::string_view energyInText,
                                             std::string_view trainingText, GraphSeries& series);

}  // namespace vesmira
