#include "storage/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <random>
#include <string>

namespace vesmira {

namespace {

// Keeps the temporary name within the file system's name limit for any target name.
constexpr std::size_t kMaxStemLength = 200;

// Creates ".<stem>.<random>.tmp" in folder. Made with mode 0666, so the process's umask
// applies as to any new file, without changing the umask even for a moment.
int CreateTemporary(const std::filesystem::path& folder, const std::string& stem,
                    std::string& name) {
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  thread_local std::mt19937_64 random{std::random_device{}()};
  for (int attempt = 0; attempt < 100; ++attempt) {
    std::string suffix(8, '0');
    for (char& c : suffix) c = kDigits[random() % (sizeof kDigits - 1)];
    name = (folder / ("." + stem + "." + suffix + ".tmp")).string();
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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

}  // namespace

std::optional<FileError> AtomicWriteFile(const std::filesystem::path& path,
                                         std::string_view bytes) {
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  const std::string stem = path.filename().string().substr(0, kMaxStemLength);
  std::string temporary;
  const int fd = CreateTemporary(folder, stem, temporary);
  if (fd < 0) return FileErrorFromErrno(errno, path);

  auto fail = [&](bool open) {
    const int error = errno;
    if (open) ::close(fd);
    ::unlink(temporary.c_str());
    return FileErrorFromErrno(error, path);
  };

  // A replaced file keeps its permissions.
  if (struct stat existing{};
      ::stat(path.c_str(), &existing) == 0 && ::fchmod(fd, existing.st_mode & 07777) != 0) {
    return fail(true);
  }
  if (!WriteAll(fd, bytes)) return fail(true);
  if (::fsync(fd) != 0) return fail(true);
  if (::close(fd) != 0) return fail(false);
  if (::rename(temporary.c_str(), path.c_str()) != 0) return fail(false);
  // The new name itself must survive a power cut, not just the bytes.
  SyncFolder(folder);
  return std::nullopt;
}

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  std::string bytes;
  char chunk[8192];
  for (;;) {
    const ssize_t got = ::read(fd, chunk, sizeof chunk);
    if (got > 0) {
      bytes.append(chunk, static_cast<std::size_t>(got));
    } else if (got == 0) {
      break;
    } else if (errno != EINTR) {
      // A folder opens but does not read: it is no file.
      ::close(fd);
      return std::nullopt;
    }
  }
  ::close(fd);
  return bytes;
}

}  // namespace vesmira
