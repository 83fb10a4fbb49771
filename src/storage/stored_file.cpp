#include "storage/stored_file.h"

#include <fcntl.h>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <functional>
#include <system_error>

#include "storage/atomic_file.h"
#include "storage/data_paths.h"

namespace vesmira {

namespace fs = std::filesystem;

FileIdentity ReadFileIdentity(const fs::path& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return {};
  FileIdentity identity;
  identity.exists = true;
  identity.size = static_cast<std::uintmax_t>(status.st_size);
  identity.modifiedNs =
      std::int64_t{status.st_mtim.tv_sec} * 1'000'000'000 + status.st_mtim.tv_nsec;
  identity.device = status.st_dev;
  identity.inode = status.st_ino;
  return identity;
}

FileSnapshot ReadFileSnapshot(const fs::path& path) {
  // The identity is taken on both sides of the read: a file replaced meanwhile is read again.
  for (int attempt = 0; attempt < 3; ++attempt) {
    FileSnapshot snapshot;
    snapshot.identity = ReadFileIdentity(path);
    if (!snapshot.identity.exists) return snapshot;
    StoredBytes stored = ReadStoredFile(path);
    snapshot.bytes = std::move(stored.bytes);
    snapshot.error = std::move(stored.error);
    if (ReadFileIdentity(path) == snapshot.identity) return snapshot;
  }
  FileSnapshot last;
  last.identity = ReadFileIdentity(path);
  StoredBytes stored = ReadStoredFile(path);
  last.bytes = std::move(stored.bytes);
  last.error = std::move(stored.error);
  return last;
}

namespace {

// The write of WriteFileIfChanged over the version current holds, read just before.
WriteResult WriteIfChanged(const fs::path& path, std::string_view bytes,
                           const FileSnapshot& current,
                           const std::function<bool(const fs::path& old)>& displaced) {
  WriteResult result;
  if (current.bytes && *current.bytes == bytes) {
    result.identity = current.identity;
    return result;
  }
  result.error = AtomicWriteFile(path, bytes, displaced);
  result.written = !result.error;
  result.identity = ReadFileIdentity(path);
  return result;
}

// Copy number 1 of a stamp takes the stamp alone, the next ones "-2", "-3" ... after it.
fs::path NumberedCopyPath(const fs::path& file, std::string_view kind, std::string_view stamp,
                          int number) {
  std::string suffix(stamp);
  if (number > 1) suffix += "-" + std::to_string(number);
  return CopyBesidePath(file, kind, suffix);
}

constexpr int kMaxCopiesOfAStamp = 99;

}  // namespace

WriteResult WriteFileIfChanged(const fs::path& path, std::string_view bytes) {
  return WriteIfChanged(path, bytes, ReadFileSnapshot(path), {});
}

StoreResult StoreFile(const fs::path& path, std::string_view bytes, const FileIdentity& expected,
                      const SnapshotCheck& mayReplace) {
  StoreResult result;
  const FileSnapshot current = ReadFileSnapshot(path);
  if (mayReplace) {
    result.write.error = mayReplace(current);
    if (result.write.error) return result;
  }
  if (current.identity != expected) {
    result.changedOnDisk = true;
    result.write.identity = current.identity;
    return result;
  }
  // The file the save swapped out is the one checked, unless another program's rename
  // landed in between: that one is kept beside it, not dropped.
  const auto keepOther = [&](const fs::path& old) {
    if (ReadFileIdentity(old) == expected) return false;
    result.otherKept = MoveCopyBeside(old, path, kConflictKind, ConflictStampNow());
    return result.otherKept.has_value();
  };
  result.write = WriteIfChanged(path, bytes, current, keepOther);
  return result;
}

std::optional<fs::path> MoveCopyBeside(const fs::path& old, const fs::path& file,
                                       std::string_view kind, std::string_view stamp) {
  for (int number = 1; number <= kMaxCopiesOfAStamp; ++number) {
    const fs::path copy = NumberedCopyPath(file, kind, stamp, number);
    const int error = RenameNoReplace(old, copy);
    if (error == 0) return copy;
    if (error != EEXIST) break;
  }
  return std::nullopt;
}

std::string ConflictStampNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  char text[32];
  const std::size_t length = std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
  return std::string(text, length);
}

KeptCopy KeepConflictCopy(const fs::path& file, std::string_view stamp, std::string_view bytes) {
  KeptCopy kept;
  for (int number = 1; number <= kMaxCopiesOfAStamp; ++number) {
    kept.path = NumberedCopyPath(file, kConflictKind, stamp, number);
    kept.error = AtomicCreateFile(kept.path, bytes);
    if (!kept.error || kept.error->cause != FileErrorCause::kExists) return kept;
  }
  return kept;
}

bool IsOwnTemporaryName(std::string_view name) {
  constexpr std::string_view kEnd = ".tmp";
  constexpr std::size_t kRandom = 8;
  if (name.size() < 1 + 1 + 1 + kRandom + kEnd.size() || name.front() != '.' ||
      !name.ends_with(kEnd)) {
    return false;
  }
  name.remove_suffix(kEnd.size());
  const std::string_view random = name.substr(name.size() - kRandom);
  if (!std::all_of(random.begin(), random.end(),
                   [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z'); })) {
    return false;
  }
  name.remove_suffix(kRandom);
  if (!name.ends_with('.')) return false;
  // The stem: a properties file, or a day file "<user>.DD-MM-YYYY" or its conflict copy.
  const std::string_view stem = name.substr(1, name.size() - 2);
  if (stem.ends_with(".properties")) return true;
  std::size_t copy = std::string_view::npos;
  for (const std::string_view kind : {kConflictKind, kBeforeImportKind}) {
    copy = std::min(copy, stem.find("." + std::string(kind) + "-"));
  }
  const std::string_view day = stem.substr(0, copy);
  if (day.size() < 12) return false;
  const std::string_view date = day.substr(day.size() - 11);
  return date[0] == '.' && date[3] == '-' && date[6] == '-' &&
         std::all_of(date.begin() + 1, date.end(),
                     [](char c) { return c == '-' || (c >= '0' && c <= '9'); });
}

int RemoveStaleTemporaries(const fs::path& folder, std::time_t startedAt,
                           const std::atomic_bool* stop) {
  int removed = 0;
  const auto sweep = [&](const fs::path& where, auto& self, int depth) -> void {
    std::error_code error;
    fs::directory_iterator it(where, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error)) {
      if (stop != nullptr && stop->load()) return;
      std::error_code typeError;
      const std::string name = it->path().filename().string();
      if (it->is_symlink(typeError)) continue;
      if (it->is_directory(typeError)) {
        if (depth == 0) self(it->path(), self, depth + 1);
        continue;
      }
      struct stat info {};
      if (!IsOwnTemporaryName(name) || ::lstat(it->path().c_str(), &info) != 0 ||
          !S_ISREG(info.st_mode) || info.st_mtime >= startedAt) {
        continue;
      }
      if (::unlink(it->path().c_str()) == 0) ++removed;
    }
  };
  sweep(folder, sweep, 0);
  return removed;
}

}  // namespace vesmira
