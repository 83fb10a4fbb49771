#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The files of a zip archive, as the exports of some diaries come.
namespace vesmira {

// Each file is unpacked whole, up to this size; a larger one is named, not unpacked.
inline constexpr std::size_t kMaxZipEntryBytes = 256u << 20;

struct ZipEntry {
  std::string name;
  std::string bytes;
  std::optional<std::string> error;  // why this file could not be unpacked
};

struct ZipListing {
  std::vector<ZipEntry> entries;     // the files, folders left out, in archive order
  std::optional<std::string> error;  // why the archive could not be read
};

bool IsZipArchive(std::string_view bytes);
// Reads every file (stored or deflated) of the archive in bytes.
ZipListing ReadZipArchive(std::string_view bytes);

}  // namespace vesmira
