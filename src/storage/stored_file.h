#pragma once

#include <atomic>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "storage/file_error.h"

// What the program knows of a file it read or wrote, so that a change made behind its back
// (a sync tool, another computer, a hand edit) is seen before it is written over.
namespace vesmira {

// A file as it stands on disk: a save replaces the file, so a new inode, a new size or a new
// modification time each mean another version.
struct FileIdentity {
  bool exists = false;
  std::uintmax_t size = 0;
  std::int64_t modifiedNs = 0;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of the file at path; exists is false when there is none.
FileIdentity ReadFileIdentity(const std::filesystem::path& path);

// The bytes and identity of one file, read together.
struct FileSnapshot {
  std::optional<std::string> bytes;  // empty when there is no file or it cannot be read
  FileIdentity identity;
  std::optional<FileError> error;  // why a file that is there cannot be read
};
FileSnapshot ReadFileSnapshot(const std::filesystem::path& path);

// Writes bytes to path through the atomic save unless the file holds them already: an
// unchanged day is not rewritten, so a sync tool sees no churn. A missing file is created.
struct WriteResult {
  std::optional<FileError> error;
  bool written = false;
  FileIdentity identity;  // of the file after the call
};
WriteResult WriteFileIfChanged(const std::filesystem::path& path, std::string_view bytes);

// A save that never goes over another's change: when the file on disk is no longer the one
// expected, nothing is written and changedOnDisk is set.
struct StoreResult {
  WriteResult write;
  bool changedOnDisk = false;
  // Another program's version that arrived between the check and the save: swapped out by
  // the save and kept beside the file as a conflict copy, here.
  std::optional<std::filesystem::path> otherKept;
};
// mayReplace, when given, is asked of the file as read first: its error refuses the store.
using SnapshotCheck = std::function<std::optional<FileError>(const FileSnapshot&)>;
StoreResult StoreFile(const std::filesystem::path& path, std::string_view bytes,
                      const FileIdentity& expected, const SnapshotCheck& mayReplace = {});

// The stamp of a conflict copy made now: local time to the second, "20261206-101530".
std::string ConflictStampNow();

// Keeps bytes beside file as "<file>.conflict-<stamp>", or "-2", "-3" ... after the stamp when
// that name is taken: a copy is never written over another. Returns the copy's path, or the
// error when none can be made.
struct KeptCopy {
  std::filesystem::path path;
  std::optional<FileError> error;
};
KeptCopy KeepConflictCopy(const std::filesystem::path& file, std::string_view stamp,
                          std::string_view bytes);
// The kinds of copies kept beside a file: "<file>.<kind>-<stamp>", numbered "-2", "-3"...
// when the stamp is taken; an import keeps the day it replaces as "before-import".
inline constexpr std::string_view kConflictKind = "conflict";
inline constexpr std::string_view kBeforeImportKind = "before-import";
// Moves the file at old beside file as a copy of kind; none when it cannot be moved.
std::optional<std::filesystem::path> MoveCopyBeside(const std::filesystem::path& old,
                                                    const std::filesystem::path& file,
                                                    std::string_view kind, std::string_view stamp);

// Removes the temporary files of saves that were interrupted (a crash, a power cut) from
// folder and from the folders directly below it: only names AtomicWriteFile makes for a
// file of the diary (".<day or properties file>.<8 letters or digits>.tmp"), and only those
// last written before startedAt, when the program now holding the diary took it, so that a
// sync tool's or the person's own ".tmp" files and a save begun since are left alone.
// Returns how many went. Stops early once stop, when given, is set.
int RemoveStaleTemporaries(const std::filesystem::path& folder, std::time_t startedAt,
                           const std::atomic_bool* stop = nullptr);

// Whether name is one AtomicWriteFile gives the temporary file of a file of the diary.
bool IsOwnTemporaryName(std::string_view name);

}  // namespace vesmira
