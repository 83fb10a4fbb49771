#include "export/export_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "storage/atomic_file.h"
#include "support/stored_days.h"
#include "support/temp_folder.h"
#include "support/time_zone.h"

namespace vesmira {
namespace {

using testing::ScopedTimeZone;
using testing::StoreTotals;
using testing::TempFolder;

std::size_t EntryCount(const std::filesystem::path& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

RangeWalkInput InputFor(const TempFolder& data, CalendarDate today = {2027, 3, 10}) {
  return {data.path(), "Anna", UserSettings{}, today};
}

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

std::string Sheet(const RangeWalkInput& input) {
  std::ostringstream out;
  WriteStoredDays(ExportKind::kDataSheet, input, out);
  return out.str();
}

TEST(ExportStoredDays, WritesWhatTheWalkWritesAndReplacesAnOldFileWhole) {
  const TempFolder data;
  testing::StoreTotals(data.path(), "Anna", {2027, 3, 10}, 2300, 0, "today");
  const TempFolder out;
  for (const ExportKind mode : {ExportKind::kHtmlPage, ExportKind::kDataSheet}) {
    const std::filesystem::path target = out.path() / "export";
    {
      std::ofstream old(target, std::ios::binary);
      old << std::string(100000, 'x');
    }
    ASSERT_FALSE(ExportStoredDays(mode, InputFor(data), target).has_value());
    std::ostringstream expected;
    WriteStoredDays(mode, InputFor(data), expected);
    EXPECT_EQ(ReadFileBytes(target), expected.str());
    EXPECT_EQ(EntryCount(out.path()), 1u);
  }
}

TEST(ExportStoredDays, FileThatCannotBeWrittenIsReportedAndLeavesNothingBehind) {
  const TempFolder data;
  testing::StoreTotals(data.path(), "Anna", {2027, 3, 10}, 2300, 0, "today");
  const TempFolder out;
  const std::filesystem::path regularFile = out.path() / "not-a-folder";
  { std::ofstream(regularFile) << "keep"; }
  const std::filesystem::path folderTarget = out.path() / "a-folder";
  std::filesystem::create_directory(folderTarget);

  for (const ExportKind mode : {ExportKind::kHtmlPage, ExportKind::kDataSheet}) {
    const std::filesystem::path beneathFile = regularFile / "Diet.html";
    const auto error = ExportStoredDays(mode, InputFor(data), beneathFile);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->path, beneathFile);
    // A folder where the file should go: the rename is refused and the temporary file goes.
    EXPECT_TRUE(ExportStoredDays(mode, InputFor(data), folderTarget).has_value());
    EXPECT_TRUE(std::filesystem::is_directory(folderTarget));
  }
  EXPECT_EQ(ReadFileBytes(regularFile), "keep");
  EXPECT_EQ(EntryCount(out.path()), 2u);
  EXPECT_EQ(EntryCount(folderTarget), 0u);
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

}  // namespace
}  // namespace vesmira
