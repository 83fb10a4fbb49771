#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/calendar_date.h"

// Reading the comma-separated files other tools export: one header row, then one record per
// row, fields in double quotes where they hold the separator, a quote or a line break.
namespace vesmira {

struct CsvRecord {
  int line = 0;  // where the record starts in the file, from 1
  std::vector<std::string> fields;
};

struct CsvTable {
  char separator = ',';
  std::vector<std::string> header;
  std::vector<CsvRecord> records;
  // The column of a header name, matched without letter case and surrounding spaces.
  std::optional<std::size_t> Column(std::string_view name) const;
  // The first column whose name starts with prefix.
  std::optional<std::size_t> ColumnStartingWith(std::string_view prefix) const;
};

// Reads text whole. A UTF-8 byte-order mark and CR LF line ends are taken; lines starting with
// "#" before the header are skipped; the separator is the one of ",", ";" and tab that the
// header holds most of. Blank lines are no records.
CsvTable ReadCsv(std::string_view text);

// The field of a record at column, trimmed; empty when the record is shorter.
std::string_view FieldAt(const CsvRecord& record, std::optional<std::size_t> column);

// A number as exports write it: "1234.5", "-310", "78,4" (a decimal comma), " 2 000 ". None
// when the text holds no number or more than one.
std::optional<double> ParseImportedNumber(std::string_view text);

// "YYYY-MM-DD", alone or before a time ("2026-12-06 07:30", "2026-12-06T07:30:00Z").
std::optional<CalendarDate> ParseIsoDate(std::string_view text);

// The order of day and month in dates such as "06/12/2026".
enum class DateOrder { kUnknown, kDayFirst, kMonthFirst };
// A date in ISO order, or day, month and year in the order given, separated by "/", "." or
// "-" ("6.12.2026", "12/6/2026"); the year has four digits.
std::optional<CalendarDate> ParseDate(std::string_view text, DateOrder order);
// The order dates must be read in: a first part over 12 means day first, a second part over 12
// month first; kUnknown when every date reads either way (or both ways fail).
DateOrder GuessDateOrder(const std::vector<std::string_view>& dates);

}  // namespace vesmira
