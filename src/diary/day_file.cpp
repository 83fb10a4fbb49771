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
#include "storage/text_encoding.h"

namespace vesmira {

namespace {

constexpr std::string_view kMealsSection = "***Kal intag";
constexpr std::string_view kTrainingSection = "***Kal forbrukning";
constexpr std::string_view kLongTermSection = "***Langtidsdata";
constexpr std::string_view kEnergySumKey = "dagEnergiSum";
constexpr std::string_view kTrainingKey = "dagBortTrandade";

std::string ReadValue(KeyValueReader& in, std::string_view key) {
  return ReadKeyValue(in, key, kValueCapacity).value;
}

// A value as the form shows it. The reader cuts a long value at a fixed number of bytes,
// which may fall inside a letter: its first bytes alone would show as another character.
std::string ReadFieldValue(KeyValueReader& in, std::string_view key, bool& anyKey) {
  KeyValue read = ReadKeyValue(in, key, kValueCapacity);
  anyKey = anyKey || read.found;
  const std::string_view next = in.Unread();
  if (read.found && read.value.size() == kValueCapacity - 1 && !next.empty()) {
    read.value.resize(LengthWithoutCutLetter(read.value, static_cast<unsigned char>(next.front())));
  }
  return std::move(read.value);
}

std::string RestOf(const KeyValueReader& in) { return std::string(in.Unread()); }

// The weighing lies between the day's totals and the note, and only on a day with one: it is
// looked for in the lines before the note's key, so that a line of the note that begins with
// "vikt" is never taken for it. after is where the entry ends, 0 when there is none.
struct WeightEntry {
  std::optional<double> kilograms;
  std::size_t after = 0;
  std::string unread;  // the value, when it is there and no weighing
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
    if (!nextLine(line)) return {std::nullopt, rest.size(), {}};
    // As every other value: at most 39 characters of the line.
    const std::string_view value = line.substr(0, kValueCapacity - 1);
    WeightEntry entry{ParseStoredWeight(value), std::min(start, rest.size()), {}};
    if (!entry.kilograms) entry.unread = value;
    return entry;
  }
  return {};
}

DayEntries ReadEntries(KeyValueReader& in, bool& anyKey) {
  DayEntries entries;
  for (std::size_t i = 0; i < kMealCount; ++i) {
    entries.meals[i] = ReadFieldValue(in, kMeals[i].dayFileKey, anyKey);
  }
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    entries.minutes[i] = ReadFieldValue(in, kActivities[i].minutesKey, anyKey);
  }
  entries.ovrigForbrukning = ReadFieldValue(in, kOtherConsumptionKey, anyKey);
  // The note is read from where the weighing's entry ends, or from here when there is none.
  const std::string rest = RestOf(in);
  const WeightEntry weight = FindWeightEntry(rest);
  entries.vikt = weight.kilograms;
  entries.unreadVikt = weight.unread;
  anyKey = anyKey || weight.after != 0;
  KeyValueReader noteIn(std::string_view(rest).substr(weight.after));
  KeyValue note = ReadKeyValue(noteIn, kNoteKey, kNoteCapacity);
  anyKey = anyKey || note.found;
  entries.diaryNote = note.value.empty() ? std::string(kNotePlaceholder) : std::move(note.value);
  return entries;
}

}  // namespace

std::optional<FileError> MakeDayFolder(const std::filesystem::path& path) {
  const std::filesystem::path folder = path.parent_path();
  if (folder.empty() || folder.parent_path().filename() != kUsersFolderName) return std::nullopt;
  if (std::optional<FileError> error = MakePrivateFolder(folder)) {
    return FileError{error->cause, path};
  }
  return std::nullopt;
}

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
  } else if (!entries.unreadVikt.empty()) {
    WriteKeyValue(out, kWeightKey, entries.unreadVikt);
  }
  WriteKeyValue(out, kNoteKey, entries.diaryNote);
}

std::string DayFileBytes(const DayEntries& entries, std::string_view energyInText,
                         std::string_view trainingText) {
  std::ostringstream bytes;
  WriteDayFile(bytes, entries, energyInText, trainingText);
  return std::move(bytes).str();
}

std::optional<FileError> WriteDayFile(const std::filesystem::path& path, const DayEntries& entries,
                                      std::string_view energyInText,
                                      std::string_view trainingText) {
  // The save every save of the form makes, over the version on disk now.
  return StoreDayFile(path, DayFileBytes(entries, energyInText, trainingText),
                      ReadFileIdentity(path))
      .write.error;
}

StoreResult StoreDayFile(const std::filesystem::path& path, std::string_view bytes,
                         const FileIdentity& expected) {
  if (std::optional<FileError> error = MakeDayFolder(path)) {
    StoreResult result;
    result.write.error = std::move(error);
    return result;
  }
  // A file that cannot be read may hold a day all the same: it is never written over. It is
  // judged from the one reading the store makes of it.
  return StoreFile(path, bytes, expected, [&path](const FileSnapshot& snapshot) {
    return ReadStoredDay(path, snapshot).error;
  });
}

DayEntries ReadDayFile(std::istream& in) {
  return ReadKeyValueStream(in, [](KeyValueReader& reader) {
    bool anyKey = false;
    return ReadEntries(reader, anyKey);
  });
}

StoredDay ReadStoredDay(const std::filesystem::path& path) {
  KeyedFile<DayEntries> file = ReadKeyedFile<DayEntries>(
      path, [](KeyValueReader& in, bool& anyKey) { return ReadEntries(in, anyKey); });
  return {std::move(file.value), std::move(file.error)};
}

StoredDay ReadStoredDay(const std::filesystem::path& path, const FileSnapshot& snapshot) {
  if (!snapshot.bytes) return {std::nullopt, snapshot.error};
  KeyedFile<DayEntries> file = ReadKeyedBytes<DayEntries>(
      path, *snapshot.bytes,
      [](KeyValueReader& in, bool& anyKey) { return ReadEntries(in, anyKey); });
  return {std::move(file.value), std::move(file.error)};
}

std::optional<DayEntries> ReadDayFile(const std::filesystem::path& path) {
  return ReadStoredDay(path).entries;
}

static void ReadRecord(KeyValueReader& in, DayRecord& record) {
  for (std::size_t i = 0; i < kMealCount; ++i) {
    record.meals[i] = ParseNumber(ReadValue(in, kMeals[i].dayFileKey));
  }
  for (std::size_t i = 0; i < kActivityCount; ++i) {
    record.minutes[i] = ParseNumber(ReadValue(in, kActivities[i].minutesKey));
  }
  record.ovrigForbrukning = ParseNumber(ReadValue(in, kOtherConsumptionKey));
  record.diaryNote = ReadKeyValue(in, kNoteKey, kNoteCapacity).value;
}

void ReadDayRecord(std::istream& in, DayRecord& record) {
  ReadKeyValueStream(in, [&record](KeyValueReader& reader) { ReadRecord(reader, record); });
}

bool ReadDayRecord(const std::filesystem::path& path, DayRecord& record) {
  return ReadKeyValueFile(path,
                          [&record](KeyValueReader& in) {
                            ReadRecord(in, record);
                            return true;
                          })
      .has_value();
}

static DayTotals ReadTotals(KeyValueReader& in) {
  DayTotals totals;
  totals.energySum = ParseNumber(ReadValue(in, kEnergySumKey));
  totals.training = ParseNumber(ReadValue(in, kTrainingKey));
  totals.vikt = FindWeightEntry(RestOf(in)).kilograms;
  return totals;
}

DayTotals ReadDayTotals(std::istream& in) { return ReadKeyValueStream(in, ReadTotals); }

std::optional<DayTotals> ReadDayTotals(const std::filesystem::path& path) {
  return ReadKeyValueFile(path, ReadTotals);
}

}  // namespace vesmira
