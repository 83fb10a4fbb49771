#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace vesmira::testing {

// A fresh folder below the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& path() const { return m_path; }

 private:
  std::filesystem::path m_path;
};

void WriteBytes(const std::filesystem::path& path, std::string_view bytes);
std::string ReadBytes(const std::filesystem::path& path);

// Lines written with "\n" become the CR LF lines of a stored file.
std::string WithCrLf(std::string_view text);

}  // namespace vesmira::testing
