#pragma once

#include <QTemporaryDir>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "diary/day_file.h"

namespace vesmira::testing {

// A data folder of its own for one test: users, their settings and their days.
class DiaryFolder {
 public:
  DiaryFolder();

  bool IsValid() const { return m_dir.isValid(); }
  std::filesystem::path Path() const;
  std::filesystem::path UsersPath() const { return Path() / "users"; }

  // users/<name>.properties as the properties dialog writes it, and the user's folder.
  void AddUser(std::string_view name, std::int32_t grundForbrukning = 2200, std::int32_t mal = 1800,
               bool kilograms = true) const;
  // users/<name>/<name>.<dateText> holding entries.
  void WriteDay(std::string_view user, std::string_view dateText, const DayEntries& entries) const;
  std::filesystem::path DayPath(std::string_view user, std::string_view dateText) const;

 private:
  QTemporaryDir m_dir;
};

void WriteBytes(const std::filesystem::path& path, std::string_view bytes);
// Empty when the file cannot be read.
std::string ReadBytes(const std::filesystem::path& path);

// Entries with every field "0" except the given meals, and the note.
DayEntries Meals(std::initializer_list<std::string_view> meals, std::string_view note = "");

}  // namespace vesmira::testing
