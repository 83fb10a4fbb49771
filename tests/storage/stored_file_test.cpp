#include "storage/stored_file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "storage/atomic_file.h"
#include "storage/data_paths.h"
#include "support/temp_folder.h"

namespace vesmira {
namespace {

using namespace std::chrono_literals;

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

// An older time than any write of the test makes, so a rewrite shows in the identity.
void SetOld(const fs::path& path) {
  fs::last_write_time(path, fs::last_write_time(path) - std::chrono::hours(24));
}

TEST(WriteFileIfChanged, EqualBytesWriteNothingAndOtherBytesReplaceTheFile) {
  const TempFolder folder;
  const fs::path day = folder.path() / "Anna.06-12-2026";

  WriteResult created = WriteFileIfChanged(day, "a");
  EXPECT_FALSE(created.error);
  EXPECT_TRUE(created.written);
  EXPECT_EQ(ReadBytes(day), "a");
  SetOld(day);
  const FileIdentity before = ReadFileIdentity(day);
  EXPECT_TRUE(before.exists);

  const WriteResult same = WriteFileIfChanged(day, "a");
  EXPECT_FALSE(same.error);
  EXPECT_FALSE(same.written);
  EXPECT_EQ(ReadFileIdentity(day), before);  // inode and modification time stay
  EXPECT_EQ(same.identity, before);

  const WriteResult other = WriteFileIfChanged(day, "ab");
  EXPECT_TRUE(other.written);
  EXPECT_EQ(ReadBytes(day), "ab");
  EXPECT_NE(other.identity, before);
  EXPECT_EQ(other.identity, ReadFileIdentity(day));
}

TEST(StoreFile, NeverWritesOverAVersionItDidNotKnow) {
  const TempFolder folder;
  const fs::path day = folder.path() / "Anna.06-12-2026";
  // A file that came while the form showed the day without one.
  WriteBytes(day, "theirs");
  StoreResult refused = StoreFile(day, "mine", FileIdentity{});
  EXPECT_TRUE(refused.changedOnDisk);
  EXPECT_FALSE(refused.write.written);
  EXPECT_EQ(refused.write.identity, ReadFileIdentity(day));
  EXPECT_EQ(ReadBytes(day), "theirs");

  // A file edited in place since it was read.
  SetOld(day);
  const FileIdentity read = ReadFileIdentity(day);
  WriteBytes(day, "theirs, longer");
  EXPECT_TRUE(StoreFile(day, "mine", read).changedOnDisk);
  EXPECT_EQ(ReadBytes(day), "theirs, longer");

  const StoreResult stored = StoreFile(day, "mine", ReadFileIdentity(day));
  EXPECT_FALSE(stored.changedOnDisk);
  EXPECT_TRUE(stored.write.written);
  EXPECT_EQ(ReadBytes(day), "mine");
  EXPECT_EQ(stored.write.identity, ReadFileIdentity(day));
  // A file that is gone is another version too.
  fs::remove(day);
  EXPECT_TRUE(StoreFile(day, "mine", stored.write.identity).changedOnDisk);
  EXPECT_FALSE(fs::exists(day));
}

// The save swaps the new file with the old one in one step, so the old one is in hand: a
// version that another program renamed into place since the check is kept, not dropped.
TEST(AtomicWriteFile, TheFileSwappedOutIsKeptOrRemovedAsTheCallerSays) {
  const TempFolder folder;
  const fs::path day = folder.path() / "day";
  for (const bool keep : {true, false}) {
    fs::remove(folder.path() / "kept");
    WriteBytes(day, "theirs");
    std::string seen;
    const auto error = AtomicWriteFile(day, "mine", [&](const fs::path& old) {
      seen = ReadBytes(old);
      if (keep) fs::rename(old, folder.path() / "kept");
      return keep;
    });
    ASSERT_FALSE(error);
    EXPECT_EQ(seen, "theirs");
    EXPECT_EQ(ReadBytes(day), "mine");
    EXPECT_EQ(fs::exists(folder.path() / "kept"), keep);
    // Nothing else is left in the folder: no temporary file, no second copy.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()),
              keep ? 2 : 1);
  }
  EXPECT_EQ(ConflictStampNow().size(), 15u);
}

// Two conflicts within one second: the second copy takes a name of its own.
TEST(KeepConflictCopy, NeverReplacesAnotherCopy) {
  const TempFolder folder;
  const fs::path day = folder.path() / "Anna.06-12-2026";
  const KeptCopy first = KeepConflictCopy(day, "20261206-101530", "mine");
  const KeptCopy second = KeepConflictCopy(day, "20261206-101530", "theirs");
  ASSERT_FALSE(first.error);
  ASSERT_FALSE(second.error);
  EXPECT_EQ(first.path.filename(), "Anna.06-12-2026.conflict-20261206-101530");
  EXPECT_EQ(second.path.filename(), "Anna.06-12-2026.conflict-20261206-101530-2");
  EXPECT_EQ(ReadBytes(first.path), "mine");
  EXPECT_EQ(ReadBytes(second.path), "theirs");
}

TEST(RemoveStaleTemporaries, TakesOnlyTheTemporaryFilesOfSavesMadeBeforeTheStart) {
  const TempFolder data;
  const fs::path users = UsersFolder(data.path());
  const fs::path anna = UserFolderPath(data.path(), "Anna");
  fs::create_directories(anna / "deeper");
  const std::time_t started = std::time(nullptr);
  const struct {
    fs::path path;
    bool stays;
    bool made = false;  // after the start: a save of the program now running
  } files[] = {
      {anna / ".Anna.06-12-2026.k3j9x0qa.tmp", false},
      {users / ".Anna.properties.0000aaaa.tmp", false},
      {anna / ".Anna.06-12-2026.conflict-20261206-101530.k3j9x0qa.tmp", false},
      {anna / ".Anna.06-12-2026.k3j9x0qb.tmp", true, true},
      {anna / "Anna.06-12-2026", true},
      {anna / "Anna.06-12-2026.conflict-20261206-101530", true},
      {users / "Anna.properties", true},
      {users / "notes.tmp", true},
      {users / ".notes.abcdefgh.tmp", true},  // the person's own
      {anna / ".syncthing.Anna.06-12-2026.tmp", true},
      {anna / ".Anna.06-12-2026.K3J9X0QA.tmp", true},
      {anna / ".hidden", true},
      {anna / "deeper" / ".Anna.06-12-2026.abcdefgh.tmp", true},  // no save writes there
  };
  for (const auto& file : files) {
    WriteBytes(file.path, "x");
    if (!file.made) fs::last_write_time(file.path, fs::last_write_time(file.path) - 1h);
  }
  EXPECT_EQ(RemoveStaleTemporaries(users, started), 3);
  for (const auto& file : files) EXPECT_EQ(fs::exists(file.path), file.stays) << file.path;
  EXPECT_EQ(RemoveStaleTemporaries(data.path() / "missing", started), 0);
}

}  // namespace
}  // namespace vesmira
