#include "import/import_plan.h"

#include <algorithm>
#include <cmath>
#include <sstream>

#include "diary/day_file.h"
#include "diary/weighing.h"
#include "storage/atomic_file.h"
#include "storage/data_paths.h"
#include "storage/file_error.h"
#include "storage/number_text.h"
#include "storage/text_encoding.h"

namespace vesmira {

namespace {

bool IsEmptyFigure(const std::string& text) { return text.empty() || text == "0"; }

// The names of the fields a preview shows that the diary's tables do not name.
constexpr const char* kWeightField = VESMIRA_TEXT("Diary", "Weight (kg)");
constexpr const char* kNoteField = VESMIRA_TEXT("Diary", "Note");

std::string KcalText(double kcal) { return FormatNumber(std::llround(kcal)); }

// One field of a day: set when the policy lets it, and the change noted.
class DayEdit {
 public:
  DayEdit(DayEntries& entries, ImportPolicy policy) : m_entries(entries), m_policy(policy) {}

  void Figure(std::string& field, std::string_view name, const std::string& value) {
    if (field == value || (m_policy == ImportPolicy::kFillEmpty && !IsEmptyFigure(field))) return;
    m_changes.push_back({std::string(name), field, value});
    field = value;
  }
  void Weight(double kilograms) {
    std::optional<double>& weight = m_entries.vikt;
    const double rounded = std::round(kilograms * 100) / 100;
    if (weight && std::fabs(*weight - rounded) < 0.005) return;
    if (m_policy == ImportPolicy::kFillEmpty && (weight || !m_entries.unreadVikt.empty())) return;
    m_changes.push_back({kWeightField, weight ? FormatWeightValue(*weight) : std::string(),
                         FormatWeightValue(rounded)});
    weight = rounded;
    m_entries.unreadVikt.clear();
  }
  // Notes are added to the day's note, each once: an import run again adds nothing.
  void Notes(const std::vector<std::string>& notes) {
    std::string& note = m_entries.diaryNote;
    const std::string before = note;
    for (const std::string& added : notes) {
      if (note.empty() || note == kNotePlaceholder) {
        note = added;
      } else if (note.find(added) == std::string::npos) {
        note += "\n" + added;
      }
    }
    // The placeholder of a day without a note is shown as nothing.
    if (note != before)
      m_changes.push_back({kNoteField, before == kNotePlaceholder ? "" : before, note});
  }
  std::vector<FieldChange>& Changes() { return m_changes; }

 private:
  DayEntries& m_entries;
  ImportPolicy m_policy;
  std::vector<FieldChange> m_changes;
};

// The day's meals in kcal, by the diary's meal; a daily summary only without meals of its own.
std::map<std::size_t, double> MealsOf(const ImportedDay& day, const MealMapping& meals) {
  std::map<std::size_t, double> kcal;
  for (const auto& [name, energy] : day.mealKcal) kcal[MealFor(meals, name)] += energy;
  if (kcal.empty() && day.dayTotalKcal) {
    kcal[MealFor(meals, std::string(kDayTotalGroup))] += *day.dayTotalKcal;
  }
  return kcal;
}

void Apply(const ImportedDay& day, const MealMapping& meals, DayEdit& edit, DayEntries& entries) {
  for (const auto& [meal, energy] : MealsOf(day, meals)) {
    edit.Figure(entries.meals[meal], kMeals[meal].accessibleName, KcalText(energy));
  }
  if (day.burnedKcal) {
    edit.Figure(entries.ovrigForbrukning, kOtherConsumptionLabel, KcalText(*day.burnedKcal));
  }
  if (day.weightKg) edit.Weight(*day.weightKg);
  edit.Notes(day.notes);
}

std::string Shown(const std::string& text, const TextLanguage& language) {
  if (text.empty()) return language.Text("Import", VESMIRA_TEXT("Import", "(nothing)"));
  std::string line = text.substr(0, std::min<std::size_t>(text.find('\n'), 60));
  if (line.size() < text.size()) line += " ...";
  return line;
}

}  // namespace

std::optional<std::size_t> DiaryMealNamed(std::string_view name) {
  for (std::size_t i = 0; i < kMeals.size(); ++i) {
    for (const std::string_view known :
         {kMeals[i].accessibleName, kMeals[i].sheetHeader, kMeals[i].dayFileKey}) {
      if (EqualIgnoringCase(name, known)) return i;
    }
  }
  return std::nullopt;
}

std::optional<std::size_t> MealOfName(std::string_view name) {
  // Which of the two snacks: the person picks.
  if (EqualIgnoringCase(name, "snack") || EqualIgnoringCase(name, "snacks")) return std::nullopt;
  return DiaryMealNamed(name);
}

std::size_t MealFor(const MealMapping& mapping, const std::string& name) {
  if (const auto chosen = mapping.chosen.find(name); chosen != mapping.chosen.end()) {
    return std::min(chosen->second, kMealCount - 1);
  }
  return MealOfName(name).value_or(std::min(mapping.otherwise, kMealCount - 1));
}

ImportPlan PlanImport(const ImportBatch& batch, const ImportTarget& target, ImportPolicy policy,
                      const MealMapping& meals, const TextLanguage& language) {
  ImportPlan plan;
  plan.user = target.user;
  plan.skipped = batch.skipped;
  plan.notices = batch.notices;
  DayFilePaths paths(target.dataFolder, target.user);
  for (const auto& [date, imported] : batch.days) {
    DayImport day;
    day.date = date;
    day.path = paths.For(DateText(date));
    const FileSnapshot snapshot = ReadFileSnapshot(day.path);
    day.expected = snapshot.identity;
    std::optional<DayEntries> stored;
    if (snapshot.identity.exists) {
      StoredDay read = ReadStoredDay(day.path, snapshot);
      if (read.error || !read.entries) {
        plan.skipped.push_back(
            {DateText(date), 0,
             language.Text("Import", VESMIRA_TEXT("Import",
                                                  "the diary's day cannot be read, so "
                                                  "nothing is imported into it"))});
        continue;
      }
      stored = std::move(read.entries);
      day.before = snapshot.bytes;
    }
    DayEntries entries = stored.value_or(DayEntries::ForMissingDay());
    DayEdit edit(entries, policy);
    Apply(imported, meals, edit, entries);
    if (edit.Changes().empty()) continue;
    day.changes = std::move(edit.Changes());
    const DayBalance balance = ComputeDayBalance(entries.Figures(), target.settings);
    day.bytes =
        DayFileBytes(entries, FormatNumber(balance.energyIn), FormatNumber(balance.training));
    plan.days.push_back(std::move(day));
  }
  return plan;
}

std::string FormatImportPreview(const ImportPlan& plan, const TextLanguage& language) {
  const auto text = [&language](const char* marked) { return language.Text("Import", marked); };
  std::ostringstream out;
  out << FillIn(text(VESMIRA_TEXT("Import", "The diary of %1: %2, %3.")),
                {plan.user,
                 language.Counted("Import", VESMIRA_TEXT_N("Import", "%n day(s) change(s|)"),
                                  static_cast<std::int64_t>(plan.days.size())),
                 language.Counted("Import", VESMIRA_TEXT_N("Import", "%n line(s) skipped"),
                                  static_cast<std::int64_t>(plan.skipped.size()))})
      << '\n';
  for (const DayImport& day : plan.days) {
    out << '\n'
        << DateText(day.date) << (day.before ? "" : text(VESMIRA_TEXT("Import", " (a new day)")))
        << '\n';
    for (const FieldChange& change : day.changes) {
      // Figures as the language writes numbers; a note as it stands.
      const bool figure = change.field != kNoteField;
      const auto value = [&](const std::string& text) {
        return figure ? language.Number(Shown(text, language)) : Shown(text, language);
      };
      out << "  " << language.Text("Diary", change.field.c_str()) << ": " << value(change.now)
          << " -> " << value(change.imported) << '\n';
    }
  }
  if (!plan.skipped.empty()) out << '\n' << text(VESMIRA_TEXT("Import", "Skipped:")) << '\n';
  for (const SkippedLine& skipped : plan.skipped) {
    out << "  "
        << (skipped.line > 0 ? FillIn(text(VESMIRA_TEXT("Import", "%1, line %2")),
                                      {skipped.file, FormatNumber(skipped.line)})
                             : skipped.file);
    out << ": " << skipped.reason << '\n';
  }
  for (const std::string& notice : plan.notices) out << '\n' << notice << '\n';
  return out.str();
}

ImportOutcome ApplyImport(const ImportPlan& plan, std::string_view stamp,
                          const TextLanguage& language) {
  // Every day is written beside its file, all are synced to the disk at once, then each takes
  // its file's place, and the names are synced at once: the disk confirms the import twice, not
  // twice per day.
  std::vector<std::optional<std::string>> failures(plan.days.size());
  AtomicWriteBatch batch;
  std::vector<std::size_t> index(plan.days.size());
  for (std::size_t i = 0; i < plan.days.size(); ++i) {
    if (const std::optional<FileError> error = MakeDayFolder(plan.days[i].path)) {
      failures[i] = FileErrorMessage(*error, language);
    }
    index[i] = batch.Add(plan.days[i].path, plan.days[i].bytes);
  }
  batch.SyncPrepared();
  for (std::size_t i = 0; i < plan.days.size(); ++i) {
    const DayImport& day = plan.days[i];
    // Never over a day changed since the preview read it; the plan left out the days that
    // cannot be read.
    if (failures[i] || ReadFileIdentity(day.path) != day.expected) {
      batch.Abandon(index[i]);
      if (!failures[i]) {
        failures[i] = language.Text("Import", VESMIRA_TEXT("Import",
                                                           "changed by another program "
                                                           "since the preview; not "
                                                           "imported"));
      }
      continue;
    }
    // The day as it was stays beside it, so that the import can be undone by hand.
    const auto keepBefore = [&](const std::filesystem::path& old) {
      return MoveCopyBeside(old, day.path, kBeforeImportKind, stamp).has_value();
    };
    if (const std::optional<FileError> error = batch.Commit(index[i], keepBefore)) {
      failures[i] = FileErrorMessage(*error, language);
    }
  }
  batch.SyncCommitted();
  ImportOutcome outcome;
  for (std::size_t i = 0; i < failures.size(); ++i) {
    if (!failures[i]) {
      ++outcome.written;
    } else {
      outcome.failures.push_back(DateText(plan.days[i].date) + ": " + *failures[i]);
    }
  }
  return outcome;
}

}  // namespace vesmira
