#include "export/export_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <fstream>
#include <functional>
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

}  // namespace
}  // namespace vesmira
