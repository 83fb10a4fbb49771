#pragma once

#include <array>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "diary/diary_tables.h"
#include "diary/energy_model.h"
#include "storage/file_error.h"

namespace vesmira {

inline constexpr std::string_view kSettingsSection = "***Installningar";
inline constexpr std::string_view kRatesSection = "***Berakningsvarden";
inline constexpr std::string_view kGrundForbrukningKey = "grundForbrukning";
inline constexpr std::string_view kMalKey = "mal";
inline constexpr std::string_view kPoundFlagKey = "poundFlag";

// Reads the fifteen keys in file order into a fresh record; a missing key and every key
// after it read as the not-found value text (0).
UserSettings ReadProperties(std::istream& in);
// A properties file as read: the settings, or why they cannot be read (as for a day file:
// not a regular file, too large, not opened, or not empty yet without one key of the
// settings), or neither when there is no file.
struct StoredProperties {
  std::optional<UserSettings> settings;
  std::optional<FileError> error;
};
StoredProperties ReadStoredProperties(const std::filesystem::path& path);
// Empty when there is no file or it cannot be read.
std::optional<UserSettings> ReadProperties(const std::filesystem::path& path);

// The 44-line file of a new user: 2200, 1800 and the new-user rates, no "poundFlag". The
// file is new or not written at all: kExists when the name is taken.
void WriteDefaultProperties(std::ostream& out);
[[nodiscard]] std::optional<FileError> WriteDefaultProperties(const std::filesystem::path& path);

// The texts of the properties dialog, written as they stand.
struct PropertiesTexts {
  std::string grundForbrukning;
  std::string mal;
  std::array<std::string, kActivityCount> activityKal;
  bool kilograms = false;

  // The settings these texts stand for, each read as a number.
  UserSettings Settings() const;
};

// The 47-line file of the properties dialog. A properties file that cannot be read is not
// replaced: the cause comes back.
void WriteProperties(std::ostream& out, const PropertiesTexts& texts);
[[nodiscard]] std::optional<FileError> WriteProperties(const std::filesystem::path& path,
                                                       const PropertiesTexts& texts);

}  // namespace vesmira
