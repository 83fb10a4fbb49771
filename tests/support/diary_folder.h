#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include "diary/day_file.h"
#include "support/temp_folder.h"

namespace vesmira::testing {

// A data folder of its own for one test: users, their settings and their days.
class DiaryFolder {
 public:
  // The folder is made by the constructor, which throws when it cannot be made.
  const std::filesystem::path& Path() const { return m_dir.path(); }
  std::filesystem::path UsersPath() const { return Path() / "users"; }

  // users/<name>.properties as the properties dialog writes it, and the user's folder.
  void AddUser(std::string_view name, std::int32_t grundForbrukning = 2200, std::int32_t mal = 1800,
               bool kilograms = true) const;
  // users/<name>/<name>.<dateText> holding entries.
  void WriteDay(std::string_view user, std::string_view dateText, const DayEntries& entries) const;
  std::filesystem::path DayPath(std::string_view user, std::string_view dateText) const;

 private:
  TempFolder m_dir;
};

// Entries with every field "0" except the given meals, and the note.
DayEntries Meals(std::initializer_list<std::string_view> meals, std::string_view note = "");

// The properties file of a user just added, as the program writes it.
std::string NewUserFileBytes();

}  // namespace vesmira::testing
