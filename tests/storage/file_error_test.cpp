#include "storage/file_error.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace vesmira {
namespace {

TEST(FileError, TheCauseComesFromErrno) {
  const struct {
    int error;
    const char* message;
  } cases[] = {
      {ENOENT, "/u/a was not found."},
      {EACCES, "Access to /u/a was denied."},
      {EPERM, "Access to /u/a was denied."},
      {EEXIST, "Access to /u/a was denied."},
      {EMFILE, "/u/a could not be opened because there are too many open files."},
      {ENFILE, "/u/a could not be opened because there are too many open files."},
      {ENOSPC, "Disk full while accessing /u/a."},
      {EIO, "A hardware I/O error was reported while accessing /u/a."},
      {ENAMETOOLONG, "/u/a contains an invalid path."},
      {EINVAL, "/u/a contains an invalid path."},
      {EBUSY, "A sharing violation occurred while accessing /u/a."},
      {EXDEV, "An unknown error occurred while accessing /u/a."},
      {EROFS, "/u/a is on a read-only file system."},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FileErrorMessage(FileErrorFromErrno(c.error, "/u/a")), c.message) << c.error;
  }
}

}  // namespace
}  // namespace vesmira
