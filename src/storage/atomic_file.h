#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

#include "storage/file_error.h"

namespace vesmira {

// Replaces path with bytes whole or not at all: a temporary file beside it is written,
// flushed and synced, renamed over the old file, and the folder synced. On failure the old
// file is untouched, the temporary file removed, and the cause returned. The temporary
// file's name starts with '.' and ends in ".tmp", so no scan takes it for a user or a day.
[[nodiscard]] std::optional<FileError> AtomicWriteFile(const std::filesystem::path& path,
                                                       std::string_view bytes);

// Reads a whole file's bytes; empty when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);

}  // namespace vesmira
