#pragma once

#include <filesystem>
#include <string>

#include "storage/shown_text.h"

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
  // Found by the program itself rather than by the system.
  kNotAFile,          // a FIFO, a device or a folder where a file belongs
  kTooLarge,          // larger than any file of the diary can be
  kNotUnderstood,     // holds none of the keys a file of its kind holds
  kExists,            // a file that must be new is there already
  kReadOnly,          // on a file system mounted read-only
  kDanglingLink,      // a symbolic link to a file that is not there
  kKeptBeside,        // changed by another program at every try: what was to be stored is beside it
  kChangedMeanwhile,  // changed by another program since it was read: not written over
};

struct FileError {
  FileErrorCause cause = FileErrorCause::kGeneric;
  std::filesystem::path path;
  friend bool operator==(const FileError&, const FileError&) = default;
};

FileErrorCause FileErrorCauseFromErrno(int error);
FileError FileErrorFromErrno(int error, std::filesystem::path path);

// The message shown for a failed file operation, the path in place of %1.
std::string FileErrorMessage(const FileError& error, const TextLanguage& language = English());

}  // namespace vesmira
