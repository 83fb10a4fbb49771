#include "diary/day_file.h"

#include <algorithm>
#include <istream>
#include <iterator>
#include <sstream>
#include <system_error>

#include "diary/weighing.h"
#include "storage/atomic_file.h"
#include "storage/key_value.h"
#include "storage/number_text.h"

namespace vesmira {

namespace {

constexpr std::string_view kMealsSection = "***Kal intag";
constexpr std::string_view kTrainingSection = "***Kal forbrukning";
constexpr std::string_view kLongTermSection = "***Langtidsdata";
constexpr std::string_view kEnergySumKey = "dagEnergiSum";
constexpr std::string_view kTrainingKey = "dagBortTrandade";

std::string ReadValue(std::istream& in, std::string_view key) {
  return ReadKeyValue(in, key, kValueCapacity).value;
}

std::string RestOf(std::istream& in) {
  if (!in.good()) return {};
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The weighing lies between the day's totals and the note, and only on a day with one: it is
// looked for in the lines before the note's key, so that a line of the note that begins with
// "vikt" is never taken for it. after is where the entry ends, 0 when there is none.
struct WeightEntry {
  std::optional<double> kilograms;
  std::size_t after = 0;
};

WeightEntry FindWeightEntry(std::string_view rest) {
  std::size_t start = 0;
  const auto nextLine = [&rest, &start](std::string_view& line) {
    if (start >= rest.size()) return false;
    std::size_t end = rest.find('\n', start);
    if (end == rest.npos) end = rest.size();
    line = rest.substr(start, end - start);
    if (line.ends_with('\r')) line.remove_suffix(1);
    start = end + 1;
    return true;
  };
  std::string_view line;
  while (nextLine(line)) {
    if (line.starts_with(kNoteKey)) break;
    if (!line.starts_with(kWeightKey)) continue;
    if (!nextLine(line)) return {std::nullopt, rest.size()};
    // As every other value: at most 39 characters of the line.
    return {ParseStoredWeight(line.substr(0, kValueCapacity - 1)), std::min(start, rest.size())};
  }
  return {};
}

}  // namespace

DayEntries DayEntries::ForMissingDay() {
  DayEntries entries;
  for (auto& meal : entries.meals) meal = "0";
  for (auto& minutes : entries.minutes) minutes = "0";
  entries.ovrigForbrukning = "0";
  entries.diaryNote = kNotePlaceholder;
  return entries;
}

DayFigures DayEntries::Figures() const {
  DayFigures figures;
  for (std::size_t i = 0; i < kMealCount; ++i) figures.meals[i] = ParseNumber(meals[i]);
  for (std::size_t i = 0; i < kActivityCount; ++i) figures.minutes[i] = ParseNumber(minutes[i]);
  figures.ovrigForbrukning = ParseNumber(ovrigForbrukning);
  return figures;
}

void WriteDayFile(std::ostream& out, const DayEntries& entries, std::string_view energyInText,
                  std::string_view trainingText) {
  WriteSectionLine(out, kMealsSection);
  for (std::size_t i = 0; i < kMealCount; ++i) {
    WriteKeyValue(out, kMeals[i].dayFileKey, entries.meals[i]);
  }
  WriteSectionLine(out, kTrainingSection);
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    WriteKeyValue(out, kActivities[i].minutesKey, entries.minutes[i]);
  }
  WriteKeyValue(out, kOtherConsumptionKey, entries.ovrigForbrukning);
  WriteSectionLine(out, kLongTermSection);
  const std::int64_t energySum =
      std::int64_t{ParseNumber(energyInText)} - ParseNumber(trainingText);
  WriteKeyValue(out, kEnergySumKey, FormatNumber(SaturateToInt32(energySum)));
  WriteKeyValue(out, kTrainingKey, trainingText);
  if (entries.vikt && IsWeighing(*entries.vikt)) {
    WriteKeyValue(out, kWeightKey, FormatStoredWeight(*entries.vikt));
  }
  WriteKeyValue(out, kNoteKey, entries.diaryNote);
}

std::string DayFileBytes(const DayEntries& entries, std::string_view energyInText,
                         std::string_view trainingText) {
  std::ostringstream bytes;
  WriteDayFile(bytes, entries, energyInText, trainingText);
  return std::move(bytes).str();
}

namespace {

// A day is never lost for want of its user's folder.
std::optional<FileError> MakeDayFolder(const std::filesystem::path& path) {
  if (!path.has_parent_path()) return std::nullopt;
  std::error_code error;
  std::filesystem::create_directories(path.parent_path(), error);
  if (error) return FileErrorFromErrno(error.value(), path);
  return std::nullopt;
}

}  // namespace

std::optional<FileError> WriteDayFile(const std::filesystem::path& path, const DayEntries& entries,
                                      std::string_view energyInText,
                                      std::string_view trainingText) {
  if (std::optional<FileError> error = MakeDayFolder(path)) return error;
  return WriteFileIfChanged(path, DayFileBytes(entries, energyInText, trainingText)).error;
}

StoreResult StoreDayFile(const std::filesystem::path& path, std::string_view bytes,
                         const FileIdentity& expected) {
  if (std::optional<FileError> error = MakeDayFolder(path)) {
    StoreResult result;
    result.write.error = std::move(error);
    return result;
  }
  return StoreFile(path, bytes, expected);
}

DayEntries ReadDayFile(std::istream& in) {
  DayEntries entries;
  for (std::size_t i = 0; i < kMealCount; ++i)
    entries.meals[i] = ReadValue(in, kMeals[i].dayFileKey);
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    entries.minutes[i] = ReadValue(in, kActivities[i].minutesKey);
  }
  entries.ovrigForbrukning = ReadValue(in, kOtherConsumptionKey);
  // The note is read from where the weighing's entry ends, or from here when there is none.
  const std::string rest = RestOf(in);
  const WeightEntry weight = FindWeightEntry(rest);
  entries.vikt = weight.kilograms;
  TextBuffer noteBuffer(rest.substr(weight.after));
  std::istream note(&noteBuffer);
  entries.diaryNote = ReadKeyValue(note, kNoteKey, kNoteCapacity).value;
  if (entries.diaryNote.empty()) entries.diaryNote = kNotePlaceholder;
  return entries;
}

std::optional<DayEntries> ReadDayFile(const std::filesystem::path& path) {
  return ReadTextFile(path, [](std::istream& in) { return ReadDayFile(in); });
}

void ReadDayRecord(std::istream& in, DayRecord& record) {
  for (std::size_t i = 0; i < kMealCount; ++i) {
    record.meals[i] = ParseNumber(ReadValue(in, kMeals[i].dayFileKey));
  }
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    record.minutes[i] = ParseNumber(ReadValue(in, kActivities[i].minutesKey));
  }
  record.ovrigForbrukning = ParseNumber(ReadValue(in, kOtherConsumptionKey));
  record.diaryNote = ReadKeyValue(in, kNoteKey, kNoteCapacity).value;
}

bool ReadDayRecord(const std::filesystem::path& path, DayRecord& record) {
  return ReadTextFile(path,
                      [&record](std::istream& in) {
                        ReadDayRecord(in, record);
                        return true;
                      })
      .has_value();
}

DayTotals ReadDayTotals(std::istream& in) {
  DayTotals totals;
  totals.energySum = ParseNumber(ReadValue(in, kEnergySumKey));
  totals.training = ParseNumber(ReadValue(in, kTrainingKey));
  totals.vikt = FindWeightEntry(RestOf(in)).kilograms;
  return totals;
}

std::optional<DayTotals> ReadDayTotals(const std::filesystem::path& path) {
  return ReadTextFile(path, [](std::istream& in) { return ReadDayTotals(in); });
}

}  // namespace vesmira
