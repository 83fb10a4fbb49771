#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/file_error.h"

namespace vesmira {

// No file of the diary comes near this: a year of days with the longest notes is well below
// one MiB. Anything larger is not read, so a stray huge file can neither exhaust the memory
// nor stall every Calculate.
inline constexpr std::uintmax_t kMaxStoredFileBytes = 16 * 1024 * 1024;

// Replaces path with bytes whole or not at all: a temporary file beside it is written,
// flushed and synced, renamed over the old file, and the folder synced. On failure the old
// file is untouched, the temporary file removed, and the cause returned. The temporary
// file's name starts with '.' and ends in ".tmp", so no scan takes it for a user or a day.
//
// A symbolic link is followed to the file it names, which is replaced while the link stays.
// Only a regular file is replaced, and only one the person may write ("Access to %1 was
// denied." otherwise): a FIFO, a device or a folder gives kNotAFile. A new file is private
// (0600, less where the umask says so); a replaced file keeps its permissions.
//
// The new file takes the old one's place in one step that swaps the two, so the old file is
// in hand after it: displaced, when given, is asked whether to take it (its temporary path);
// one it does not take is removed. A file that another program renames into place just
// before the swap is so never lost.
[[nodiscard]] std::optional<FileError> AtomicWriteFile(
    const std::filesystem::path& path, std::string_view bytes,
    const std::function<bool(const std::filesystem::path& old)>& displaced = {});

// Renames from to to, never over an existing file (POSIX rename() would); on file systems
// without that rename, by a hard link, which refuses an existing name as well. Returns 0, or
// the errno of the failure (EEXIST when to is taken).
int RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to);

struct PreparedReplace;

// Many files replaced as AtomicWriteFile replaces one, with two syncs of the disk in all rather
// than two for each: every new file is written beside its target (Add), all are synced at once
// (SyncPrepared), each then swapped into its place (Commit), and the names synced at once
// (SyncCommitted). A temporary file not put in place goes with the batch.
class AtomicWriteBatch {
 public:
  AtomicWriteBatch();
  ~AtomicWriteBatch();
  AtomicWriteBatch(const AtomicWriteBatch&) = delete;
  AtomicWriteBatch& operator=(const AtomicWriteBatch&) = delete;

  // Writes path's new bytes beside it; returns the file's index in the batch.
  std::size_t Add(const std::filesystem::path& path, std::string_view bytes);
  void SyncPrepared();
  // Puts the index-th file in place, as AtomicWriteFile does; the cause when it is not (also
  // when Add failed).
  [[nodiscard]] std::optional<FileError> Commit(
      std::size_t index, const std::function<bool(const std::filesystem::path& old)>& displaced);
  // Leaves the index-th file's target as it is.
  void Abandon(std::size_t index);
  void SyncCommitted();

 private:
  struct Item {
    std::unique_ptr<PreparedReplace> prepared;
    std::optional<FileError> error;
    bool done = false;
  };
  std::vector<Item> m_items;
  bool m_committed = false;
};

// Writes a new file whole or not at all, never over one that exists: kExists when a file has
// the name, also one whose name differs in letter case only on a file system that ignores it;
// kNotAFile when a folder or the like has it.
[[nodiscard]] std::optional<FileError> AtomicCreateFile(const std::filesystem::path& path,
                                                        std::string_view bytes);

// Creates the folder path (0700 under the umask) inside a parent that must exist already; a
// folder that is there already is kept as it is.
[[nodiscard]] std::optional<FileError> MakePrivateFolder(const std::filesystem::path& path);

// A stored file as read: its bytes, or the cause it could not be read, or neither when there
// is no such file.
struct StoredBytes {
  std::optional<std::string> bytes;
  std::optional<FileError> error;
  bool Missing() const { return !bytes && !error; }
};

// Reads a regular file of at most maxBytes (kMaxStoredFileBytes for the diary's own files).
// Anything else is not opened in a way that could wait (a FIFO with no writer, a device) and
// comes back as an error.
StoredBytes ReadStoredFile(const std::filesystem::path& path,
                           std::uintmax_t maxBytes = kMaxStoredFileBytes);

// The bytes of ReadStoredFile; empty when the file is missing or cannot be read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

}  // namespace vesmira
