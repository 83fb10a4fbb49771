#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "diary/diary_tables.h"
#include "diary/energy_model.h"
#include "storage/data_paths.h"
#include "storage/file_error.h"
#include "storage/stored_file.h"

namespace vesmira {

inline constexpr std::string_view kNotePlaceholder = "Diet Diary Notes";

// The texts of one day as the form holds them, in file order.
struct DayEntries {
  std::array<std::string, kMealCount> meals;
  std::array<std::string, kActivityCount> minutes;
  std::string ovrigForbrukning;
  std::string diaryNote;
  // Kilograms; empty on a day without a weighing.
  std::optional<double> vikt;
  // The stored value of a weighing that could not be read, written back as it stands so
  // that no save drops it; a weighing in vikt takes its place.
  std::string unreadVikt;

  // Every field "0" and the placeholder note: a day without a file.
  static DayEntries ForMissingDay();
  DayFigures Figures() const;
  friend bool operator==(const DayEntries&, const DayEntries&) = default;
};

// The numeric form of one stored day. The note is the note as stored, whole; an empty note
// stays empty.
struct DayRecord {
  std::array<std::int32_t, kMealCount> meals{};
  std::array<std::int32_t, kActivityCount> minutes{};
  std::int32_t ovrigForbrukning = 0;
  std::string diaryNote;
};

// The 67 lines and the note. "dagEnergiSum" is the number of energyInText minus the number
// of trainingText; "dagBortTrandade" is trainingText as it stands. A day with a weighing has
// one more entry, "vikt", before the note: readers that look for the note's key forward pass
// over it, and a day without one keeps the bytes it always had.
void WriteDayFile(std::ostream& out, const DayEntries& entries, std::string_view energyInText,
                  std::string_view trainingText);

// The bytes of that file.
std::string DayFileBytes(const DayEntries& entries, std::string_view energyInText,
                         std::string_view trainingText);

// Replaces the day file atomically through StoreDayFile, the save the form makes, over the
// version on disk now, creating the user's folder when it is missing (inside a users folder
// that is there); a file that holds these bytes already is left as it is. A day file that
// cannot be read (ReadStoredDay) is never replaced: the cause comes back instead.
[[nodiscard]] std::optional<FileError> WriteDayFile(const std::filesystem::path& path,
                                                    const DayEntries& entries,
                                                    std::string_view energyInText,
                                                    std::string_view trainingText);

// Makes the folder of the day file at path when it is missing, but only inside a users folder
// that is there: a data folder on a drive that was pulled out is not rebuilt elsewhere.
[[nodiscard]] std::optional<FileError> MakeDayFolder(const std::filesystem::path& path);

// Stores a day's bytes (DayFileBytes) unless the file on disk is no longer the one expected
// (StoreFile), creating the user's folder when it is missing.
StoreResult StoreDayFile(const std::filesystem::path& path, std::string_view bytes,
                         const FileIdentity& expected);

// The nineteen values (39 characters at most each), the weighing and the whole note; an
// empty note comes back as the placeholder.
DayEntries ReadDayFile(std::istream& in);
// A day file as read: its entries, or why it cannot be read, or neither when there is none.
// A file that is not a regular file, is larger than kMaxStoredFileBytes, cannot be opened or
// is not empty and holds no key of a day cannot be read.
struct StoredDay {
  std::optional<DayEntries> entries;
  std::optional<FileError> error;
};
StoredDay ReadStoredDay(const std::filesystem::path& path);
// The same from a snapshot of the file at path, read once with its identity.
StoredDay ReadStoredDay(const std::filesystem::path& path, const FileSnapshot& snapshot);
// Empty when there is no file or it cannot be read.
std::optional<DayEntries> ReadDayFile(const std::filesystem::path& path);

void ReadDayRecord(std::istream& in, DayRecord& record);
// When the file cannot be opened the record keeps what it held; returns whether it opened.
bool ReadDayRecord(const std::filesystem::path& path, DayRecord& record);

// The stored day totals under "dagEnergiSum" and "dagBortTrandade", and the weighing.
struct DayTotals {
  std::int32_t energySum = 0;
  std::int32_t training = 0;
  std::optional<double> vikt;  // kilograms
};
DayTotals ReadDayTotals(std::istream& in);
std::optional<DayTotals> ReadDayTotals(const std::filesystem::path& path);

}  // namespace vesmira
