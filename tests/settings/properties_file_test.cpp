#include "settings/properties_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <sstream>

#include "storage/atomic_file.h"
#include "support/temp_folder.h"
#include "support/unprivileged.h"

namespace vesmira {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WithCrLf;
using testing::WriteBytes;

constexpr const char* kNewUserFile =
    "***Installningar\n"
    "grundForbrukning\n2200\n\n"
    "mal\n1800\n\n"
    "***Berakningsvarden\n"
    "cykelingKal\n633\n\n"
    "lopningKal\n603\n\n"
    "promenadKal\n393\n\n"
    "styrketraningKal\n100\n\n"
    "roddKal\n693\n\n"
    "simmningKal\n513\n\n"
    "langdskidorKal\n753\n\n"
    "skridskorKal\n573\n\n"
    "bollsportKal\n513\n\n"
    "skidoruforKal\n513\n\n"
    "stadaKal\n333\n\n"
    "trapporKal\n600\n\n";

TEST(PropertiesFile, ANewUserFileHas44LinesAndNoPoundFlag) {
  std::ostringstream out;
  WriteDefaultProperties(out);
  const std::string bytes = out.str();
  EXPECT_EQ(bytes, WithCrLf(kNewUserFile));
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 44);
}

TEST(PropertiesFile, ANewUserReadsInPounds) {
  std::istringstream in(WithCrLf(kNewUserFile));
  const UserSettings settings = ReadProperties(in);
  EXPECT_EQ(settings.grundForbrukning, 2200);
  EXPECT_EQ(settings.mal, 1800);
  EXPECT_EQ(settings.activityKal[3], 100);
  EXPECT_EQ(settings.activityKal[11], 600);
  EXPECT_EQ(settings.poundFlag, 0);
  EXPECT_EQ(WeightCaption(settings), "Weight change (lbs)");
}

TEST(PropertiesFile, TheDialogsFileHoldsTheTextsAsTyped) {
  PropertiesTexts texts;
  texts.grundForbrukning = "2500 kcal";
  texts.mal = "";
  for (std::size_t i = 0; i < kActivityCount; ++i) texts.activityKal[i] = std::to_string(i);
  texts.kilograms = true;
  std::ostringstream out;
  WriteProperties(out, texts);
  const std::string bytes = out.str();
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 47);
  EXPECT_TRUE(bytes.starts_with(
      "***Installningar\r\ngrundForbrukning\r\n2500 kcal\r\n\r\nmal\r\n\r\n\r\n"));
  EXPECT_TRUE(bytes.ends_with("trapporKal\r\n11\r\n\r\npoundFlag\r\n1\r\n\r\n"));

  std::istringstream in(bytes);
  const UserSettings read = ReadProperties(in);
  EXPECT_EQ(read, texts.Settings());
  EXPECT_EQ(read.grundForbrukning, 2500);
  EXPECT_EQ(read.mal, 0);
  EXPECT_EQ(read.poundFlag, 1);
}

TEST(PropertiesFile, AMissingKeyReadsItselfAndEveryLaterKeyAsZero) {
  std::string file = WithCrLf(kNewUserFile);
  file.erase(file.find("mal\r\n"), std::string_view("mal\r\n1800\r\n\r\n").size());
  std::istringstream in(file);
  const UserSettings settings = ReadProperties(in);
  EXPECT_EQ(settings.grundForbrukning, 2200);
  EXPECT_EQ(settings.mal, 0);
  for (const auto rate : settings.activityKal) EXPECT_EQ(rate, 0);
  EXPECT_EQ(settings.poundFlag, 0);
}

TEST(PropertiesFile, ValuesReadByTheNumberRule) {
  std::istringstream in("grundForbrukning\n  42\n\nmal\nkcal\n\ncykelingKal\n" +
                        std::string(45, '1') + "\n\nlopningKal\n-7x\n\n");
  const UserSettings settings = ReadProperties(in);
  EXPECT_EQ(settings.grundForbrukning, 42);
  EXPECT_EQ(settings.mal, 0);
  EXPECT_EQ(settings.activityKal[0], 2147483647);  // saturated, and cut to 39 digits
  EXPECT_EQ(settings.activityKal[1], -7);
}

TEST(PropertiesFile, LfFilesReadLikeCrLfFiles) {
  std::istringstream lf(kNewUserFile);
  std::istringstream crlf(WithCrLf(kNewUserFile));
  EXPECT_EQ(ReadProperties(lf), ReadProperties(crlf));
}

TEST(PropertiesFile, FilesOnDisk) {
  TempFolder folder;
  const auto path = folder.path() / "Anna.properties";
  EXPECT_FALSE(ReadProperties(path));
  ASSERT_FALSE(WriteDefaultProperties(path));
  EXPECT_EQ(ReadBytes(path), WithCrLf(kNewUserFile));
  ASSERT_TRUE(ReadProperties(path));
  EXPECT_EQ(ReadProperties(path)->mal, 1800);

  // A failed save leaves the old settings as they were.
  WriteBytes(folder.path() / "file", "x");
  EXPECT_TRUE(WriteDefaultProperties(folder.path() / "file" / "Bo.properties"));
  std::filesystem::create_directory(folder.path() / "Cia.properties");
  EXPECT_TRUE(WriteProperties(folder.path() / "Cia.properties", PropertiesTexts{}));
  EXPECT_EQ(ReadBytes(path), WithCrLf(kNewUserFile));
}

TEST(PropertiesFile, AFolderInPlaceOfTheFileCannotBeOpened) {
  TempFolder folder;
  const auto path = folder.path() / "Anna.properties";
  std::filesystem::create_directory(path);
  EXPECT_EQ(ReadProperties(path), std::nullopt);
}

TEST(PropertiesFile, SettingsThatCannotBeReadAreNeverReplaced) {
  namespace fs = std::filesystem;
  const std::string stored = WithCrLf(kNewUserFile);
  const struct {
    const char* what;
    std::function<void(const fs::path&)> make;
    FileErrorCause cause;
  } cases[] = {
      {"saved as UTF-16",
       [&](const fs::path& p) {
         std::string bytes = "\xFF\xFE";
         for (const char c : stored) bytes += {c, '\0'};
         WriteBytes(p, bytes);
       },
       FileErrorCause::kNotUnderstood},
      {"another program's file", [](const fs::path& p) { WriteBytes(p, "[Settings]\nmode=1\n"); },
       FileErrorCause::kNotUnderstood},
      {"FIFO", [](const fs::path& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
       FileErrorCause::kNotAFile},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder folder;
    const fs::path path = folder.path() / "Anna.properties";
    c.make(path);
    const std::string before = fs::is_regular_file(path) ? ReadBytes(path) : "";
    const StoredProperties read = ReadStoredProperties(path);
    EXPECT_FALSE(read.settings.has_value());
    ASSERT_TRUE(read.error.has_value());
    EXPECT_EQ(*read.error, (FileError{c.cause, path}));
    EXPECT_EQ(WriteProperties(path, PropertiesTexts{}), read.error);
    EXPECT_EQ(fs::is_regular_file(path) ? ReadBytes(path) : "", before);
  }

  TempFolder folder;
  const fs::path path = folder.path() / "Anna.properties";
  EXPECT_EQ(testing::RunUnprivileged(folder.path(),
                                     [&]() -> std::string {
                                       WriteBytes(path, stored);
                                       if (::chmod(path.c_str(), 0200) != 0) return "chmod";
                                       const FileError denied{FileErrorCause::kAccessDenied, path};
                                       if (ReadStoredProperties(path).error != denied)
                                         return "read as settings";
                                       if (WriteProperties(path, PropertiesTexts{}) != denied)
                                         return "saved";
                                       ::chmod(path.c_str(), 0600);
                                       return ReadBytes(path) == stored ? "" : "changed";
                                     }),
            "");
}

}  // namespace
}  // namespace vesmira
