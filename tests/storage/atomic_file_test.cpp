#include "storage/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_folder.h"

namespace vesmira {
namespace {

mode_t ModeOf(const std::filesystem::path& path) {
  struct stat status {};
  EXPECT_EQ(::stat(path.c_str(), &status), 0);
  return status.st_mode & 07777;
}

TEST(AtomicWriteFile, NewFilesAndFoldersArePrivateAndReplacedFilesKeepTheirMode) {
  const struct {
    mode_t umask;
    mode_t file;
    mode_t folder;
  } cases[] = {
      {022, 0600, 0700},   // the usual umask: the diary is still the person's alone
      {0, 0600, 0700},
      {077, 0600, 0700},
      {0277, 0400, 0500},  // a stricter umask still applies
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.umask);
    const testing::TempFolder folder;
    const mode_t previous = ::umask(c.umask);
    const auto fileError = AtomicWriteFile(folder.path() / "new", "a");
    const auto createError = AtomicCreateFile(folder.path() / "created", "a");
    const auto folderError = MakePrivateFolder(folder.path() / "sub");
    EXPECT_EQ(::umask(previous), c.umask);  // the umask is left as it was found
    ASSERT_FALSE(fileError);
    ASSERT_FALSE(createError);
    ASSERT_FALSE(folderError);
    EXPECT_EQ(ModeOf(folder.path() / "new"), c.file);
    EXPECT_EQ(ModeOf(folder.path() / "created"), c.file);
    EXPECT_EQ(ModeOf(folder.path() / "sub"), c.folder);
  }

  const testing::TempFolder folder;
  testing::WriteBytes(folder.path() / "shared", "a");
  ASSERT_EQ(::chmod((folder.path() / "shared").c_str(), 0644), 0);
  ASSERT_FALSE(AtomicWriteFile(folder.path() / "shared", "b"));
  EXPECT_EQ(ModeOf(folder.path() / "shared"), 0644u);
  EXPECT_EQ(testing::ReadBytes(folder.path() / "shared"), "b");
  ASSERT_EQ(::chmod(folder.path().c_str(), 0755), 0);
  ASSERT_FALSE(MakePrivateFolder(folder.path()));
  EXPECT_EQ(ModeOf(folder.path()), 0755u);
}

}  // namespace
}  // namespace vesmira
