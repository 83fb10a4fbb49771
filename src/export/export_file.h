#pragma once

#include <filesystem>
#include <iosfwd>
#include <optional>

#include "periods/range_walk.h"
#include "storage/file_error.h"

namespace vesmira {

enum class ExportKind {
  kHtmlPage,     // the page of diary notes
  kDataSheet,    // the comma-separated sheet of meals and minutes
  kWeightSheet,  // the comma-separated sheet of the days' weighings
};

// Writes the page or a sheet of today and the 364 days before it, newest first. The walk
// stores nothing itself: the caller saves the day shown on the form (SaveDay) first, so that
// the day being edited is visited with its current values.
void WriteStoredDays(ExportKind kind, const RangeWalkInput& input, std::ostream& out);

// Writes the page or the sheet to target whole or not at all: the
// bytes go to a temporary file beside it that is renamed into place, so a failed export
// leaves no half-written file and an existing file as it was. The caller saves the day shown
// on the form (SaveDay) first.
[[nodiscard]] std::optional<FileError> ExportStoredDays(ExportKind kind,
                                                        const RangeWalkInput& input,
                                                        const std::filesystem::path& target);

}  // namespace vesmira
