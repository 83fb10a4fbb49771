#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include "export/export_file.h"
#include "support/export_golden.h"
#include "support/stored_days.h"
#include "support/temp_folder.h"

namespace vesmira {
namespace {

using testing::TempFolder;
using testing::WithCrLf;

constexpr CalendarDate kToday{2027, 1, 2};

void StoreDay(const TempFolder& folder, const CalendarDate& date, std::optional<double> kilograms,
              std::string note) {
  DayEntries entries = DayEntries::ForMissingDay();
  entries.meals[0] = "500";
  entries.diaryNote = std::move(note);
  entries.vikt = kilograms;
  testing::StoreDay(folder.path(), "Anna", date, entries, "500", "0");
}

std::string Export(ExportKind kind, const TempFolder& folder, std::int32_t poundFlag) {
  UserSettings settings;
  settings.poundFlag = poundFlag;
  std::ostringstream out;
  WriteStoredDays(kind, {folder.path(), "Anna", settings, kToday}, out);
  return out.str();
}

// Newest first, only the days weighed, in the user's unit with a decimal point, with the
// trend: 73.0, then 72.975 on the day between (a tenth of the way to 72.75 on the line
// between the weighings), then 72.975 + 0.1 x (72.5 - 72.975) = 72.9275.
TEST(WeightSheetExport, ADateAndWeightLineForEachDayWeighed) {
  const TempFolder folder;
  StoreDay(folder, kToday, 72.5, "weighed");
  StoreDay(folder, {2027, 1, 1}, std::nullopt, "not weighed");
  StoreDay(folder, {2026, 12, 31}, 73.0, "weighed");
  StoreDay(folder, {2026, 1, 2}, 90.0, "a year and a day ago: outside the year");

  EXPECT_EQ(Export(ExportKind::kWeightSheet, folder, 1),
            WithCrLf("Date,Weight_kg,Trend_kg\n02-01-2027,72.5,72.927\n31-12-2026,73.0,73.0\n\n\n"
                     "Data exported from Vesmira\n"));
  EXPECT_EQ(Export(ExportKind::kWeightSheet, folder, 0),
            WithCrLf("Date,Weight_lbs,Trend_lbs\n02-01-2027,159.835,160.778\n"
                     "31-12-2026,160.938,160.938\n\n\n"
                     "Data exported from Vesmira\n"));
}

// The page and the data sheet hold no weight: a weighed day gives them the same bytes.
TEST(WeightSheetExport, ThePageAndTheDataSheetAreTheSameWithOrWithoutWeighings) {
  const TempFolder folder;
  for (const ExportKind kind : {ExportKind::kHtmlPage, ExportKind::kDataSheet}) {
    StoreDay(folder, kToday, 72.5, "a note");
    const std::string weighed = Export(kind, folder, 1);
    StoreDay(folder, kToday, std::nullopt, "a note");
    EXPECT_EQ(weighed, Export(kind, folder, 1));
  }
}

}  // namespace
}  // namespace vesmira
