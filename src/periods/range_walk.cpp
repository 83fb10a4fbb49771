#include "periods/range_walk.h"

#include <cstdlib>
#include <optional>
#include <ostream>

#include "diary/day_file.h"
#include "storage/number_text.h"

namespace vesmira {

CalendarDate SpanDay(const CalendarDate& today, int t) { return AddDays(today, -t); }

void PeriodAccumulator::AddStoredDay(std::int32_t energySum, std::int32_t training,
                                     std::int32_t normal) {
  if (energySum != 0) {
    m_kcalChange += std::int64_t{energySum} - normal;
    m_energy.energySum += energySum;
    ++m_energy.days;
  }
  m_training += training;
}

PeriodSums PeriodAccumulator::Sums() const {
  return {SaturateToInt32(m_kcalChange), SaturateToInt32(m_training)};
}

std::filesystem::path SpanDayPath(const RangeWalkInput& input, const CalendarDate& date) {
  return DayFilePath(input.dataFolder, input.user, DateText(date));
}

SpanDayPaths::SpanDayPaths(const RangeWalkInput& input)
    : m_path(DayFilePath(input.dataFolder, input.user, "")), m_namePrefix(input.user + ".") {}

const std::filesystem::path& SpanDayPaths::For(const CalendarDate& date) {
  m_path.replace_filename(m_namePrefix + DateText(date));
  return m_path;
}

bool VisitSeriesDay(const RangeWalkInput& input, SpanDayPaths& paths, int t, GraphSeries& series,
                    PeriodAccumulator& period) {
  const CalendarDate date = SpanDay(input.today, t);
  series.dayLabels[t] = DayLabel(date);
  const std::optional<DayTotals> totals = ReadDayTotals(paths.For(date));
  if (!totals) {
    series.dayWeighings[t].reset();
    return false;
  }
  series.dayWeighings[t] = totals->vikt;
  period.AddStoredDay(totals->energySum, totals->training, input.settings.grundForbrukning);
  series.dayValues[t] = series.trainingGraph == 0
                            ? totals->energySum
                            : SaturateToInt32(std::llabs(std::int64_t{totals->training}));
  return true;
}

PeriodSums WalkStoredDays(const RangeWalkInput& input, GraphSeries& series) {
  PeriodAccumulator year;
  SpanDayPaths paths(input);
  for (int t = 0; t < kYearLength; ++t) VisitSeriesDay(input, paths, t, series, year);
  return year.Sums();
}

}  // namespace vesmira
