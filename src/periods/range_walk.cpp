#include "periods/range_walk.h"

#include "storage/number_text.h"

namespace vesmira {

CalendarDate SpanDay(const CalendarDate& today, int t) { return AddDays(today, -t); }

void PeriodAccumulator::AddStoredDay(std::int32_t energySum, std::int32_t training,
                                     std::int32_t normal) {
  if (energySum != 0) {
    m_kcalChange += std::int64_t{energySum} - normal;
  }
  m_training += training;
}

PeriodSums PeriodAccumulator::Sums() const {
  return {SaturateToInt32(m_kcalChange), SaturateToInt32(m_training)};
}

}  // namespace vesmira
