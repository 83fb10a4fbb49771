// Saving a day under faults: a process killed in the middle of saving, a full disk, a folder
// that cannot be written and a missing user folder. Every fault either leaves the old file
// whole or is reported, never both lost and silent.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "diary/day_file.h"
#include "settings/properties_file.h"
#include "settings/users_folder.h"
#include "storage/atomic_file.h"
#include "storage/file_error.h"
#include "storage/number_text.h"
#include "support/temp_folder.h"
#include "support/unprivileged.h"

namespace vesmira {
namespace {

namespace fs = std::filesystem;

using DataFolder = testing::TempFolder;
using testing::WriteBytes;

std::string Bytes(const fs::path& path) { return ReadFileBytes(path).value_or("<missing>"); }

// The day of one save in the kill loop: its figures and its note change with each
// generation, and so does the file's length, so a cut or mixed file cannot pass for a whole one.
DayEntries GenerationEntries(int day, int generation) {
  DayEntries entries = DayEntries::ForMissingDay();
  entries.meals[0] = FormatNumber(generation);
  entries.meals[2] = FormatNumber(day * 100 + generation % 7);
  entries.minutes[0] = FormatNumber(generation % 90);
  entries.diaryNote = "Day " + std::to_string(day) + ", save " + std::to_string(generation) + "\n" +
                      std::string(static_cast<std::size_t>(generation % 53) * 11, 'x');
  return entries;
}

std::string GenerationBytes(int day, int generation) {
  std::ostringstream out;
  WriteDayFile(out, GenerationEntries(day, generation), FormatNumber(generation), "0");
  return out.str();
}

PropertiesTexts GenerationProperties(int generation) {
  PropertiesTexts texts;
  texts.grundForbrukning = FormatNumber(2000 + generation);
  texts.mal = "1800";
  for (auto& rate : texts.activityKal) rate = "500";
  texts.kilograms = true;
  return texts;
}

std::string GenerationPropertiesBytes(int generation) {
  std::ostringstream out;
  WriteProperties(out, GenerationProperties(generation));
  return out.str();
}

constexpr int kDays = 3;
constexpr std::string_view kUser = "Anna";

std::string DateTextOfDay(int day) { return "0" + std::to_string(day + 1) + "-03-2027"; }

bool IsTemporaryName(const std::string& name) {
  return name.starts_with('.') && name.ends_with(".tmp");
}

// The child: saves the days and the user's properties in turn, forever, telling the parent
// after each finished save. Save s is day s % (kDays + 1) of generation first + s / (kDays + 1),
// the last slot being the properties file.
[[noreturn]] void SaveForever(const fs::path& dataFolder, int first, int progressFd) {
  for (int save = 0;; ++save) {
    const int slot = save % (kDays + 1);
    const int generation = first + save / (kDays + 1);
    std::optional<FileError> error;
    if (slot < kDays) {
      error = WriteDayFile(DayFilePath(dataFolder, kUser, DateTextOfDay(slot)),
                           GenerationEntries(slot, generation), FormatNumber(generation), "0");
    } else {
      error =
          WriteProperties(PropertiesFilePath(dataFolder, kUser), GenerationProperties(generation));
    }
    if (error) ::_exit(2);
    const char done = 1;
    if (::write(progressFd, &done, 1) != 1) ::_exit(3);
  }
}

TEST(DayFileFaults, SigkillDuringSavesLeavesEveryFileOldOrNewAndNothingListed) {
  DataFolder folder(/*preferMemory=*/true);
  const fs::path& data = folder.path();
  fs::create_directories(UserFolderPath(data, kUser));

  // What each file holds now, as a generation (0 for the files written before the first kill).
  std::array<int, kDays + 1> current{};
  for (int day = 0; day < kDays; ++day) {
    WriteBytes(DayFilePath(data, kUser, DateTextOfDay(day)), GenerationBytes(day, 0));
  }
  WriteBytes(PropertiesFilePath(data, kUser), GenerationPropertiesBytes(0));

  std::mt19937 random(20270301);
  constexpr int kKills = 210;
  int nextGeneration = 1;
  int killsMidSave = 0;
  std::set<std::string> staleTemporaries;
  for (int kill = 0; kill < kKills; ++kill) {
    int progress[2];
    ASSERT_EQ(::pipe(progress), 0);
    const int first = nextGeneration;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(progress[0]);
      SaveForever(data, first, progress[1]);
    }
    ::close(progress[1]);

    // Let a few saves finish, then spin a random while, so the kill falls anywhere in a save.
    const int waitFor = static_cast<int>(random() % 3);
    char done;
    for (int i = 0; i < waitFor; ++i) ASSERT_EQ(::read(progress[0], &done, 1), 1);
    const unsigned spins = random() % 40000;
    volatile unsigned spun = 0;
    while (spun < spins) spun = spun + 1u;
    ASSERT_EQ(::kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        << "the saving child ended by itself, status " << status;
    int finished = waitFor;
    while (::read(progress[0], &done, 1) == 1) ++finished;
    ::close(progress[0]);

    // Saves 0 .. finished - 1 are done; save "finished" may have been done or not.
    std::array<int, kDays + 1> newest = current;
    for (int save = 0; save < finished; ++save) {
      newest[static_cast<std::size_t>(save % (kDays + 1))] = first + save / (kDays + 1);
    }
    const auto slotOpen = static_cast<std::size_t>(finished % (kDays + 1));
    const int generationOpen = first + finished / (kDays + 1);

    for (std::size_t slot = 0; slot <= kDays; ++slot) {
      const int day = static_cast<int>(slot);
      const fs::path path = slot < kDays ? DayFilePath(data, kUser, DateTextOfDay(day))
                                         : PropertiesFilePath(data, kUser);
      const std::string bytes = Bytes(path);
      auto expected = [&](int generation) {
        return slot < kDays ? GenerationBytes(day, generation)
                            : GenerationPropertiesBytes(generation);
      };
      if (bytes == expected(newest[slot])) {
        current[slot] = newest[slot];
      } else if (slot == slotOpen && bytes == expected(generationOpen)) {
        current[slot] = generationOpen;
      } else {
        FAIL() << "kill " << kill << ": " << path << " is neither the old nor the new file:\n"
               << bytes;
      }
    }
    nextGeneration = first + finished / (kDays + 1) + 1;

    // A kill between creating the temporary file and renaming it leaves that file behind;
    // nothing the program lists may take it for a user or a day.
    for (const fs::path& listed : {UsersFolder(data), UserFolderPath(data, kUser)}) {
      for (const auto& entry : fs::directory_iterator(listed)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_directory() || !IsTemporaryName(name)) continue;
        if (staleTemporaries.insert(entry.path().string()).second) ++killsMidSave;
      }
    }
    ASSERT_EQ(ScanUserNames(data), std::vector<std::string>{std::string(kUser)});
    ASSERT_TRUE(ScanUserList(data).names == std::vector<std::string>{std::string(kUser)});
  }

  // Every name in the folders is a day, the properties file, or a temporary file that no
  // day's name can be: day names start with the user's name, never with a '.'.
  std::set<std::string> expectedNames;
  for (int day = 0; day < kDays; ++day) {
    expectedNames.insert(DayFilePath(data, kUser, DateTextOfDay(day)).filename().string());
  }
  for (const auto& entry : fs::directory_iterator(UserFolderPath(data, kUser))) {
    const std::string name = entry.path().filename().string();
    EXPECT_TRUE(expectedNames.count(name) == 1 || IsTemporaryName(name)) << name;
    EXPECT_FALSE(IsTemporaryName(name) && name.starts_with(std::string(kUser))) << name;
  }
  // A save after the kills still replaces the file.
  const fs::path day0 = DayFilePath(data, kUser, DateTextOfDay(0));
  ASSERT_EQ(WriteDayFile(day0, GenerationEntries(0, 99999), "99999", "0"), std::nullopt);
  EXPECT_EQ(Bytes(day0), GenerationBytes(0, 99999));
  std::cout << kKills << " kills, " << killsMidSave
            << " of them between creating a temporary file and renaming it\n";
}

// Runs save in a child whose files may not grow beyond limit bytes, as on a full disk; the
// child's exit status is the cause of the error it got (or 100 for none).
int SaveWithFileSizeLimit(rlim_t limit, const std::function<std::optional<FileError>()>& save) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::signal(SIGXFSZ, SIG_IGN);
    const rlimit fileSize{limit, limit};
    if (::setrlimit(RLIMIT_FSIZE, &fileSize) != 0) ::_exit(101);
    const std::optional<FileError> error = save();
    ::_exit(error ? static_cast<int>(error->cause) : 100);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) return -1;
  return WEXITSTATUS(status);
}

TEST(DayFileFaults, FullDiskIsReportedAndTheOldDaySurvives) {
  DataFolder folder;
  const fs::path path = DayFilePath(folder.path(), kUser, "06-12-2026");
  fs::create_directories(path.parent_path());
  const std::string old = GenerationBytes(0, 1);
  WriteBytes(path, old);

  // The new day is longer than the limit; the limit itself is larger than the old file, so
  // only the new bytes meet it.
  const DayEntries entries = GenerationEntries(0, 52);
  ASSERT_GT(GenerationBytes(0, 52).size(), old.size() + 64);
  const int cause = SaveWithFileSizeLimit(old.size() + 64,
                                          [&] { return WriteDayFile(path, entries, "52", "0"); });
  EXPECT_EQ(cause, static_cast<int>(FileErrorCause::kDiskFull));
  EXPECT_EQ(FileErrorMessage(FileErrorFromErrno(EFBIG, path)),
            "Disk full while accessing " + path.string() + ".");
  EXPECT_EQ(FileErrorMessage(FileErrorFromErrno(ENOSPC, path)),
            "Disk full while accessing " + path.string() + ".");
  EXPECT_EQ(Bytes(path), old);
  // The failed save took its temporary file away with it.
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(path.parent_path())) {
    names.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(names, std::vector<std::string>{path.filename().string()});

  // Not even a zero-length limit is taken for success, and a properties file fares alike.
  const fs::path properties = PropertiesFilePath(folder.path(), kUser);
  WriteBytes(properties, GenerationPropertiesBytes(1));
  EXPECT_EQ(SaveWithFileSizeLimit(0, [&] { return WriteDayFile(path, entries, "52", "0"); }),
            static_cast<int>(FileErrorCause::kDiskFull));
  EXPECT_EQ(SaveWithFileSizeLimit(
                16, [&] { return WriteProperties(properties, GenerationProperties(2)); }),
            static_cast<int>(FileErrorCause::kDiskFull));
  EXPECT_EQ(Bytes(path), old);
  EXPECT_EQ(Bytes(properties), GenerationPropertiesBytes(1));
}

TEST(DayFileFaults, FolderThatCannotBeWrittenIsReportedAndNothingChanges) {
  DataFolder folder;
  // Even root cannot make a folder below a regular file.
  const fs::path blocker = folder.path() / kUsersFolderName;
  WriteBytes(blocker, "not a folder");
  const fs::path path = DayFilePath(folder.path(), kUser, "06-12-2026");
  const std::optional<FileError> error = WriteDayFile(path, GenerationEntries(0, 3), "3", "0");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->path, path);
  EXPECT_EQ(error->cause, FileErrorCause::kBadPath);
  EXPECT_EQ(FileErrorMessage(*error), path.string() + " contains an invalid path.");
  EXPECT_EQ(Bytes(blocker), "not a folder");

  const std::optional<FileError> propertiesError =
      WriteProperties(PropertiesFilePath(folder.path(), kUser), GenerationProperties(3));
  ASSERT_TRUE(propertiesError.has_value());
  EXPECT_EQ(propertiesError->cause, FileErrorCause::kBadPath);
  EXPECT_EQ(Bytes(blocker), "not a folder");
}

TEST(DayFileFaults, DayWhoseNameIsTakenByAFolderIsReportedAndTheFolderStays) {
  DataFolder folder;
  const fs::path path = DayFilePath(folder.path(), kUser, "06-12-2026");
  fs::create_directories(path / "kept");
  WriteBytes(path / "kept" / "note", "old");
  const std::optional<FileError> error = WriteDayFile(path, GenerationEntries(0, 4), "4", "0");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->path, path);
  EXPECT_EQ(error->cause, FileErrorCause::kNotAFile);
  EXPECT_EQ(Bytes(path / "kept" / "note"), "old");
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(path.parent_path())) {
    names.push_back(entry.path().filename().string());
  }
  EXPECT_EQ(names, std::vector<std::string>{path.filename().string()});
}

TEST(DayFileFaults, TheSaveMakesAtMostTheUsersOwnFolderInsideTheUsersFolder) {
  // A data folder on a drive that was pulled out: its mount point is an empty folder or gone.
  const struct {
    const char* what;
    bool dataFolder;
    bool usersFolder;
    bool stored;
  } cases[] = {
      {"users folder without the user's folder", true, true, true},
      {"no users folder", true, false, false},
      {"no data folder", false, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DataFolder root;
    const fs::path data = root.path() / "Vesmira";
    if (c.dataFolder) fs::create_directory(data);
    if (c.usersFolder) fs::create_directory(UsersFolder(data));
    const fs::path path = DayFilePath(data, "Bert", "29-02-2028");
    const std::optional<FileError> error = WriteDayFile(path, GenerationEntries(1, 5), "5", "0");
    if (c.stored) {
      ASSERT_EQ(error, std::nullopt);
      EXPECT_EQ(Bytes(path), GenerationBytes(1, 5));
      // A folder made for a day lists no user: users are their properties files.
      EXPECT_TRUE(ScanUserNames(data).empty());
    } else {
      ASSERT_TRUE(error.has_value());
      EXPECT_EQ(FileErrorMessage(*error), path.string() + " was not found.");
      EXPECT_EQ(fs::exists(data), c.dataFolder);
      if (c.dataFolder) {
        EXPECT_TRUE(fs::is_empty(data));
      }
    }
  }
}

// A day file as another program would have saved it: UTF-16 with its byte order mark.
std::string Utf16(std::string_view text) {
  std::string bytes = "\xFF\xFE";
  for (const char c : text) {
    bytes += c;
    bytes += '\0';
  }
  return bytes;
}

TEST(DayFileFaults, ADayThatCannotBeReadIsNeverReplaced) {
  // Each of these read as an empty day, and that empty day replaced the file when it was left.
  const std::string stored = GenerationBytes(2, 9);
  const struct {
    const char* what;
    std::function<void(const fs::path&)> make;
    FileErrorCause cause;
  } cases[] = {
      {"saved as UTF-16", [&](const fs::path& p) { WriteBytes(p, Utf16(stored)); },
       FileErrorCause::kNotUnderstood},
      {"binary garbage",
       [](const fs::path& p) {
         WriteBytes(p, std::string("\x7F"
                                   "ELF\x02\x01\x01\0\0\r\n\xFF",
                                   13));
       },
       FileErrorCause::kNotUnderstood},
      {"FIFO", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
       FileErrorCause::kNotAFile},
      {"too large",
       [&](const fs::path& p) {
         WriteBytes(p, stored);
         fs::resize_file(p, kMaxStoredFileBytes + 1);
       },
       FileErrorCause::kTooLarge},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DataFolder folder;
    fs::create_directories(UserFolderPath(folder.path(), kUser));
    const fs::path path = DayFilePath(folder.path(), kUser, "06-12-2026");
    c.make(path);
    const std::string before = fs::is_regular_file(path) ? Bytes(path) : "";
    const StoredDay read = ReadStoredDay(path);
    EXPECT_FALSE(read.entries.has_value());
    ASSERT_TRUE(read.error.has_value());
    EXPECT_EQ(*read.error, (FileError{c.cause, path}));
    EXPECT_EQ(WriteDayFile(path, DayEntries::ForMissingDay(), "0", "0"), read.error);
    EXPECT_EQ(fs::is_regular_file(path) ? Bytes(path) : "", before);
    EXPECT_TRUE(fs::exists(path));
  }

  // A day restored from a backup as another user: it is there, but cannot be read.
  DataFolder folder;
  const fs::path path = DayFilePath(folder.path(), kUser, "06-12-2026");
  EXPECT_EQ(testing::RunUnprivileged(folder.path(),
                                     [&]() -> std::string {
                                       fs::create_directories(path.parent_path());
                                       WriteBytes(path, stored);
                                       if (::chmod(path.c_str(), 0200) != 0) return "chmod";
                                       const StoredDay read = ReadStoredDay(path);
                                       const FileError denied{FileErrorCause::kAccessDenied, path};
                                       if (read.error != denied) return "read as a day";
                                       if (WriteDayFile(path, DayEntries::ForMissingDay(), "0",
                                                        "0") != denied)
                                         return "saved";
                                       ::chmod(path.c_str(), 0600);
                                       return Bytes(path) == stored ? "" : "changed";
                                     }),
            "");

  // An empty file is an empty day, as is a file cut after its first keys.
  DataFolder empty;
  fs::create_directories(UserFolderPath(empty.path(), kUser));
  const fs::path emptyDay = DayFilePath(empty.path(), kUser, "06-12-2026");
  WriteBytes(emptyDay, "");
  EXPECT_TRUE(ReadStoredDay(emptyDay).entries.has_value());
  EXPECT_EQ(WriteDayFile(emptyDay, DayEntries::ForMissingDay(), "0", "0"), std::nullopt);
  WriteBytes(emptyDay, "***Kal intag\r\nfrukost\r\n300\r\n\r\n");
  ASSERT_TRUE(ReadStoredDay(emptyDay).entries.has_value());
  EXPECT_EQ(ReadStoredDay(emptyDay).entries->meals[0], "300");
}

}  // namespace
}  // namespace vesmira
