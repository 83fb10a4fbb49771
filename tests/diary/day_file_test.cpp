#include "diary/day_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <sstream>

#include "storage/file_error.h"
#include "support/temp_folder.h"

namespace vesmira {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WithCrLf;
using testing::WriteBytes;

// Breakfast 500, lunch 700, 45 minutes of cycling and 100 kcal other consumption.
DayEntries CyclingDay() {
  DayEntries entries = DayEntries::ForMissingDay();
  entries.meals[0] = "500";
  entries.meals[2] = "700";
  entries.minutes[0] = "45";
  entries.ovrigForbrukning = "100";
  entries.diaryNote = "Cycled to the lake.\nFelt fine.";
  return entries;
}

std::string Golden() {
  return ReadBytes(std::filesystem::path(VESMIRA_TEST_DATA) / "day_626_574.txt");
}

TEST(DayFile, PathsNameTheUserTwice) {
  EXPECT_EQ(DayFilePath("/d", "Anna", "06-12-2026"), "/d/users/Anna/Anna.06-12-2026");
  EXPECT_EQ(DayFilePath("/d", "", "06-12-2026"), "/d/users/.06-12-2026");
}

TEST(DayFile, WritesTheSixtySevenLinesAndTheNoteByteForByte) {
  std::ostringstream out;
  WriteDayFile(out, CyclingDay(), "1200", "574");
  EXPECT_EQ(out.str(), Golden());

  std::istringstream lines(out.str());
  std::string line;
  int before = 0;
  while (std::getline(lines, line) && line != "diaryNote\r") ++before;
  EXPECT_EQ(before + 1, 67);
}

TEST(DayFile, ReadsBackWhatItWrote) {
  TempFolder folder;
  std::filesystem::create_directory(UsersFolder(folder.path()));
  const auto path = DayFilePath(folder.path(), "Anna", "06-12-2026");
  ASSERT_FALSE(WriteDayFile(path, CyclingDay(), "1200", "574"));
  EXPECT_EQ(ReadBytes(path), Golden());

  // Saving what was read gives the same bytes, through any number of rounds.
  for (int round = 0; round < 3; ++round) {
    const auto read = ReadDayFile(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(*read, CyclingDay());
    ASSERT_FALSE(WriteDayFile(path, *read, "1200", "574"));
    EXPECT_EQ(ReadBytes(path), Golden());
  }
}

TEST(DayFile, EmptyNotesReadAsThePlaceholderForTheFormButStayEmptyInTheRecord) {
  DayEntries entries = CyclingDay();
  entries.diaryNote.clear();
  std::ostringstream out;
  WriteDayFile(out, entries, "1200", "574");
  std::istringstream forForm(out.str());
  EXPECT_EQ(ReadDayFile(forForm).diaryNote, "Diet Diary Notes");
  std::istringstream forRecord(out.str());
  DayRecord record;
  ReadDayRecord(forRecord, record);
  EXPECT_EQ(record.diaryNote, "");
  EXPECT_EQ(record.meals[0], 500);
  EXPECT_EQ(record.minutes[0], 45);
  EXPECT_EQ(record.ovrigForbrukning, 100);
}

TEST(DayFile, LongNotesAreNotCut) {
  DayEntries entries = CyclingDay();
  entries.diaryNote = std::string(250, 'x') + "\n" + std::string(250, 'y');
  std::ostringstream out;
  WriteDayFile(out, entries, "0", "0");
  std::istringstream in(out.str());
  EXPECT_EQ(ReadDayFile(in).diaryNote, entries.diaryNote);
  std::istringstream again(out.str());
  DayRecord record;
  ReadDayRecord(again, record);
  EXPECT_EQ(record.diaryNote, entries.diaryNote);
}

TEST(DayFile, EmptyAndCutFiles) {
  std::istringstream empty("");
  const DayEntries fromEmpty = ReadDayFile(empty);
  for (const auto& meal : fromEmpty.meals) EXPECT_EQ(meal, "");
  EXPECT_EQ(fromEmpty.diaryNote, "Diet Diary Notes");

  // Cut after the "trapporTid" entry: other consumption reads as a lone line end.
  std::ostringstream whole;
  WriteDayFile(whole, CyclingDay(), "1200", "574");
  const std::string bytes = whole.str();
  const std::size_t cut = bytes.find("ovrigForbrukning");
  std::istringstream cutFile(bytes.substr(0, cut));
  const DayEntries fromCut = ReadDayFile(cutFile);
  EXPECT_EQ(fromCut.minutes[0], "45");
  EXPECT_EQ(fromCut.ovrigForbrukning, "\n");
  EXPECT_EQ(fromCut.Figures().ovrigForbrukning, 0);
  EXPECT_EQ(fromCut.diaryNote, "Diet Diary Notes");
}

TEST(DayFile, LfOnlyFilesReadLikeCrLfFiles) {
  std::string lf = Golden();
  std::erase(lf, '\r');
  std::istringstream in(lf);
  EXPECT_EQ(ReadDayFile(in), CyclingDay());
}

TEST(DayFile, ValuesLongerThan39CharactersAreCutAndTheNextKeyFound) {
  DayEntries entries = CyclingDay();
  entries.meals[0] = std::string(40, '9');
  std::ostringstream out;
  WriteDayFile(out, entries, "0", "0");
  std::istringstream in(out.str());
  const DayEntries read = ReadDayFile(in);
  EXPECT_EQ(read.meals[0], std::string(39, '9'));
  EXPECT_EQ(read.meals[2], "700");
}

TEST(DayFile, AValueCutInsideALetterLosesThatLetterWhole) {
  // 39 bytes are read of a longer value; a letter of two, three or four bytes may straddle
  // the cut, and its first bytes alone showed as a stray character.
  const std::string a37(37, 'a');
  const std::string a38(38, 'a');
  const struct {
    const char* what;
    std::string value;
    std::string shown;
  } cases[] = {
      {"two-byte letter cut after its first byte",
       a38 + "\xC3\xA9"
             "x",
       a38},
      {"three-byte letter cut after its first byte", a38 + "\xE2\x82\xAC", a38},
      {"three-byte letter cut after its second byte", a37 + "\xE2\x82\xAC", a37},
      {"four-byte letter cut after its third byte", std::string(36, 'a') + "\xF0\x9F\x8D\x8E",
       std::string(36, 'a')},
      {"letter ending at the cut",
       a37 + "\xC3\xA9"
             "xyz",
       a37 + "\xC3\xA9"},
      {"Windows-1252 letter before the cut",
       a38 + "\xE9"
             "xyz",
       a38 + "\xE9"},
      {"Windows-1252 letters across the cut", a38 + "\xC3\xC3", a38 + "\xC3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DayEntries entries = CyclingDay();
    entries.meals[0] = c.value;
    std::ostringstream out;
    WriteDayFile(out, entries, "0", "0");
    std::istringstream in(out.str());
    const DayEntries read = ReadDayFile(in);
    EXPECT_EQ(read.meals[0], c.shown);
    EXPECT_EQ(read.meals[2], "700");

    TempFolder folder;
    WriteBytes(folder.path() / "day", out.str());
    const std::optional<DayEntries> fromFile = ReadDayFile(folder.path() / "day");
    ASSERT_TRUE(fromFile.has_value());
    EXPECT_EQ(fromFile->meals[0], c.shown);
  }
}

TEST(DayFile, TotalsAreTheStoredSumAndTraining) {
  std::istringstream in(Golden());
  const DayTotals totals = ReadDayTotals(in);
  EXPECT_EQ(totals.energySum, 626);
  EXPECT_EQ(totals.training, 574);
  TempFolder folder;
  EXPECT_FALSE(ReadDayTotals(folder.path() / "missing"));
}

TEST(DayFile, AMissingUserFolderIsCreated) {
  TempFolder folder;
  std::filesystem::create_directory(UsersFolder(folder.path()));
  const auto path = DayFilePath(folder.path(), "Bo", "01-03-2027");
  ASSERT_FALSE(WriteDayFile(path, CyclingDay(), "1200", "574"));
  EXPECT_EQ(ReadBytes(path), Golden());
}

TEST(DayFile, AFailedWriteReportsItsCauseAndKeepsTheOldFile) {
  TempFolder folder;
  // The parent of the path is a regular file: even root cannot write there.
  WriteBytes(folder.path() / "users", "not a folder");
  const auto blocked = DayFilePath(folder.path(), "Anna", "06-12-2026");
  const auto error = WriteDayFile(blocked, CyclingDay(), "1200", "574");
  ASSERT_TRUE(error);
  EXPECT_EQ(error->path, blocked);
  EXPECT_FALSE(FileErrorMessage(*error).empty());
  EXPECT_NE(FileErrorMessage(*error).find(blocked.string()), std::string::npos);

  // A folder stands where the file should go.
  TempFolder other;
  const auto taken = DayFilePath(other.path(), "Anna", "06-12-2026");
  std::filesystem::create_directories(taken);
  const auto refused = WriteDayFile(taken, CyclingDay(), "1200", "574");
  ASSERT_TRUE(refused);
  EXPECT_EQ(FileErrorMessage(*refused), taken.string() + " is not a regular file.");
  EXPECT_TRUE(std::filesystem::is_directory(taken));
  // Nothing but the folder is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(taken.parent_path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(DayFile, AFullDiskKeepsTheOldFileByteForByte) {
  TempFolder folder;
  std::filesystem::create_directory(UsersFolder(folder.path()));
  const auto path = DayFilePath(folder.path(), "Anna", "06-12-2026");
  ASSERT_FALSE(WriteDayFile(path, DayEntries::ForMissingDay(), "0", "0"));
  const std::string old = ReadBytes(path);

  // The file-size limit applies to the child alone, which reports by its exit code.
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{100, 100};
    setrlimit(RLIMIT_FSIZE, &limit);
    const auto error = WriteDayFile(path, CyclingDay(), "1200", "574");
    const bool reported =
        error && FileErrorMessage(*error) == "Disk full while accessing " + path.string() + ".";
    _exit(reported ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(ReadBytes(path), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(path.parent_path()),
                          std::filesystem::directory_iterator()),
            1);
}

TEST(DayFile, FolderInPlaceOfADayFileIsNoDay) {
  testing::TempFolder folder;
  const std::filesystem::path path = DayFilePath(folder.path(), "Anna", "06-12-2026");
  std::filesystem::create_directories(path);
  EXPECT_EQ(ReadDayFile(path), std::nullopt);
  EXPECT_EQ(ReadDayTotals(path), std::nullopt);
  DayRecord record;
  record.meals[0] = 5;
  EXPECT_FALSE(ReadDayRecord(path, record));
  EXPECT_EQ(record.meals[0], 5);
}

}  // namespace
}  // namespace vesmira
