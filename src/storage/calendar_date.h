#pragma once

#include <cstdint>
#include <string>

namespace vesmira {

// A day of the proleptic Gregorian calendar, free of time zones. Periods step by calendar
// days, never by 86,400 seconds, so a daylight-saving change cannot skip or repeat a day.
struct CalendarDate {
  int year = 1970;
  int month = 1;  // 1 to 12
  int day = 1;    // 1 to 31

  friend auto operator<=>(const CalendarDate&, const CalendarDate&) = default;
};

bool IsValidDate(const CalendarDate& date);

// Days since 1 January 1970, and back.
std::int64_t DaysSinceEpoch(const CalendarDate& date);
CalendarDate DateFromDaysSinceEpoch(std::int64_t days);

CalendarDate AddDays(const CalendarDate& date, std::int64_t days);

// The local calendar date of the system clock now.
CalendarDate LocalToday();

// "DD-MM-YYYY": the date text of day file names and export rows.
std::string DateText(const CalendarDate& date);

// "DD/MM": the graphs' day label.
std::string DayLabel(const CalendarDate& date);

}  // namespace vesmira
