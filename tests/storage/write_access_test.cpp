#include "storage/write_access.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cerrno>

#include "support/temp_folder.h"
#include "support/unprivileged.h"

namespace vesmira {
namespace {

TEST(WriteAccess, AFolderThatCannotTakeASaveIsNamedByItsCause) {
  const struct {
    bool readOnlyMount;
    int accessError;
    unsigned long long freeBlocks;
    WriteProblem problem;
  } rows[] = {
      {false, 0, 1000, WriteProblem::kNone},
      {true, EROFS, 1000, WriteProblem::kReadOnlyMedium},
      {false, EROFS, 1000, WriteProblem::kReadOnlyMedium},  // a bind mount made read-only
      {false, EACCES, 1000, WriteProblem::kNoPermission},
      {false, 0, 0, WriteProblem::kDiskFull},
      {true, 0, 0, WriteProblem::kReadOnlyMedium},  // a full CD is read-only first
  };
  for (const auto& row : rows) {
    EXPECT_EQ(ClassifyWriteProblem(row.readOnlyMount, row.accessError, row.freeBlocks), row.problem)
        << row.accessError << " " << row.freeBlocks;
  }
  const testing::TempFolder folder;
  EXPECT_EQ(FindWriteProblem(folder.path()), WriteProblem::kNone);
  EXPECT_EQ(testing::RunUnprivileged(folder.path(),
                                     [&]() -> std::string {
                                       if (::chmod(folder.path().c_str(), 0500) != 0)
                                         return "chmod";
                                       const WriteProblem problem = FindWriteProblem(folder.path());
                                       ::chmod(folder.path().c_str(), 0700);
                                       return problem == WriteProblem::kNoPermission ? "" : "other";
                                     }),
            "");
}

}  // namespace
}  // namespace vesmira
