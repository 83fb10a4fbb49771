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

TEST(AtomicWriteFile, NewFilesFollowTheUmaskAndReplacedFilesKeepTheirMode) {
  const testing::TempFolder folder;
  const mode_t previous = ::umask(027);
  ASSERT_FALSE(AtomicWriteFile(folder.path() / "new", "a"));
  EXPECT_EQ(ModeOf(folder.path() / "new"), 0640u);
  EXPECT_EQ(::umask(previous), 027u);  // the write left the umask as it found it

  ASSERT_EQ(::chmod((folder.path() / "new").c_str(), 0604), 0);
  ASSERT_FALSE(AtomicWriteFile(folder.path() / "new", "b"));
  EXPECT_EQ(ModeOf(folder.path() / "new"), 0604u);
  EXPECT_EQ(testing::ReadBytes(folder.path() / "new"), "b");
}

}  // namespace
}  // namespace vesmira
