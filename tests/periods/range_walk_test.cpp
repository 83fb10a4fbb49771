#include "periods/range_walk.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/time_zone.h"

namespace vesmira {
namespace {

using testing::ScopedTimeZone;

TEST(SpanDay, StepsByCalendarDaysOverMonthYearAndLeapDay) {
  struct Case {
    CalendarDate today;
    int t;
    CalendarDate expected;
  };
  const Case cases[] = {
      {{2027, 3, 10}, 0, {2027, 3, 10}},
      {{2027, 1, 1}, 1, {2026, 12, 31}},
      {{2028, 3, 1}, 1, {2028, 2, 29}},
      {{2027, 3, 1}, 1, {2027, 2, 28}},
      // A year of 365 visited days: with 29 February inside, the oldest day is two days
      // after today's date of the year before, otherwise one.
      {{2028, 3, 1}, kYearLength - 1, {2027, 3, 3}},
      {{2027, 3, 1}, kYearLength - 1, {2026, 3, 2}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SpanDay(c.today, c.t), c.expected) << DateText(c.today) << " t=" << c.t;
  }
}

TEST(SpanDay, VisitsEveryDayOnceAcrossDaylightSavingChanges) {
  // Just after the spring change (28 March 2027) and the autumn change (25 October 2026):
  // stepping 86,400 s from a time near midnight would skip or repeat a day here.
  const ScopedTimeZone zone("Europe/Stockholm");
  for (const CalendarDate today : {CalendarDate{2027, 3, 29}, CalendarDate{2026, 10, 26}}) {
    std::set<std::string> texts;
    for (int t = 0; t < kYearLength; ++t) {
      const CalendarDate day = SpanDay(today, t);
      EXPECT_EQ(DaysSinceEpoch(today) - DaysSinceEpoch(day), t);
      texts.insert(DateText(day));
    }
    EXPECT_EQ(texts.size(), std::size_t{kYearLength});
  }
  EXPECT_EQ(SpanDay({2027, 3, 29}, 1), (CalendarDate{2027, 3, 28}));
  EXPECT_EQ(SpanDay({2027, 3, 29}, 2), (CalendarDate{2027, 3, 27}));
}

}  // namespace
}  // namespace vesmira
