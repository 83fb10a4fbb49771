#include "storage/atomic_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <memory>
#include <random>
#include <string>

namespace vesmira {

namespace {

FileError MakeError(FileErrorCause cause, const std::filesystem::path& path) {
  return {cause, path};
}

// Keeps the temporary name within the file system's name limit for any target name.
constexpr std::size_t kMaxStemLength = 200;

// Creates ".<stem>.<random>.tmp" in folder. Made with mode 0600, so the diary is the person's
// alone and a stricter umask still applies, without changing the umask even for a moment.
int CreateTemporary(const std::filesystem::path& folder, const std::string& stem,
                    std::string& name) {
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  thread_local std::mt19937_64 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string suffix(8, '0');
    for (char& c : suffix) c = kDigits[random() % (sizeof kDigits - 1)];
    name = (folder / ("." + stem + "." + suffix + ".tmp")).string();
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

void SyncFolder(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Follows path link by link to the file a save replaces, as a symbolic link's target may
// itself be a link. A name that does not exist yet is the target as it stands.
std::optional<FileError> SaveTarget(const std::filesystem::path& path,
                                    std::filesystem::path& target, struct stat& info,
                                    bool& exists) {
  target = path;
  for (int hop = 0; hop < 40; ++hop) {
    if (::lstat(target.c_str(), &info) != 0) {
      if (errno != ENOENT) return FileErrorFromErrno(errno, path);
      // A link whose file is gone may point anywhere, out of the diary too: nothing is made
      // at its end.
      if (hop > 0) return MakeError(FileErrorCause::kDanglingLink, path);
      exists = false;
      return std::nullopt;
    }
    if (!S_ISLNK(info.st_mode)) {
      exists = true;
      return std::nullopt;
    }
    std::string link(4096, '\0');
    const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
    if (length < 0) return FileErrorFromErrno(errno, path);
    link.resize(static_cast<std::size_t>(length));
    const std::filesystem::path next(link);
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return FileErrorFromErrno(ELOOP, path);
}

std::filesystem::path FolderOf(const std::filesystem::path& path) {
  return path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
}

// Writes bytes to a new temporary file in folder, synced and closed; its name in temporary.
std::optional<FileError> WriteTemporary(const std::filesystem::path& folder,
                                        const std::filesystem::path& target,
                                        const std::filesystem::path& reported,
                                        std::string_view bytes, const struct stat* existing,
                                        std::string& temporary, bool sync = true) {
  const std::string stem = target.filename().string().substr(0, kMaxStemLength);
  const int fd = CreateTemporary(folder, stem, temporary);
  if (fd < 0) return FileErrorFromErrno(errno, reported);
  auto fail = [&](bool open) {
    const int error = errno;
    if (open) ::close(fd);
    ::unlink(temporary.c_str());
    return FileErrorFromErrno(error, reported);
  };
  // A replaced file keeps its permissions.
  if (existing != nullptr && ::fchmod(fd, existing->st_mode & 07777) != 0) return fail(true);
  if (!WriteAll(fd, bytes)) return fail(true);
  if (sync && ::fsync(fd) != 0) return fail(true);
  if (::close(fd) != 0) return fail(false);
  return std::nullopt;
}

}  // namespace

// A replacement written beside its target and not yet in its place.
struct PreparedReplace {
  std::filesystem::path path;  // as the caller named it
  std::filesystem::path target;
  std::filesystem::path folder;
  std::string temporary;
  bool exists = false;
};

namespace {

std::optional<FileError> PrepareReplace(const std::filesystem::path& path, std::string_view bytes,
                                        bool sync, PreparedReplace& prepared) {
  struct stat existing {};
  prepared.path = path;
  if (auto error = SaveTarget(path, prepared.target, existing, prepared.exists)) return error;
  if (prepared.exists) {
    if (!S_ISREG(existing.st_mode)) return MakeError(FileErrorCause::kNotAFile, path);
    // The rename needs only the folder's permission: the file's own is asked here, so a
    // file its owner made read-only stays as it is.
    if (::faccessat(AT_FDCWD, prepared.target.c_str(), W_OK, AT_EACCESS) != 0) {
      return FileErrorFromErrno(errno, path);
    }
  }
  prepared.folder = FolderOf(prepared.target);
  return WriteTemporary(prepared.folder, prepared.target, path, bytes,
                        prepared.exists ? &existing : nullptr, prepared.temporary, sync);
}

std::optional<FileError> SwapIntoPlace(
    const PreparedReplace& prepared,
    const std::function<bool(const std::filesystem::path& old)>& displaced) {
  const char* temporary = prepared.temporary.c_str();
  const char* target = prepared.target.c_str();
  // Swapped with whatever stands there now, or put where nothing stands: never a plain
  // rename over a file that arrived since it was looked at.
  int result = ::renameat2(AT_FDCWD, temporary, AT_FDCWD, target,
                           prepared.exists ? RENAME_EXCHANGE : RENAME_NOREPLACE);
  if (result != 0 && (errno == ENOENT || errno == EEXIST)) {
    // Removed, or made, meanwhile: the other way round.
    result = ::renameat2(AT_FDCWD, temporary, AT_FDCWD, target,
                         errno == EEXIST ? RENAME_EXCHANGE : RENAME_NOREPLACE);
  }
  bool swapped = result == 0 && ::access(temporary, F_OK) == 0;
  if (result != 0 && (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP)) {
    // A file system without the flags: the plain rename.
    result = ::rename(temporary, target);
    swapped = false;
  }
  if (result != 0) {
    const int error = errno;
    ::unlink(temporary);
    return FileErrorFromErrno(error, prepared.path);
  }
  if (swapped && !(displaced && displaced(prepared.temporary))) ::unlink(temporary);
  return std::nullopt;
}

void SyncFileSystemOf(const std::filesystem::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::syncfs(fd);
  ::close(fd);
}

}  // namespace

std::optional<FileError> AtomicWriteFile(
    const std::filesystem::path& path, std::string_view bytes,
    const std::function<bool(const std::filesystem::path& old)>& displaced) {
  PreparedReplace prepared;
  if (auto error = PrepareReplace(path, bytes, true, prepared)) return error;
  if (auto error = SwapIntoPlace(prepared, displaced)) return error;
  // The new name itself must survive a power cut, not just the bytes.
  SyncFolder(prepared.folder);
  return std::nullopt;
}

int RenameNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
  if (errno != EINVAL && errno != ENOSYS) return errno;
  if (::link(from.c_str(), to.c_str()) != 0) return errno;
  if (::unlink(from.c_str()) != 0) return errno;
  return 0;
}

AtomicWriteBatch::AtomicWriteBatch() = default;

AtomicWriteBatch::~AtomicWriteBatch() {
  for (const Item& item : m_items) {
    if (item.prepared && !item.done) ::unlink(item.prepared->temporary.c_str());
  }
}

std::size_t AtomicWriteBatch::Add(const std::filesystem::path& path, std::string_view bytes) {
  Item item;
  auto prepared = std::make_unique<PreparedReplace>();
  item.error = PrepareReplace(path, bytes, false, *prepared);
  if (!item.error) item.prepared = std::move(prepared);
  m_items.push_back(std::move(item));
  return m_items.size() - 1;
}

void AtomicWriteBatch::SyncPrepared() {
  for (const Item& item : m_items) {
    if (item.prepared) {
      SyncFileSystemOf(item.prepared->folder);
      return;
    }
  }
}

std::optional<FileError> AtomicWriteBatch::Commit(
    std::size_t index, const std::function<bool(const std::filesystem::path& old)>& displaced) {
  Item& item = m_items.at(index);
  if (item.error || item.done) return item.error;
  item.done = true;
  item.error = SwapIntoPlace(*item.prepared, displaced);
  m_committed = m_committed || !item.error;
  return item.error;
}

void AtomicWriteBatch::Abandon(std::size_t index) {
  Item& item = m_items.at(index);
  if (item.prepared && !item.done) ::unlink(item.prepared->temporary.c_str());
  item.done = true;
}

void AtomicWriteBatch::SyncCommitted() {
  if (m_committed) SyncPrepared();
}

std::optional<FileError> AtomicCreateFile(const std::filesystem::path& path,
                                          std::string_view bytes) {
  const std::filesystem::path folder = FolderOf(path);
  std::string temporary;
  if (auto error = WriteTemporary(folder, path, path, bytes, nullptr, temporary)) return error;
  if (::renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0) {
    SyncFolder(folder);
    return std::nullopt;
  }
  int error = errno;
  ::unlink(temporary.c_str());
  if (error == EINVAL || error == ENOSYS || error == EOPNOTSUPP) {
    // A file system without the flag: the name is claimed by an exclusive create, which every
    // file system honours, and written in place.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
      error = errno;
    } else {
      const bool written = WriteAll(fd, bytes) && ::fsync(fd) == 0;
      error = errno;
      if (::close(fd) == 0 && written) {
        SyncFolder(folder);
        return std::nullopt;
      }
      ::unlink(path.c_str());
    }
  }
  if (error == EEXIST) {
    // Taken by a file, or by something else that no file can replace.
    struct stat info {};
    const bool file = ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    return MakeError(file ? FileErrorCause::kExists : FileErrorCause::kNotAFile, path);
  }
  return FileErrorFromErrno(error, path);
}

std::optional<FileError> MakePrivateFolder(const std::filesystem::path& path) {
  if (::mkdir(path.c_str(), 0700) == 0) return std::nullopt;
  const int error = errno;
  struct stat info {};
  if (error == EEXIST && ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
    return std::nullopt;
  }
  return FileErrorFromErrno(error, path);
}

StoredBytes ReadStoredFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
  StoredBytes result;
  auto fail = [&](FileErrorCause cause) {
    result.error = MakeError(cause, path);
    return result;
  };
  // Opened first and asked what it is after: one call by path fewer for every day a walk
  // reads. The open cannot wait (a FIFO without a writer), takes no terminal, and what was
  // opened is then asked.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    if (errno == ENOENT || errno == ENOTDIR) return result;
    return fail(FileErrorCauseFromErrno(errno));
  }
  struct stat info {};
  auto failOpen = [&](FileErrorCause cause) {
    ::close(fd);
    return fail(cause);
  };
  if (::fstat(fd, &info) != 0) return failOpen(FileErrorCauseFromErrno(errno));
  if (!S_ISREG(info.st_mode)) return failOpen(FileErrorCause::kNotAFile);
  if (static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
    return failOpen(FileErrorCause::kTooLarge);
  }
  // Read straight into the text, one byte more than the size so that the end shows at once.
  std::string bytes(static_cast<std::size_t>(info.st_size) + 1, '\0');
  std::size_t have = 0;
  for (;;) {
    if (have == bytes.size()) {
      // A file that grows while it is read is cut off here all the same.
      if (have > maxBytes) return failOpen(FileErrorCause::kTooLarge);
      bytes.resize(std::min<std::size_t>(bytes.size() * 2, maxBytes + 1));
    }
    const ssize_t got = ::read(fd, bytes.data() + have, bytes.size() - have);
    if (got > 0) {
      have += static_cast<std::size_t>(got);
    } else if (got == 0) {
      break;
    } else if (errno != EINTR) {
      return failOpen(FileErrorCauseFromErrno(errno));
    }
  }
  if (have > maxBytes) return failOpen(FileErrorCause::kTooLarge);
  bytes.resize(have);
  ::close(fd);
  result.bytes = std::move(bytes);
  return result;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
  return ReadStoredFile(path).bytes;
}

}  // namespace vesmira
