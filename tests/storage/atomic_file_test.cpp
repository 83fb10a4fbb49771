#include "storage/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <string>

#include "support/temp_folder.h"
#include "support/unprivileged.h"

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
      {022, 0600, 0700},  // the usual umask: the diary is still the person's alone
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

TEST(ReadStoredFile, ReadsOnlyRegularFilesOfAtMostSixteenMebibytesAndNeverWaits) {
  namespace fs = std::filesystem;
  // Sparse files: their size costs no disk.
  const auto sized = [](std::uintmax_t size) {
    return [size](const fs::path& p) {
      testing::WriteBytes(p, "");
      fs::resize_file(p, size);
    };
  };
  // A FIFO without a writer made an open for reading wait for ever; a link to /dev/zero read
  // until the memory ran out; a 2 GB file took half a minute at every Calculate.
  const struct {
    const char* what;
    std::function<void(const fs::path&)> make;
    std::optional<FileErrorCause> cause;  // none: read
  } cases[] = {
      {"regular file", [](const fs::path& p) { testing::WriteBytes(p, "frukost\r\n1\r\n"); },
       std::nullopt},
      {"exactly the limit", sized(kMaxStoredFileBytes), std::nullopt},
      {"one byte more", sized(kMaxStoredFileBytes + 1), FileErrorCause::kTooLarge},
      {"two gigabytes", sized(std::uintmax_t{2} << 30), FileErrorCause::kTooLarge},
      {"FIFO", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
       FileErrorCause::kNotAFile},
      {"link to /dev/zero", [](const fs::path& p) { fs::create_symlink("/dev/zero", p); },
       FileErrorCause::kNotAFile},
      {"folder", [](const fs::path& p) { fs::create_directory(p); }, FileErrorCause::kNotAFile},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const testing::TempFolder folder;
    const fs::path path = folder.path() / "Anna.06-12-2026";
    c.make(path);
    // A read that waits ends the test program instead of hanging the run.
    ::alarm(30);
    const StoredBytes read = ReadStoredFile(path);
    ::alarm(0);
    if (c.cause) {
      EXPECT_FALSE(read.bytes.has_value());
      ASSERT_TRUE(read.error.has_value());
      EXPECT_EQ(read.error->cause, *c.cause);
      EXPECT_EQ(read.error->path, path);
    } else {
      EXPECT_TRUE(read.bytes.has_value());
      EXPECT_FALSE(read.error.has_value());
    }
  }
  const testing::TempFolder folder;
  EXPECT_TRUE(ReadStoredFile(folder.path() / "missing").Missing());
  EXPECT_TRUE(ReadStoredFile(folder.path() / "missing" / "below").Missing());
}

TEST(AtomicWriteFile, ReplacesOnlyAWritableRegularFileAndFollowsLinksToIt) {
  namespace fs = std::filesystem;
  // Each case makes "day" in a folder of its own and returns what a save of "new" must leave:
  // the path whose bytes are "new", or an error message.
  const struct {
    const char* what;
    std::function<void(const fs::path& folder)> make;
    const char* written;  // the file that must hold the new bytes
    const char* message;  // the message of the error instead, %1 the path of "day"
  } cases[] = {
      {"link to a file beside it",
       [](const fs::path& f) {
         testing::WriteBytes(f / "target", "old");
         fs::create_symlink("target", f / "day");
       },
       "target", nullptr},
      {"link to a link to a file in another folder",
       [](const fs::path& f) {
         fs::create_directory(f / "elsewhere");
         testing::WriteBytes(f / "elsewhere" / "target", "old");
         fs::create_symlink(f / "elsewhere" / "target", f / "middle");
         fs::create_symlink("middle", f / "day");
       },
       "elsewhere/target", nullptr},
      {"link to a file not there, which could be outside the diary",
       [](const fs::path& f) { fs::create_symlink("target", f / "day"); }, nullptr,
       "%1 is a symbolic link to a file that does not exist. Nothing was written; remove the "
       "link or restore its file."},
      {"FIFO", [](const fs::path& f) { ASSERT_EQ(::mkfifo((f / "day").c_str(), 0600), 0); },
       nullptr, "%1 is not a regular file."},
      {"link to a FIFO",
       [](const fs::path& f) {
         ASSERT_EQ(::mkfifo((f / "fifo").c_str(), 0600), 0);
         fs::create_symlink("fifo", f / "day");
       },
       nullptr, "%1 is not a regular file."},
      {"links in a loop", [](const fs::path& f) { fs::create_symlink("day", f / "day"); }, nullptr,
       "%1 contains an invalid path."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const testing::TempFolder folder;
    c.make(folder.path());
    const fs::path day = folder.path() / "day";
    const fs::file_type before = fs::symlink_status(day).type();
    const std::optional<FileError> error = AtomicWriteFile(day, "new");
    if (c.written) {
      ASSERT_FALSE(error) << FileErrorMessage(*error);
      EXPECT_EQ(testing::ReadBytes(folder.path() / c.written), "new");
    } else {
      ASSERT_TRUE(error);
      std::string message = c.message;
      message.replace(message.find("%1"), 2, day.string());
      EXPECT_EQ(FileErrorMessage(*error), message);
    }
    // The link, or whatever stood there, is still what it was.
    EXPECT_EQ(fs::symlink_status(day).type(), before);
  }

  // A file its owner made read-only is not replaced, though the folder would allow it.
  const testing::TempFolder folder;
  const fs::path day = folder.path() / "day";
  EXPECT_EQ(testing::RunUnprivileged(folder.path(),
                                     [&]() -> std::string {
                                       testing::WriteBytes(day, "old");
                                       if (::chmod(day.c_str(), 0444) != 0) return "chmod";
                                       const auto error = AtomicWriteFile(day, "new");
                                       if (!error) return "replaced";
                                       if (FileErrorMessage(*error) !=
                                           "Access to " + day.string() + " was denied.") {
                                         return FileErrorMessage(*error);
                                       }
                                       return testing::ReadBytes(day) == "old" ? "" : "changed";
                                     }),
            "");
}

}  // namespace
}  // namespace vesmira
