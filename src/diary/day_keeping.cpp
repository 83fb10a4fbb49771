#include "diary/day_keeping.h"

namespace vesmira {

DiskChange ClassifyDiskChange(const KnownDayVersion& known, const DiskDayVersion& disk,
                              bool typingWaits) {
  if (disk.identity == known.identity) return DiskChange::kNone;
  if (disk.identity.exists && (!disk.bytes || !disk.understood)) return DiskChange::kUnreadable;
  // A change on disk is a change of bytes: a day removed is one, as is a day made where there
  // was none, even an empty one.
  const bool sameBytes = disk.identity.exists == !known.bytes.empty() &&
                         disk.bytes.value_or(std::string()) == known.bytes;
  if (sameBytes) return DiskChange::kSameBytes;
  return typingWaits ? DiskChange::kAskWhichToKeep : DiskChange::kShowDisk;
}

}  // namespace vesmira
