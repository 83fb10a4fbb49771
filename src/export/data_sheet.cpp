#include "export/data_sheet.h"

#include <ostream>
#include <string>

#include "diary/diary_tables.h"
#include "diary/weighing.h"
#include "storage/key_value.h"
#include "storage/number_text.h"

namespace vesmira {

namespace {

constexpr std::size_t kSheetNumberCount = kMealCount + kActivityCount + 1;

}  // namespace

void WriteSheetHeader(std::ostream& out) {
  out << "Date,";
  for (const MealInfo& meal : kMeals) out << meal.sheetHeader << ',';
  for (const ActivityInfo& activity : kActivities) out << activity.sheetHeader << ',';
  out << kOtherConsumptionSheetHeader << kLineEnd;
}

void WriteSheetRow(std::ostream& out, const CalendarDate& date, const DayRecord& record) {
  // Made whole first and written at once, as a year of rows is.
  std::string row = DateText(date);
  for (const std::int32_t kcal : record.meals) (row += ',') += FormatNumber(kcal);
  for (const std::int32_t minutes : record.minutes) (row += ',') += FormatNumber(minutes);
  (row += ',') += FormatNumber(record.ovrigForbrukning);
  row += kLineEnd;
  out << row;
}

void WriteSheetMissingRow(std::ostream& out, const CalendarDate& date) {
  out << DateText(date);
  for (std::size_t i = 0; i < kSheetNumberCount; ++i) out << ",0";
  out << ',' << kLineEnd;
}

void WriteSheetClosing(std::ostream& out) {
  out << kLineEnd << kLineEnd << "Data exported from Vesmira" << kLineEnd;
}

void WriteWeightSheetHeader(std::ostream& out, bool kilograms) {
  out << "Date,Weight_" << WeightUnitName(kilograms) << ",Trend_" << WeightUnitName(kilograms)
      << kLineEnd;
}

void WriteWeightSheetRow(std::ostream& out, const CalendarDate& date, double kilograms,
                         std::optional<double> trendKilograms, bool kilogramsShown) {
  out << DateText(date) + ',' + FormatWeighing(kilograms, kilogramsShown) + ',' +
             (trendKilograms ? FormatWeighing(*trendKilograms, kilogramsShown) : std::string()) +
             std::string(kLineEnd);
}

}  // namespace vesmira
