#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vesmira::testing {

// A fresh folder below the system's temporary folder, removed with everything in it. With
// preferMemory, below /dev/shm when there is one: there a save is fast and its steps do not
// depend on the disk.
class TempFolder {
 public:
  explicit TempFolder(bool preferMemory = false);
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return m_path; }

 private:
  std::filesystem::path m_path;
};

// Throws when the file cannot be written.
void WriteBytes(const std::filesystem::path& path, std::string_view bytes);
// Empty when the file cannot be read.
std::string ReadBytes(const std::filesystem::path& path);

// Lines written with "\n" become the CR LF lines of a stored file.
std::string WithCrLf(std::string_view text);

}  // namespace vesmira::testing
