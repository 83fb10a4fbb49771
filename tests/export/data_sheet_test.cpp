#include "export/data_sheet.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "export/export_file.h"
#include "support/export_golden.h"
#include "support/stored_days.h"
#include "support/temp_folder.h"

namespace vesmira {
namespace {

using testing::TempFolder;

// The fields of each line as a spreadsheet reads an unquoted comma-separated file.
std::vector<std::vector<std::string>> ParseCsv(const std::string& bytes) {
  std::vector<std::vector<std::string>> rows;
  std::istringstream in(bytes);
  std::string line;
  while (std::getline(in, line)) {
    EXPECT_TRUE(!line.empty() && line.back() == '\r') << "line without CR LF: " << line;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t comma; (comma = line.find(',', start)) != std::string::npos;
         start = comma + 1) {
      fields.push_back(line.substr(start, comma - start));
    }
    fields.push_back(line.substr(start));
    rows.push_back(fields);
  }
  return rows;
}

DayEntries Entries(const std::vector<const char*>& numbers) {
  DayEntries entries = DayEntries::ForMissingDay();
  for (std::size_t i = 0; i < kMealCount; ++i) entries.meals[i] = numbers[i];
  for (std::size_t i = 0; i < kActivityCount; ++i) entries.minutes[i] = numbers[kMealCount + i];
  entries.ovrigForbrukning = numbers.back();
  return entries;
}

TEST(DataSheetExport, StoredDaysBesideMissingDaysMatchTheGoldenFile) {
  const TempFolder folder;
  testing::StoreDay(folder.path(), "Anna", {2027, 1, 2},
                    Entries({"500", "0", "700", "120", "650", "80", "45", "0", "30", "0", "0", "20",
                             "0", "0", "60", "0", "15", "5", "-100"}),
                    "2050", "900");
  // Every field 0: told apart from the missing day before it by the missing final comma.
  testing::StoreDay(folder.path(), "Anna", {2026, 12, 31}, DayEntries::ForMissingDay(), "0", "0");
  const RangeWalkInput input{folder.path(), "Anna", UserSettings{}, {2027, 1, 2}};
  const std::filesystem::path target = folder.path() / "diet.xls";

  ASSERT_FALSE(ExportStoredDays(ExportKind::kDataSheet, input, target).has_value());
  const std::string sheet = ReadFileBytes(target).value_or("");
  EXPECT_EQ(sheet, testing::GoldenBytes("sheet_two_stored_days.xls"));

  const auto rows = ParseCsv(sheet);
  ASSERT_EQ(rows.size(), 369u);
  EXPECT_EQ(rows[0].size(), 20u);
  EXPECT_EQ(rows[1].size(), 20u);
  EXPECT_EQ(rows[1].back(), "-100");
  EXPECT_EQ(rows[2].size(), 21u);
  EXPECT_EQ(rows[2].back(), "");
  EXPECT_EQ(rows[3].size(), 20u);
  EXPECT_EQ(rows[3][0], "31-12-2026");
  for (std::size_t i = 4; i <= 365; ++i) EXPECT_EQ(rows[i].size(), 21u) << rows[i][0];
  EXPECT_EQ(rows[366], std::vector<std::string>{""});
  EXPECT_EQ(rows[367], std::vector<std::string>{""});
  EXPECT_EQ(rows[368], std::vector<std::string>{"Data exported from Vesmira"});
}

TEST(DataSheetExport, HeaderNamesEveryColumnOnce) {
  std::ostringstream out;
  WriteSheetHeader(out);
  const auto rows = ParseCsv(out.str());
  ASSERT_EQ(rows.size(), 1u);
  ASSERT_EQ(rows[0].size(), 20u);
  EXPECT_EQ(rows[0].front(), "Date");
  EXPECT_EQ(rows[0][4], "Snack2");
  EXPECT_EQ(rows[0][12], "Swiming");
  EXPECT_EQ(std::set<std::string>(rows[0].begin(), rows[0].end()).size(), 20u);
  EXPECT_EQ(rows[0].back(), "Other_kcal_consumption");
}

}  // namespace
}  // namespace vesmira
