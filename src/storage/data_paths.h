#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

// Every path below the data folder, the folder that holds users/:
//   users/U.properties      the settings of user U
//   users/U.propertys       the same from an older install, renamed when the users are listed
//   users/U/                the folder of U's days
//   users/U/U.DD-MM-YYYY    one day of U
namespace vesmira {

inline constexpr std::string_view kUsersFolderName = "users";
inline constexpr std::string_view kPropertiesExtension = ".properties";
inline constexpr std::string_view kLegacyPropertiesExtension = ".propertys";

std::filesystem::path UsersFolder(const std::filesystem::path& dataFolder);
// A file of the users folder by its name, as a listing of the folder gives it.
std::filesystem::path UsersFolderFile(const std::filesystem::path& dataFolder,
                                      std::string_view fileName);
std::filesystem::path PropertiesFilePath(const std::filesystem::path& dataFolder,
                                         std::string_view user);
std::filesystem::path UserFolderPath(const std::filesystem::path& dataFolder,
                                     std::string_view user);
// With no user name the day lies in the users folder itself.
std::filesystem::path DayFilePath(const std::filesystem::path& dataFolder, std::string_view user,
                                  std::string_view dateText);

// A copy of another version of file kept beside it, "<name>.<kind>-<stamp>": "conflict" when two
// versions met, "before-import" for the day an import replaced. No scan takes it for a day or a
// user, as its name ends in neither.
std::filesystem::path CopyBesidePath(const std::filesystem::path& file, std::string_view kind,
                                     std::string_view stamp);

// The day files of one user, the same paths as DayFilePath: the user's folder is made once and
// each day's file name put in its place, which a year of days notices.
class DayFilePaths {
 public:
  DayFilePaths(const std::filesystem::path& dataFolder, std::string_view user);
  // Valid until the next call.
  const std::filesystem::path& For(std::string_view dateText);

 private:
  std::filesystem::path m_path;
  std::string m_fileName;  // "<user>." and the date text
  std::size_t m_userPartLength;
};

}  // namespace vesmira
