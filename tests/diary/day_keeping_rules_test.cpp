#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "diary/day_keeping.h"

namespace vesmira {
namespace {

FileIdentity Version(std::uint64_t inode, std::uintmax_t size) {
  return {true, size, 1000, 1, inode};
}

// What a look at the disk means, with and without typing waiting to be stored.
TEST(DayKeeping, AChangeOnDiskIsAChangeOfBytes) {
  const KnownDayVersion known{Version(7, 3), "abc"};
  const KnownDayVersion noFile{FileIdentity{}, ""};
  const struct {
    const char* what;
    KnownDayVersion known;
    DiskDayVersion disk;
    DiskChange idle;    // no typing waits
    DiskChange typing;  // typing waits
  } rows[] = {
      {"the version known", known, {Version(7, 3), "abc"}, DiskChange::kNone, DiskChange::kNone},
      {"touched, the same bytes",
       known,
       {Version(8, 3), "abc"},
       DiskChange::kSameBytes,
       DiskChange::kSameBytes},
      {"another program's version",
       known,
       {Version(8, 4), "abcd"},
       DiskChange::kShowDisk,
       DiskChange::kAskWhichToKeep},
      {"removed",
       known,
       {FileIdentity{}, std::nullopt},
       DiskChange::kShowDisk,
       DiskChange::kAskWhichToKeep},
      {"an empty file where there was none",
       noFile,
       {Version(9, 0), ""},
       DiskChange::kShowDisk,
       DiskChange::kAskWhichToKeep},
      {"unreadable",
       known,
       {Version(8, 3), std::nullopt},
       DiskChange::kUnreadable,
       DiskChange::kUnreadable},
      {"readable, but no day",
       known,
       {Version(8, 3), "abc", false},
       DiskChange::kUnreadable,
       DiskChange::kUnreadable},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.what);
    EXPECT_EQ(ClassifyDiskChange(row.known, row.disk, false), row.idle);
    EXPECT_EQ(ClassifyDiskChange(row.known, row.disk, true), row.typing);
  }
}

// A write holds the changes up to the moment it was handed over; typing since still waits.
TEST(DayKeeping, TypingWaitsUntilTheWriteThatHoldsItIsStored) {
  TypingCount typing;
  EXPECT_FALSE(typing.Waits());
  typing.Change();
  const std::uint64_t handedOver = typing.Now();
  typing.Change();  // typed while the write runs
  typing.StoredUpTo(handedOver);
  EXPECT_TRUE(typing.Waits());
  typing.StoredUpTo(typing.Now());
  EXPECT_FALSE(typing.Waits());
  typing.Change();
  typing.AllKept();  // kept beside the day, or replaced by the version on disk
  EXPECT_FALSE(typing.Waits());
}

}  // namespace
}  // namespace vesmira
