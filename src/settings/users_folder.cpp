#include "settings/users_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "diary/day_file.h"
#include "settings/properties_file.h"
#include "storage/atomic_file.h"
#include "storage/text_encoding.h"

namespace vesmira {

namespace {

namespace fs = std::filesystem;

std::string RemoveAll(std::string text, std::string_view part) {
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at)) {
    text.erase(at, part.size());
  }
  return text;
}

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
  for (std::size_t at = text.find(from); at != std::string::npos;
       at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

// The names of the regular files in the users folder that end in one of extensions, sorted
// by bytes, from one listing of the folder; the copies sync tools leave when two versions meet
// are no users. A folder that is there but cannot be listed gives its error.
std::vector<std::string> FileNamesEndingIn(const fs::path& dataFolder,
                                           std::initializer_list<std::string_view> extensions,
                                           std::optional<FileError>* listError = nullptr) {
  std::vector<std::string> names;
  std::error_code error;
  fs::directory_iterator it(UsersFolder(dataFolder), error);
  if (error && listError != nullptr && error != std::errc::no_such_file_or_directory) {
    *listError = FileErrorFromErrno(error.value(), UsersFolder(dataFolder));
  }
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    std::string name = it->path().filename().string();
    const bool wanted = std::any_of(extensions.begin(), extensions.end(),
                                    [&name](std::string_view end) { return name.ends_with(end); });
    if (wanted && !IsSyncConflictCopy(name)) names.push_back(std::move(name));
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> UserNamesOf(const std::vector<std::string>& files) {
  std::vector<std::string> names;
  for (const std::string& file : files) {
    if (!file.ends_with(kPropertiesExtension)) continue;
    std::string name = RemoveAll(file, kPropertiesExtension);
    // A file placed by hand may name no user Add would make, "..properties" one whose days
    // would lie outside the users folder.
    if (IsUsableUserName(name)) names.push_back(std::move(name));
  }
  return names;
}

// Renames every legacy properties file among files to the current extension, never over one.
std::optional<FileError> RenameLegacyFiles(const fs::path& dataFolder,
                                           std::vector<std::string>& files) {
  for (std::string& name : files) {
    if (!name.ends_with(kLegacyPropertiesExtension)) continue;
    const std::string current = ReplaceAll(name, kLegacyPropertiesExtension, kPropertiesExtension);
    const fs::path from = UsersFolderFile(dataFolder, name);
    if (const int error = RenameNoReplace(from, UsersFolderFile(dataFolder, current)); error != 0) {
      return FileErrorFromErrno(error, from);
    }
    name = current;
  }
  std::sort(files.begin(), files.end());
  return std::nullopt;
}

// Whether users/N is a folder of its own below the users folder: the empty name, "." and ".."
// name the users folder itself or one above it, which Remove must never touch.
bool HasOwnFolder(std::string_view user) { return !user.empty() && user != "." && user != ".."; }

}  // namespace

bool IsSyncConflictCopy(std::string_view fileName) {
  return fileName.find(".sync-conflict-") != std::string_view::npos ||
         fileName.find("conflicted copy") != std::string_view::npos;
}

std::vector<std::string> ScanUserNames(const fs::path& dataFolder) {
  return UserNamesOf(FileNamesEndingIn(dataFolder, {kPropertiesExtension}));
}

std::optional<FileError> RenameLegacyProperties(const fs::path& dataFolder) {
  std::vector<std::string> files = FileNamesEndingIn(dataFolder, {kLegacyPropertiesExtension});
  return RenameLegacyFiles(dataFolder, files);
}

UserListScan ScanUserList(const fs::path& dataFolder) {
  // One listing of the folder serves the renames and the names.
  UserListScan scan;
  std::vector<std::string> files = FileNamesEndingIn(
      dataFolder, {kPropertiesExtension, kLegacyPropertiesExtension}, &scan.error);
  if (scan.error) return scan;
  scan.error = RenameLegacyFiles(dataFolder, files);
  if (scan.error) return scan;
  scan.names = UserNamesOf(files);
  // Each name goes to the top of the list, so the list shows the listing reversed.
  std::reverse(scan.names.begin(), scan.names.end());
  return scan;
}

bool IsUsableUserName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  // The folder scan takes every ".properties" out of a file name, so such a user would be
  // listed under a name whose file does not exist.
  if (name.find(kPropertiesExtension) != std::string_view::npos) return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return c == '/' || c == '\\' || byte < 0x20 || byte == 0x7F;
  });
}

bool HoldsUserName(const std::vector<std::string>& users, std::string_view name) {
  const std::string shown = StoredBytesToUtf8(name);
  return std::any_of(users.begin(), users.end(), [&](const std::string& user) {
    return user == name || StoredBytesToUtf8(user) == shown;
  });
}

std::optional<FileError> AddUser(const fs::path& dataFolder, std::string_view user) {
  const fs::path file = PropertiesFilePath(dataFolder, user);
  if (!IsUsableUserName(user)) return FileError{FileErrorCause::kBadPath, file};
  const fs::path folder = UserFolderPath(dataFolder, user);
  std::error_code error;
  const bool createdFolder = !fs::exists(folder, error) && !MakePrivateFolder(folder);
  std::optional<FileError> writeError = WriteDefaultProperties(file);
  if (writeError && createdFolder) ::rmdir(folder.c_str());
  return writeError;
}

std::optional<FileError> RemoveUser(const fs::path& dataFolder, std::string_view user) {
  const fs::path file = PropertiesFilePath(dataFolder, user);
  // A scanned name never holds these; a path built from one would name another file.
  if (user.find('\0') != std::string_view::npos || user.find('/') != std::string_view::npos) {
    return FileError{FileErrorCause::kBadPath, file};
  }
  struct stat info {};
  if (::lstat(file.c_str(), &info) != 0) {
    if (errno == ENOENT) return std::nullopt;
    return FileErrorFromErrno(errno, file);
  }
  // rmdir refuses a folder that holds anything, which is what keeps the day files.
  if (HasOwnFolder(user)) ::rmdir(UserFolderPath(dataFolder, user).c_str());
  if (::unlink(file.c_str()) != 0) return FileErrorFromErrno(errno, file);
  return std::nullopt;
}

}  // namespace vesmira
