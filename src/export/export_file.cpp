#include "export/export_file.h"

#include <ostream>
#include <sstream>

#include "diary/day_file.h"
#include "export/data_sheet.h"
#include "export/html_page.h"
#include "storage/atomic_file.h"

namespace vesmira {

namespace {

void WriteWeightSheet(const RangeWalkInput& input, std::ostream& out) {
  const bool kilograms = input.settings.UsesKilograms();
  WriteWeightSheetHeader(out, kilograms);
  SpanDayPaths paths(input);
  for (int t = 0; t < kYearLength; ++t) {
    if (!out) break;
    const CalendarDate date = SpanDay(input.today, t);
    const std::optional<DayTotals> totals = ReadDayTotals(paths.For(date));
    if (totals && totals->vikt) WriteWeightSheetRow(out, date, *totals->vikt, kilograms);
  }
  WriteSheetClosing(out);
}

}  // namespace

void WriteStoredDays(ExportKind kind, const RangeWalkInput& input, std::ostream& out) {
  if (kind == ExportKind::kWeightSheet) {
    WriteWeightSheet(input, out);
    return;
  }
  const bool page = kind == ExportKind::kHtmlPage;
  if (page) {
    WriteHtmlHead(out, input.user);
  } else {
    WriteSheetHeader(out);
  }
  SpanDayPaths paths(input);
  for (int t = 0; t < kYearLength; ++t) {
    // A failed stream takes no more bytes: no point in reading the rest.
    if (!out) break;
    const CalendarDate date = SpanDay(input.today, t);
    DayRecord record;
    const bool stored = ReadDayRecord(paths.For(date), record);
    if (page) {
      if (stored) WriteHtmlRow(out, date, record.diaryNote);
    } else if (stored) {
      WriteSheetRow(out, date, record);
    } else {
      WriteSheetMissingRow(out, date);
    }
  }
  if (page) {
    WriteHtmlClosing(out);
  } else {
    WriteSheetClosing(out);
  }
}

std::optional<FileError> ExportStoredDays(ExportKind kind, const RangeWalkInput& input,
                                          const std::filesystem::path& target) {
  // A year of rows is a few tens of kilobytes: the whole page is made in memory, so the
  // file on disk is only ever the old one or the complete new one.
  std::ostringstream bytes;
  WriteStoredDays(kind, input, bytes);
  if (!bytes) return FileError{FileErrorCause::kGeneric, target};
  return AtomicWriteFile(target, bytes.view());
}

}  // namespace vesmira
