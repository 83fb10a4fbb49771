#include "export/export_file.h"

#include <sstream>

#include "diary/atomic_file.h"

namespace vesmira {

std::optional<FileError> ExportStoredDays(RangeWalkMode mode, const RangeWalkInput& input,
                                          const std::filesystem::path& target) {
  if (mode == RangeWalkMode::kYearResult) return FileError{FileErrorCause::kGeneric, target};
  // A year of rows is a few tens of kilobytes: the whole page is made in memory, so the
  // file on disk is only ever the old one or the complete new one.
  std::ostringstream bytes;
  WalkStoredDays(mode, input, bytes);
  if (!bytes) return FileError{FileErrorCause::kGeneric, target};
  return AtomicWriteFile(target, bytes.view());
}

}  // namespace vesmira
