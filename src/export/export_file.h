#pragma once

#include <filesystem>
#include <optional>

#include "diary/file_error.h"
#include "periods/range_walk.h"

namespace vesmira {

// Writes the page (kHtmlPage) or the sheet (kDataSheet) to target whole or not at all: the
// bytes go to a temporary file beside it that is renamed into place, so a failed export
// leaves no half-written file and an existing file as it was. The caller saves the day shown
// on the form (SaveDay) first. kYearResult makes no file and is returned as an error.
[[nodiscard]] std::optional<FileError> ExportStoredDays(RangeWalkMode mode,
                                                        const RangeWalkInput& input,
                                                        const std::filesystem::path& target);

}  // namespace vesmira
