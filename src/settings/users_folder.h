#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/data_paths.h"
#include "storage/file_error.h"

// The users folder: a user exists exactly when users/N.properties exists.
namespace vesmira {

// Whether fileName is a copy a sync tool made when two versions of a file met: Syncthing's
// "x.sync-conflict-<date>-<id>.properties", Nextcloud's and Dropbox's "x (... conflicted copy
// ...).properties".
bool IsSyncConflictCopy(std::string_view fileName);

// The user names of the regular files whose names end in ".properties" (sync tools' conflict
// copies left out), every ".properties" removed, in ascending byte order of the file names;
// names IsUsableUserName refuses are left out. A missing folder holds no users.
std::vector<std::string> ScanUserNames(const std::filesystem::path& dataFolder);

// Renames every users/*.propertys to its ".properties" name, in ascending order. A rename
// never replaces a file: where both names exist it fails, and the scan stops there with the
// legacy file's path and the cause.
[[nodiscard]] std::optional<FileError> RenameLegacyProperties(
    const std::filesystem::path& dataFolder);

// The users scan of the diary form: legacy files renamed, then the names in the order the
// form's list shows them (the reverse of the listing).
struct UserListScan {
  std::vector<std::string> names;
  // A users folder that is there but cannot be read, or a legacy file that cannot be
  // renamed; when set, names is empty.
  std::optional<FileError> error;
};
UserListScan ScanUserList(const std::filesystem::path& dataFolder);

// A user name that can be used as a file name inside the users folder: not empty, not "."
// or "..", no "/", "\", NUL or other control character, and no ".properties".
bool IsUsableUserName(std::string_view name);

// Whether users (names as stored) holds name: a name from an older install counts as the name
// it is shown as, so typing Björn finds the Windows-1252 Björn and no two users look alike.
bool HoldsUserName(const std::vector<std::string>& users, std::string_view name);

// Adds a user: creates users/N (a folder that exists already is kept, with its day files) and
// writes the new user's properties file, never over one that exists (kExists, also for a
// name that differs in letter case only on a file system that ignores case). A name that
// IsUsableUserName refuses writes nothing.
// When the file cannot be written, a folder this call created is removed again, so a failed
// Add leaves the users folder as it found it.
[[nodiscard]] std::optional<FileError> AddUser(const std::filesystem::path& dataFolder,
                                               std::string_view user);

// Removes a user: when users/N.properties exists, the folder users/N goes if it is empty (a
// folder that holds day files stays, with them), then the properties file is deleted. A user
// without a properties file is left as it is. Returns the cause when the properties file
// cannot be deleted.
[[nodiscard]] std::optional<FileError> RemoveUser(const std::filesystem::path& dataFolder,
                                                  std::string_view user);

}  // namespace vesmira
