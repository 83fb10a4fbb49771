#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "storage/stored_file.h"

// The rules that keep a day the person types into: which version of the file the program
// knows, what a change on disk means for it, and whether typing waits to be stored.
namespace vesmira {

// The day's file as the program last read or stored it.
struct KnownDayVersion {
  FileIdentity identity;
  std::string bytes;  // empty for a day without a file
};

// The day's file as it now stands on disk.
struct DiskDayVersion {
  FileIdentity identity;
  std::optional<std::string> bytes;  // none when there is no file or it cannot be read
  bool understood = true;            // false for a file that is there but is no day
};

// What a look at the disk means for the day shown.
enum class DiskChange {
  kNone,            // the version known
  kSameBytes,       // touched or written again as it was: the version known, a new identity
  kShowDisk,        // another version, and no typing waits: the form shows it
  kAskWhichToKeep,  // another version while typing waits: the person chooses
  kUnreadable,      // a version that cannot be read: never written over, the day read-only
};
DiskChange ClassifyDiskChange(const KnownDayVersion& known, const DiskDayVersion& disk,
                              bool typingWaits);

// The person's changes of the day shown, and how many of them are stored.
class TypingCount {
 public:
  void Change() { ++m_changes; }
  // Everything typed so far is stored, or kept where it belongs (a copy, the disk's version).
  void AllKept() { m_stored = m_changes; }
  // The changes up to Now() are stored; typing since waits still.
  std::uint64_t Now() const { return m_changes; }
  void StoredUpTo(std::uint64_t change) { m_stored = change; }
  bool Waits() const { return m_changes != m_stored; }

 private:
  std::uint64_t m_changes = 0;
  std::uint64_t m_stored = 0;
};

}  // namespace vesmira
