#include "storage/file_error.h"

#include <cerrno>
#include <string_view>

namespace vesmira {

FileErrorCause FileErrorCauseFromErrno(int error) {
  switch (error) {
    case ENOENT:
      return FileErrorCause::kNotFound;
    case EACCES:
    case EPERM:
    case EEXIST:
    case EISDIR:
      return FileErrorCause::kAccessDenied;
    case EROFS:
      return FileErrorCause::kReadOnly;
    case EMFILE:
    case ENFILE:
      return FileErrorCause::kTooManyOpenFiles;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return FileErrorCause::kDiskFull;
    case EIO:
      return FileErrorCause::kHardIo;
    case ENAMETOOLONG:
    case EINVAL:
    case ENOTDIR:
    case ELOOP:
      return FileErrorCause::kBadPath;
    case EBUSY:
    case ETXTBSY:
      return FileErrorCause::kSharingViolation;
    case EDEADLK:
    case ENOLCK:
      return FileErrorCause::kLockViolation;
    case EBADF:
      return FileErrorCause::kInvalidFile;
    default:
      return FileErrorCause::kGeneric;
  }
}

FileError FileErrorFromErrno(int error, std::filesystem::path path) {
  return {FileErrorCauseFromErrno(error), std::move(path)};
}

std::string FileErrorMessage(const FileError& error, const TextLanguage& language) {
  const char* pattern = "";
  switch (error.cause) {
    case FileErrorCause::kNotFound:
      pattern = VESMIRA_TEXT("FileError", "%1 was not found.");
      break;
    case FileErrorCause::kBadPath:
      pattern = VESMIRA_TEXT("FileError", "%1 contains an invalid path.");
      break;
    case FileErrorCause::kTooManyOpenFiles:
      pattern = VESMIRA_TEXT("FileError",
                             "%1 could not be opened because there are too many open files.");
      break;
    case FileErrorCause::kAccessDenied:
      pattern = VESMIRA_TEXT("FileError", "Access to %1 was denied.");
      break;
    case FileErrorCause::kInvalidFile:
      pattern = VESMIRA_TEXT("FileError", "An invalid file handle was associated with %1.");
      break;
    case FileErrorCause::kRemoveCurrentDir:
      pattern =
          VESMIRA_TEXT("FileError", "%1 could not be removed because it is the current directory.");
      break;
    case FileErrorCause::kDirectoryFull:
      pattern = VESMIRA_TEXT("FileError", "%1 could not be created because the directory is full.");
      break;
    case FileErrorCause::kHardIo:
      pattern = VESMIRA_TEXT("FileError", "A hardware I/O error was reported while accessing %1.");
      break;
    case FileErrorCause::kSharingViolation:
      pattern = VESMIRA_TEXT("FileError", "A sharing violation occurred while accessing %1.");
      break;
    case FileErrorCause::kLockViolation:
      pattern = VESMIRA_TEXT("FileError", "A locking violation occurred while accessing %1.");
      break;
    case FileErrorCause::kDiskFull:
      pattern = VESMIRA_TEXT("FileError", "Disk full while accessing %1.");
      break;
    case FileErrorCause::kGeneric:
      pattern = VESMIRA_TEXT("FileError", "An unknown error occurred while accessing %1.");
      break;
    case FileErrorCause::kNotAFile:
      pattern = VESMIRA_TEXT("FileError", "%1 is not a regular file.");
      break;
    case FileErrorCause::kTooLarge:
      pattern = VESMIRA_TEXT("FileError", "%1 is too large to be a file of the diary.");
      break;
    case FileErrorCause::kNotUnderstood:
      pattern = VESMIRA_TEXT("FileError",
                             "%1 holds nothing this program can read. It was left as it is.");
      break;
    case FileErrorCause::kExists:
      pattern = VESMIRA_TEXT("FileError", "%1 already exists.");
      break;
    case FileErrorCause::kReadOnly:
      pattern = VESMIRA_TEXT("FileError", "%1 is on a read-only file system.");
      break;
    case FileErrorCause::kKeptBeside:
      pattern = VESMIRA_TEXT(
          "FileError",
          "%1 was changed by another program at every try to save it. What you typed is kept "
          "beside it as a copy whose name begins the same and holds \"conflict\".");
      break;
    case FileErrorCause::kChangedMeanwhile:
      pattern = VESMIRA_TEXT(
          "FileError",
          "%1 was changed by another program while it was open here. Nothing was written over "
          "it: open it again to see the new version.");
      break;
    case FileErrorCause::kDanglingLink:
      pattern = VESMIRA_TEXT(
          "FileError",
          "%1 is a symbolic link to a file that does not exist. Nothing was written; remove the "
          "link or restore its file.");
      break;
  }
  return FillIn(language.Text("FileError", pattern), {error.path.string()});
}

}  // namespace vesmira
