#include "periods/range_walk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <limits>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "export/export_file.h"
#include "support/stored_days.h"
#include "support/temp_folder.h"

namespace vesmira {
namespace {

using testing::StoreTotals;
using testing::TempFolder;

constexpr std::int32_t kPrefill = -777;

std::vector<std::string> SplitLines(const std::string& bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    const std::size_t end = bytes.find("\r\n", start);
    if (end == std::string::npos) {
      lines.push_back(bytes.substr(start));  // a line without its CR LF: shows up as a fault
      break;
    }
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

RangeWalkInput InputFor(const TempFolder& folder, CalendarDate today) {
  RangeWalkInput input;
  input.dataFolder = folder.path();
  input.user = "Anna";
  input.settings.grundForbrukning = 2000;
  input.today = today;
  return input;
}

std::string Sheet(const RangeWalkInput& input) {
  std::ostringstream out;
  WriteStoredDays(ExportKind::kDataSheet, input, out);
  return out.str();
}

GraphSeries PrefilledSeries(std::int32_t trainingGraph = 0) {
  GraphSeries series;
  series.dayValues.fill(kPrefill);
  series.trainingGraph = trainingGraph;
  return series;
}

// Runs a test body with TZ set to a zone with summer time and puts the old zone back.
class ScopedTimeZone {
 public:
  explicit ScopedTimeZone(const char* zone) {
    if (const char* old = std::getenv("TZ")) m_old = old;
    setenv("TZ", zone, 1);
    tzset();
  }
  ~ScopedTimeZone() {
    if (m_old) {
      setenv("TZ", m_old->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  std::optional<std::string> m_old;
};

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

TEST(DataSheetWalk, UserWithoutStoredDaysGives369Lines) {
  const TempFolder folder;
  const std::vector<std::string> lines = SplitLines(Sheet(InputFor(folder, {2027, 3, 10})));
  ASSERT_EQ(lines.size(), 369u);
  EXPECT_EQ(lines[0],
            "Date,Breakfast,Snack,Lunch,Snack2,Dinner,Supper,Cycling,Running,Walking,"
            "Bodybuilding,Rowing,Swiming,Skiing,Skate,Ball_game,Slalom,Cleaning,Climb_stairs,"
            "Other_kcal_consumption");
  EXPECT_EQ(lines[1], "10-03-2027,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,");
  EXPECT_EQ(lines[365], "11-03-2026,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,");
  EXPECT_EQ(lines[366], "");
  EXPECT_EQ(lines[367], "");
  EXPECT_EQ(lines[368], "Data exported from Vesmira");
  for (int t = 1; t <= kYearLength; ++t) {
    const std::string& line = lines[t];
    EXPECT_EQ(std::count(line.begin(), line.end(), ','), 20) << line;  // 21 fields
    EXPECT_EQ(line.substr(0, 10), DateText(SpanDay({2027, 3, 10}, t - 1)));
  }
}

TEST(DataSheetWalk, OnFirstJanuaryTheNextRowIsTheLastDayOfTheYearBefore) {
  const TempFolder folder;
  StoreTotals(folder.path(), "Anna", {2026, 12, 31}, 0, 0);
  const std::vector<std::string> lines = SplitLines(Sheet(InputFor(folder, {2027, 1, 1})));
  ASSERT_EQ(lines.size(), 369u);
  EXPECT_EQ(lines[1], "01-01-2027,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,");
  EXPECT_EQ(lines[2], "31-12-2026,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
}

TEST(DataSheetWalk, SpanWithLeapDayEndsTwoDaysAfterLastYearsDate) {
  const TempFolder folder;
  StoreTotals(folder.path(), "Anna", {2028, 2, 29}, 0, 0);
  const std::vector<std::string> lines = SplitLines(Sheet(InputFor(folder, {2028, 3, 1})));
  ASSERT_EQ(lines.size(), 369u);
  EXPECT_EQ(lines[2], "29-02-2028,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
  EXPECT_EQ(lines[365].substr(0, 11), "03-03-2027,");
}

TEST(DataSheetWalk, DaysAcrossDaylightSavingChangeEachAppearOnce) {
  const ScopedTimeZone zone("Europe/Stockholm");
  const TempFolder folder;
  StoreTotals(folder.path(), "Anna", {2027, 3, 28}, 0, 0);
  StoreTotals(folder.path(), "Anna", {2027, 3, 27}, 0, 0);
  const std::vector<std::string> lines = SplitLines(Sheet(InputFor(folder, {2027, 3, 29})));
  ASSERT_EQ(lines.size(), 369u);
  EXPECT_EQ(lines[1].substr(0, 11), "29-03-2027,");
  EXPECT_EQ(lines[2], "28-03-2027,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
  EXPECT_EQ(lines[3], "27-03-2027,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0");
  EXPECT_EQ(lines[4].substr(0, 11), "26-03-2027,");
}

TEST(PageWalk, UserWithoutStoredDaysGivesHeadAndClosingOnly) {
  const TempFolder folder;
  StoreTotals(folder.path(), "Anna", {2026, 3, 10}, 0, 0);  // one day too old
  std::ostringstream out;
  WriteStoredDays(ExportKind::kHtmlPage, InputFor(folder, {2027, 3, 10}), out);
  EXPECT_EQ(out.str().find("<h3>"), std::string::npos);
  EXPECT_EQ(SplitLines(out.str()).size(), 23u);  // 8 of the head, 15 of the closing
}

TEST(YearWalk, UserWithoutStoredDaysLabelsEveryDayAndSumsNothing) {
  const TempFolder folder;
  GraphSeries series = PrefilledSeries();
  EXPECT_EQ(WalkStoredDays(InputFor(folder, {2027, 3, 10}), series), PeriodSums{});
  EXPECT_EQ(series.dayLabels[0], "10/03");
  EXPECT_EQ(series.dayLabels[9], "01/03");
  EXPECT_EQ(series.dayLabels[10], "28/02");
  EXPECT_EQ(series.dayLabels[364], "11/03");
  for (const std::int32_t value : series.dayValues) EXPECT_EQ(value, kPrefill);
  EXPECT_EQ(series.span, kMonthSpan);
}

TEST(YearWalk, SumsStoredDaysAndSetsTheirGraphValues) {
  const TempFolder folder;
  const CalendarDate today{2027, 3, 10};
  StoreTotals(folder.path(), "Anna", today, 2300, 400);
  // Saved without meals: adds its training only, not a day of fasting.
  StoreTotals(folder.path(), "Anna", SpanDay(today, 40), 0, -150);
  // More trained off than eaten: counts like any other day.
  StoreTotals(folder.path(), "Anna", SpanDay(today, 364), -100, 900);
  StoreTotals(folder.path(), "Anna", SpanDay(today, 365), 5000, 5000);  // outside the year

  GraphSeries calories = PrefilledSeries();
  EXPECT_EQ(WalkStoredDays(InputFor(folder, today), calories),
            (PeriodSums{300 + (-100 - 2000), 400 - 150 + 900}));
  EXPECT_EQ(calories.dayValues[0], 2300);
  EXPECT_EQ(calories.dayValues[40], 0);
  EXPECT_EQ(calories.dayValues[364], -100);
  EXPECT_EQ(calories.dayValues[1], kPrefill);

  GraphSeries training = PrefilledSeries(1);
  WalkStoredDays(InputFor(folder, today), training);
  EXPECT_EQ(training.dayValues[0], 400);
  EXPECT_EQ(training.dayValues[40], 150);  // the size of the training energy
  EXPECT_EQ(training.dayValues[364], 900);
  EXPECT_EQ(training.dayValues[1], kPrefill);
  EXPECT_EQ(training.trainingGraph, 1);
}

TEST(YearWalk, HugeStoredValuesSaturateInsteadOfOverflowing) {
  const TempFolder folder;
  const CalendarDate today{2027, 3, 10};
  constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
  constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
  for (int t = 0; t < 3; ++t) StoreTotals(folder.path(), "Anna", SpanDay(today, t), kMax, 0);
  GraphSeries series = PrefilledSeries();
  EXPECT_EQ(WalkStoredDays(InputFor(folder, today), series).kcalChange, kMax);

  const TempFolder negative;
  for (int t = 0; t < 3; ++t) StoreTotals(negative.path(), "Anna", SpanDay(today, t), 0, kMin);
  GraphSeries training = PrefilledSeries(1);
  EXPECT_EQ(WalkStoredDays(InputFor(negative, today), training), (PeriodSums{0, kMin}));
  EXPECT_EQ(training.dayValues[0], kMax);
}

}  // namespace
}  // namespace vesmira
