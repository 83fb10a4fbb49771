#include "storage/data_paths.h"

#include <string>

namespace vesmira {

namespace fs = std::filesystem;

namespace {

// "<user>.<DD-MM-YYYY>"
void AppendDayFileName(std::string& text, std::string_view user, std::string_view dateText) {
  text += user;
  text += '.';
  text += dateText;
}

}  // namespace

fs::path UsersFolder(const fs::path& dataFolder) { return dataFolder / kUsersFolderName; }

fs::path UsersFolderFile(const fs::path& dataFolder, std::string_view fileName) {
  return UsersFolder(dataFolder) / std::string(fileName);
}

fs::path PropertiesFilePath(const fs::path& dataFolder, std::string_view user) {
  std::string fileName(user);
  fileName += kPropertiesExtension;
  return UsersFolder(dataFolder) / fileName;
}

fs::path UserFolderPath(const fs::path& dataFolder, std::string_view user) {
  return UsersFolder(dataFolder) / std::string(user);
}

fs::path DayFilePath(const fs::path& dataFolder, std::string_view user, std::string_view dateText) {
  // One path made from one string: a year's walk makes 365 of them.
  std::string text = dataFolder.native();
  if (!text.empty() && text.back() != '/') text += '/';
  text += kUsersFolderName;
  text += '/';
  text += user;
  if (!user.empty()) text += '/';
  AppendDayFileName(text, user, dateText);
  return fs::path(std::move(text));
}

fs::path CopyBesidePath(const fs::path& file, std::string_view kind, std::string_view stamp) {
  std::string name = file.filename().string();
  ((name += '.') += kind) += '-';
  name += stamp;
  return file.parent_path() / name;
}

DayFilePaths::DayFilePaths(const fs::path& dataFolder, std::string_view user)
    : m_path(DayFilePath(dataFolder, user, "")) {
  AppendDayFileName(m_fileName, user, "");
  m_userPartLength = m_fileName.size();
}

const fs::path& DayFilePaths::For(std::string_view dateText) {
  m_fileName.resize(m_userPartLength);
  m_fileName += dateText;
  m_path.replace_filename(m_fileName);
  return m_path;
}

}  // namespace vesmira
