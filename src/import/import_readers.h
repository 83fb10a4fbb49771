#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "import/csv_table.h"
#include "storage/calendar_date.h"
#include "storage/shown_text.h"

// Readers of the files other diaries and scales export: each file's format is recognised from
// its header, and what it says is gathered per day.
namespace vesmira {

enum class ImportFormat {
  kCronometerServings,
  kCronometerExercises,
  kCronometerBiometrics,
  kCronometerNotes,
  kCronometerSummary,
  kFitnessPalNutrition,
  kFitnessPalExercise,
  kFitnessPalMeasurement,
  kLibra,
  kOpenScale,
  kDateWeight,
  kUnknown,
};
// "Cronometer servings", "MyFitnessPal measurements", "two columns of dates and weights" ...
std::string_view ImportFormatName(ImportFormat format);

// What the files say of one day.
struct ImportedDay {
  std::map<std::string, double> mealKcal;  // by the source's meal name, as it is written
  std::optional<double> burnedKcal;        // energy used by exercise, as a positive number
  std::optional<double> weightKg;          // the day's last weighing
  std::vector<std::string> notes;
  std::optional<double> dayTotalKcal;  // a daily summary: taken when no meal of the day is
  friend bool operator==(const ImportedDay&, const ImportedDay&) = default;
};

struct SkippedLine {
  std::string file;
  int line = 0;
  std::string reason;
  friend bool operator==(const SkippedLine&, const SkippedLine&) = default;
};

// The name a daily summary's energy goes under when the day has no meals of its own.
inline constexpr std::string_view kDayTotalGroup = VESMIRA_TEXT("Import", "Day total");

struct ImportBatch {
  std::map<CalendarDate, ImportedDay> days;
  std::vector<SkippedLine> skipped;
  // What the person should look at: an order of dates assumed, weighings that jump.
  std::vector<std::string> notices;
  // The meal names the files use, for the person to put into the diary's six meals.
  std::set<std::string> mealGroups;
  // Per file read: its name and format.
  std::vector<std::pair<std::string, ImportFormat>> files;
  // A file of weighings without a unit was read (kilograms unless told otherwise), or of dates
  // whose order the data does not tell (day first unless told otherwise).
  bool weightUnitAsked = false;
  bool dateOrderAsked = false;
};

// The bytes of a file to import, or why they cannot be read: read as the diary's own files
// are (a regular file only, nothing that could wait), up to kMaxImportFileBytes.
inline constexpr std::uintmax_t kMaxImportFileBytes = std::uintmax_t{512} << 20;
struct ImportSource {
  std::string bytes;
  std::optional<std::string> problem;
};
ImportSource ReadImportSource(const std::filesystem::path& path,
                              const TextLanguage& language = English());

struct ImportReadOptions {
  bool unitlessInPounds = false;              // weighings of files that name no unit
  DateOrder dateOrder = DateOrder::kUnknown;  // of dates the data does not tell
  const TextLanguage* language = &English();  // of the reasons a line is skipped
};

// Reads one file (or the CSV files of a zip archive) into batch. A file of no known format
// is reported as one skipped line 0; each line that cannot be read is skipped with its
// number and reason, and nothing of it is taken.
void ReadImportFile(const std::string& name, std::string_view bytes,
                    const ImportReadOptions& options, ImportBatch& batch);

}  // namespace vesmira
