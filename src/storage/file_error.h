#pragma once

#include <filesystem>
#include <string>

namespace vesmira {

enum class FileErrorCause {
  kNotFound,
  kBadPath,
  kTooManyOpenFiles,
  kAccessDenied,
  kInvalidFile,
  kRemoveCurrentDir,
  kDirectoryFull,
  kHardIo,
  kSharingViolation,
  kLockViolation,
  kDiskFull,
  kGeneric,
};

struct FileError {
  FileErrorCause cause = FileErrorCause::kGeneric;
  std::filesystem::path path;
  friend bool operator==(const FileError&, const FileError&) = default;
};

FileErrorCause FileErrorCauseFromErrno(int error);
FileError FileErrorFromErrno(int error, std::filesystem::path path);

// The message shown for a failed file operation, the path in place of %1.
std::string FileErrorMessage(const FileError& error);

}  // namespace vesmira
