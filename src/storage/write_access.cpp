#include "storage/write_access.h"

#include <fcntl.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>

namespace vesmira {

WriteProblem ClassifyWriteProblem(bool readOnlyMount, int accessError,
                                  unsigned long long freeBlocks) {
  if (readOnlyMount || accessError == EROFS) return WriteProblem::kReadOnlyMedium;
  if (accessError == EACCES || accessError == EPERM) return WriteProblem::kNoPermission;
  if (freeBlocks == 0) return WriteProblem::kDiskFull;
  return WriteProblem::kNone;
}

WriteProblem FindWriteProblem(const std::filesystem::path& folder) {
  struct statvfs system {};
  if (::statvfs(folder.c_str(), &system) != 0) return WriteProblem::kNone;
  const int accessError = ::faccessat(AT_FDCWD, folder.c_str(), W_OK, AT_EACCESS) == 0 ? 0 : errno;
  return ClassifyWriteProblem((system.f_flag & ST_RDONLY) != 0, accessError, system.f_bavail);
}

std::string ReadOnlyDiaryText(WriteProblem problem, const std::filesystem::path& folder,
                              const TextLanguage& language) {
  const char* pattern = nullptr;
  switch (problem) {
    case WriteProblem::kReadOnlyMedium:
      pattern = VESMIRA_TEXT("ReadOnly",
                             "This diary is on a read-only medium, so it is only shown: nothing "
                             "can be changed. To write in it, copy the folder %1 to a disk that "
                             "can be written.");
      break;
    case WriteProblem::kNoPermission:
      pattern = VESMIRA_TEXT("ReadOnly",
                             "You may read this diary but not write in it, so it is only shown. "
                             "To write in it, ask for write permission on %1, or copy the "
                             "folder.");
      break;
    case WriteProblem::kDiskFull:
      pattern = VESMIRA_TEXT("ReadOnly",
                             "The disk of this diary is full, so it is only shown: nothing can be "
                             "changed until space is freed on the disk of %1. Then start Vesmira "
                             "again.");
      break;
    case WriteProblem::kNone:
      return {};
  }
  return FillIn(language.Text("ReadOnly", pattern), {folder.string()});
}

}  // namespace vesmira
