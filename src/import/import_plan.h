#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "diary/energy_model.h"
#include "import/import_readers.h"
#include "storage/calendar_date.h"
#include "storage/stored_file.h"

// What an import changes in a person's diary, shown before anything is written, and the
// writing of it through the same safe save the window uses.
namespace vesmira {

// Which of the six meals each of the sources' meal names goes into.
struct MealMapping {
  std::map<std::string, std::size_t> chosen;  // by the source's name, as the person chose
  std::size_t otherwise = 1;                  // names neither chosen nor known: Snack
};
// The meal a source's name goes into without a choice: Breakfast, Lunch and Dinner by name, and
// the diary's own meal names; none for any other.
std::optional<std::size_t> MealOfName(std::string_view name);
std::size_t MealFor(const MealMapping& mapping, const std::string& name);
// The diary's meal called name ("Breakfast", "snack2", "Second snack", "supper"), any case.
std::optional<std::size_t> DiaryMealNamed(std::string_view name);

enum class ImportPolicy {
  kFillEmpty,  // only fields that hold nothing (or 0) take an imported value
  kReplace,    // every field the files give a value for takes it
};

struct FieldChange {
  std::string field;  // "Breakfast", "Other kcal consumption", "Weight (kg)", "Note"
  std::string now;
  std::string imported;
  friend bool operator==(const FieldChange&, const FieldChange&) = default;
};

struct DayImport {
  CalendarDate date;
  std::filesystem::path path;
  FileIdentity expected;              // the day's file as the plan read it
  std::optional<std::string> before;  // its bytes; none when the day has no file
  std::string bytes;                  // the day as the import writes it
  std::vector<FieldChange> changes;
};

struct ImportPlan {
  std::string user;
  std::vector<DayImport> days;  // only days that change, oldest first
  std::vector<SkippedLine> skipped;
  std::vector<std::string> notices;
};

struct ImportTarget {
  std::filesystem::path dataFolder;
  std::string user;
  UserSettings settings;
};

// Reads the user's days the batch covers and works out what changes. A day whose file cannot
// be read is left alone and named among the skipped; a second import of the same files plans
// no change.
ImportPlan PlanImport(const ImportBatch& batch, const ImportTarget& target, ImportPolicy policy,
                      const MealMapping& meals, const TextLanguage& language = English());

// The plan as the person reads it before confirming: per day what changes (now -> imported),
// then what was skipped and why, and the notices.
std::string FormatImportPreview(const ImportPlan& plan, const TextLanguage& language = English());

struct ImportOutcome {
  int written = 0;
  std::vector<std::string> failures;  // one line per day not written, with the reason
};
// Writes the plan's days, each through the atomic save, never over a day changed on disk since
// the plan read it; a day replaced is kept beside it first as "<day>.before-import-<stamp>".
ImportOutcome ApplyImport(const ImportPlan& plan, std::string_view stamp,
                          const TextLanguage& language = English());

}  // namespace vesmira
