// The users scan over arbitrary names made as files and folders in a temporary data folder.
// Each line of the input is one name; its first byte chooses a regular file or a folder and
// which extension, if any, is added.
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "fuzz_input.h"
#include "settings/users_folder.h"

namespace {

namespace fs = std::filesystem;

const fs::path& DataFolder() {
  static const fs::path folder = [] {
    std::string name = (fs::temp_directory_path() / "vesmira-users-fuzz-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) std::abort();
    return fs::path(name);
  }();
  return folder;
}

void MakeEntry(const fs::path& users, std::string_view line) {
  if (line.empty()) return;
  const auto choice = static_cast<unsigned char>(line.front());
  std::string name(line.substr(1));
  // Neither byte can be part of a file name.
  std::replace(name.begin(), name.end(), '/', '_');
  std::replace(name.begin(), name.end(), '\0', '_');
  switch (choice % 3) {
    case 1:
      name += vesmira::kPropertiesExtension;
      break;
    case 2:
      name += vesmira::kLegacyPropertiesExtension;
      break;
  }
  if (name.empty() || name == "." || name == "..") return;
  std::error_code error;
  if (choice & 4) {
    fs::create_directory(users / name, error);
  } else {
    std::ofstream(users / name) << name;
  }
}

std::vector<std::string> PropertiesFiles(const fs::path& users) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(users)) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file() || !name.ends_with(vesmira::kPropertiesExtension)) continue;
    if (vesmira::IsSyncConflictCopy(name)) continue;
    // Listed only under a name Add would make.
    std::string user = name;
    for (std::size_t at = user.find(vesmira::kPropertiesExtension); at != std::string::npos;
         at = user.find(vesmira::kPropertiesExtension, at)) {
      user.erase(at, vesmira::kPropertiesExtension.size());
    }
    if (vesmira::IsUsableUserName(user)) names.push_back(name);
  }
  return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const fs::path users = vesmira::UsersFolder(DataFolder());
  fs::remove_all(users);
  fs::create_directory(users);
  std::string_view rest = input.Rest();
  for (std::size_t lines = 0; !rest.empty() && lines < 64; ++lines) {
    const std::size_t end = std::min(rest.find('\n'), rest.size());
    MakeEntry(users, rest.substr(0, end));
    rest.remove_prefix(std::min(end + 1, rest.size()));
  }

  const vesmira::UserListScan scan = vesmira::ScanUserList(DataFolder());
  if (scan.error) {
    Check(scan.names.empty());
  } else {
    // One name for every regular ".properties" file of a usable name, legacy ones renamed
    // first.
    Check(scan.names.size() == PropertiesFiles(users).size());
  }
  return 0;
}
