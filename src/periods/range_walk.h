#pragma once

#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <string>

#include "diary/day_file.h"
#include "diary/energy_model.h"
#include "graphs/graph_series.h"
#include "storage/calendar_date.h"

namespace vesmira {

// Today and the days before it: the week, the month and the year that end today.
inline constexpr int kWeekLength = 7;
inline constexpr int kMonthLength = 31;
inline constexpr int kYearLength = 365;

// Day t of a span: today minus t calendar days. Stepping by calendar days, never by
// 86,400 seconds, visits every day exactly once across a daylight-saving change.
CalendarDate SpanDay(const CalendarDate& today, int t);

// Whose days a walk visits and the day its span ends on. Nothing comes from globals or
// the clock, so a walk can be run "on 1 January" or "on 29 February".
struct RangeWalkInput {
  std::filesystem::path dataFolder;  // the folder that holds users/
  std::string user;
  UserSettings settings;
  CalendarDate today;
};

// The two sums of a period, formed in 64 bits and saturated to the 32-bit range.
struct PeriodSums {
  std::int32_t kcalChange = 0;  // over the stored days with a non-zero energy sum
  std::int32_t training = 0;    // over all stored days, signed
  friend bool operator==(const PeriodSums&, const PeriodSums&) = default;
};

// Energy in minus training over the stored days of a period whose energy sum is not 0, and
// how many days those are.
struct StoredEnergy {
  std::int64_t energySum = 0;
  std::int32_t days = 0;
};

// Adds up the stored days of a period, one day at a time.
class PeriodAccumulator {
 public:
  // A day whose energy sum is 0 was saved without meals or training: it adds its training
  // only, so an empty day does not count as a day of fasting.
  void AddStoredDay(std::int32_t energySum, std::int32_t training, std::int32_t normal);
  PeriodSums Sums() const;
  StoredEnergy Energy() const { return m_energy; }

 private:
  std::int64_t m_kcalChange = 0;
  std::int64_t m_training = 0;
  StoredEnergy m_energy;
};

// The day file of the walk's user for date.
std::filesystem::path SpanDayPath(const RangeWalkInput& input, const CalendarDate& date);

// The day files of one walk, the same paths as SpanDayPath: the user's folder is made once
// and each day's file name put in its place, which a year of days notices.
class SpanDayPaths {
 public:
  explicit SpanDayPaths(const RangeWalkInput& input);
  const std::filesystem::path& For(const CalendarDate& date);

 private:
  std::filesystem::path m_path;
  std::string m_namePrefix;  // "<user>."
};

// Labels day t of series and, when that day is stored, adds it to period and sets its value
// to what the graphs draw: its energy sum, or for the training graph the size of its
// training energy. Sets day t's weighing, empty when it has none. Returns whether the day is
// stored.
bool VisitSeriesDay(const RangeWalkInput& input, SpanDayPaths& paths, int t, GraphSeries& series,
                    PeriodAccumulator& period);

// Relabels all 365 days of series, sets the value of every stored day (its
// energy sum, or its absolute training with the training-graph flag) and returns the
// year's sums. Values of missing days keep what they held: the graph commands pre-fill them.
PeriodSums WalkStoredDays(const RangeWalkInput& input, GraphSeries& series);

}  // namespace vesmira
