#pragma once

#include <iosfwd>
#include <optional>

#include "diary/day_file.h"
#include "storage/calendar_date.h"

// The comma-separated sheet of meals, minutes and other consumption: a header line, one
// line per day, newest first, and a closing line. No field is quoted; every line ends with
// CR LF.
namespace vesmira {

void WriteSheetHeader(std::ostream& out);
// The date and nineteen numbers: 20 fields.
void WriteSheetRow(std::ostream& out, const CalendarDate& date, const DayRecord& record);
// The date, nineteen zeros and a final comma: 21 fields, the last empty, which tells a day
// without a record apart from a stored day of zeros.
void WriteSheetMissingRow(std::ostream& out, const CalendarDate& date);
void WriteSheetClosing(std::ostream& out);

// The weight sheet in the same style: "Date,Weight_kg,Trend_kg" (or "_lbs"), then a line of
// the date, the weight and the trend in the user's unit for each day with a weighing (the
// trend empty where there is none), and the same closing.
void WriteWeightSheetHeader(std::ostream& out, bool kilograms);
void WriteWeightSheetRow(std::ostream& out, const CalendarDate& date, double kilograms,
                         std::optional<double> trendKilograms, bool kilogramsShown);

}  // namespace vesmira
