#include "export/export_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <functional>
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

TEST(ExportStoredDays, WritesOnlyToANewOrRegularFileThroughLinksToIt) {
  namespace fs = std::filesystem;
  const TempFolder data;
  testing::StoreTotals(data.path(), "Anna", {2027, 3, 10}, 2300, 0, "today");
  std::ostringstream page;
  WriteStoredDays(ExportKind::kHtmlPage, InputFor(data), page);
  // Each case makes the target "Diet.html"; written names the file that must then hold the
  // page, or none when the export must be refused and everything left as it was.
  const struct {
    const char* what;
    std::function<void(const fs::path& folder)> make;
    const char* written;
  } cases[] = {
      {"new file", [](const fs::path&) {}, "Diet.html"},
      {"link to a page elsewhere",
       [](const fs::path& f) {
         fs::create_directory(f / "site");
         testing::WriteBytes(f / "site" / "index.html", "old");
         fs::create_symlink("site/index.html", f / "Diet.html");
       },
       "site/index.html"},
      {"FIFO", [](const fs::path& f) { ASSERT_EQ(::mkfifo((f / "Diet.html").c_str(), 0600), 0); },
       nullptr},
      {"link to a FIFO",
       [](const fs::path& f) {
         ASSERT_EQ(::mkfifo((f / "pipe").c_str(), 0600), 0);
         fs::create_symlink("pipe", f / "Diet.html");
       },
       nullptr},
      {"device",
       [](const fs::path& f) {
         // A node of the null device of its own: only root may make one.
         if (::mknod((f / "Diet.html").c_str(), S_IFCHR | 0600, makedev(1, 3)) != 0) {
           ASSERT_EQ(::mkfifo((f / "Diet.html").c_str(), 0600), 0);
         }
       },
       nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const TempFolder out;
    c.make(out.path());
    const fs::path target = out.path() / "Diet.html";
    const fs::file_type before = fs::symlink_status(target).type();
    const std::size_t entries = EntryCount(out.path());
    const std::optional<FileError> error =
        ExportStoredDays(ExportKind::kHtmlPage, InputFor(data), target);
    if (c.written) {
      ASSERT_FALSE(error.has_value());
      EXPECT_EQ(testing::ReadBytes(out.path() / c.written), page.str());
      if (before != fs::file_type::not_found) {
        EXPECT_EQ(fs::symlink_status(target).type(), before);
      }
    } else {
      ASSERT_TRUE(error.has_value());
      EXPECT_EQ(fs::symlink_status(target).type(), before);
      EXPECT_EQ(EntryCount(out.path()), entries);
    }
  }
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
