#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "diary/energy_model.h"
#include "storage/calendar_date.h"
#include "storage/data_paths.h"

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
  int spanDays = kYearLength;  // how many days an export walks, today the last of them
};

// The two sums of a period, formed in 64 bits and saturated to the 32-bit range.
struct PeriodSums {
  std::int32_t kcalChange = 0;  // over the stored days with a non-zero energy sum
  std::int32_t training = 0;    // over all stored days, signed
  friend bool operator==(const PeriodSums&, const PeriodSums&) = default;
};

// Adds up the stored days of a period, one day at a time.
class PeriodAccumulator {
 public:
  // A day whose energy sum is 0 was saved without meals or training: it adds its training
  // only, so an empty day does not count as a day of fasting.
  void AddStoredDay(std::int32_t energySum, std::int32_t training, std::int32_t normal);
  PeriodSums Sums() const;

 private:
  std::int64_t m_kcalChange = 0;
  std::int64_t m_training = 0;
};

// The day files of the walk's user, one span day at a time.
class SpanDayPaths {
 public:
  explicit SpanDayPaths(const RangeWalkInput& input) : m_paths(input.dataFolder, input.user) {}
  const std::filesystem::path& For(const CalendarDate& date) { return m_paths.For(DateText(date)); }

 private:
  DayFilePaths m_paths;
};

}  // namespace vesmira
