#include "storage/calendar_date.h"

#include <gtest/gtest.h>

namespace vesmira {
namespace {

TEST(CalendarDate, DateTextsKeepTheirLeadingZeros) {
  EXPECT_EQ(DateText({2027, 3, 1}), "01-03-2027");
  EXPECT_EQ(DateText({2026, 12, 6}), "06-12-2026");
  EXPECT_EQ(DayLabel({2007, 3, 7}), "07/03");
}

TEST(CalendarDate, StepsByCalendarDaysOverMonthsYearsAndLeapDays) {
  EXPECT_EQ(AddDays({2007, 1, 1}, -1), (CalendarDate{2006, 12, 31}));
  EXPECT_EQ(AddDays({2024, 3, 1}, -1), (CalendarDate{2024, 2, 29}));
  EXPECT_EQ(AddDays({2023, 3, 1}, -1), (CalendarDate{2023, 2, 28}));
  EXPECT_EQ(AddDays({2000, 2, 28}, 1), (CalendarDate{2000, 2, 29}));
  EXPECT_EQ(AddDays({1900, 2, 28}, 1), (CalendarDate{1900, 3, 1}));
  // 365 visited days: with a 29 February inside, the oldest lies two days after last
  // year's date, otherwise one.
  EXPECT_EQ(AddDays({2024, 6, 15}, -364), (CalendarDate{2023, 6, 17}));
  EXPECT_EQ(AddDays({2023, 6, 15}, -364), (CalendarDate{2022, 6, 16}));
}

TEST(CalendarDate, RoundTripsEveryDayOfFourCenturies) {
  const std::int64_t start = DaysSinceEpoch({1800, 1, 1});
  EXPECT_EQ(DaysSinceEpoch({1970, 1, 1}), 0);
  for (std::int64_t day = start; day < start + 146097; ++day) {
    const CalendarDate date = DateFromDaysSinceEpoch(day);
    ASSERT_TRUE(IsValidDate(date));
    ASSERT_EQ(DaysSinceEpoch(date), day);
  }
  EXPECT_FALSE(IsValidDate({2023, 2, 29}));
  EXPECT_FALSE(IsValidDate({2023, 13, 1}));
}

}  // namespace
}  // namespace vesmira
