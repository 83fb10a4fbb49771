#include "storage/calendar_date.h"

#include <cstdio>
#include <ctime>

namespace vesmira {

namespace {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// "%02d". The walks format two dates a day, so the usual case skips printf.
void AppendTwoDigits(std::string& text, int value) {
  if (value >= 0 && value <= 99) {
    text += static_cast<char>('0' + value / 10);
    text += static_cast<char>('0' + value % 10);
    return;
  }
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  text += buffer;
}

}  // namespace

bool IsValidDate(const CalendarDate& date) {
  return date.month >= 1 && date.month <= 12 && date.day >= 1 &&
         date.day <= DaysInMonth(date.year, date.month);
}

// Civil-date arithmetic on a 400-year era (H. Hinnant's algorithm), exact for every year.
std::int64_t DaysSinceEpoch(const CalendarDate& date) {
  const std::int64_t y = std::int64_t{date.year} - (date.month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yearOfEra = y - era * 400;
  const std::int64_t monthIndex = date.month > 2 ? date.month - 3 : date.month + 9;
  const std::int64_t dayOfYear = (153 * monthIndex + 2) / 5 + date.day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

CalendarDate DateFromDaysSinceEpoch(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t dayOfEra = days - era * 146097;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  const int day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  const int month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  const int year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
  return {year, month, day};
}

CalendarDate AddDays(const CalendarDate& date, std::int64_t days) {
  return DateFromDaysSinceEpoch(DaysSinceEpoch(date) + days);
}

CalendarDate LocalToday() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string DateText(const CalendarDate& date) {
  std::string text;
  AppendTwoDigits(text, date.day);
  text += '-';
  AppendTwoDigits(text, date.month);
  text += '-';
  text += std::to_string(date.year);
  return text;
}

std::string DayLabel(const CalendarDate& date) {
  std::string text;
  AppendTwoDigits(text, date.day);
  text += '/';
  AppendTwoDigits(text, date.month);
  return text;
}

}  // namespace vesmira
