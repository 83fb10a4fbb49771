#include "export/export_file.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "storage/atomic_file.h"
#include "support/stored_days.h"
#include "support/temp_folder.h"

namespace vesmira {
namespace {

using testing::TempFolder;

std::size_t EntryCount(const std::filesystem::path& folder) {
  std::size_t count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

RangeWalkInput InputFor(const TempFolder& data) {
  return {data.path(), "Anna", UserSettings{}, {2027, 3, 10}};
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

}  // namespace
}  // namespace vesmira
