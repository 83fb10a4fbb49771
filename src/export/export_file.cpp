#include "export/export_file.h"

#include <algorithm>
#include <ostream>
#include <sstream>
#include <vector>

#include "diary/day_file.h"
#include "export/data_sheet.h"
#include "export/html_page.h"
#include "periods/weight_trend.h"
#include "storage/atomic_file.h"

namespace vesmira {

namespace {

void WriteWeightSheet(const RangeWalkInput& input, std::ostream& out) {
  const bool kilograms = input.settings.UsesKilograms();
  WriteWeightSheetHeader(out, kilograms);
  // Every stored weighing is listed; the trend, as the graph draws it, leaves out the ones
  // no person weighs.
  SpanDayPaths paths(input);
  const auto days = static_cast<std::size_t>(std::max(input.spanDays, 1));
  std::vector<std::optional<double>> stored(days);
  std::vector<std::optional<double>> plausible(days);
  for (std::size_t t = 0; t < stored.size(); ++t) {
    const std::optional<DayTotals> totals =
        ReadDayTotals(paths.For(SpanDay(input.today, static_cast<int>(t))));
    if (!totals || !totals->vikt) continue;
    stored[t] = totals->vikt;
    if (IsPlausibleWeighing(*totals->vikt)) plausible[t] = totals->vikt;
  }
  ReadEarlierWeighings(input, plausible);
  const std::vector<std::optional<double>> trend = ComputeWeightTrend(plausible);
  for (std::size_t t = 0; t < stored.size() && out; ++t) {
    if (!stored[t]) continue;
    WriteWeightSheetRow(out, SpanDay(input.today, static_cast<int>(t)), *stored[t], trend[t],
                        kilograms);
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
  for (int t = 0; t < input.spanDays; ++t) {
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
    WriteHtmlClosing(out, PageLinkUrl(input.dataFolder));
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
