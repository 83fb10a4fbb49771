#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>

#include "settings/properties_file.h"
#include "settings/users_folder.h"
#include "support/diary_folder.h"
#include "support/temp_folder.h"

namespace vesmira {
namespace {

namespace fs = std::filesystem;
using testing::NewUserFileBytes;
using testing::ReadBytes;
using testing::WriteBytes;

class UserAddRemoveTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directory(Users()); }

  fs::path Users() const { return UsersFolder(m_data); }

  testing::TempFolder m_folder;
  const fs::path& m_data = m_folder.path();
};

TEST_F(UserAddRemoveTest, AddWritesTheNewUserFileAndFolder) {
  ASSERT_EQ(AddUser(m_data, "Anna"), std::nullopt);
  EXPECT_EQ(ReadBytes(Users() / "Anna.properties"), NewUserFileBytes());
  EXPECT_TRUE(fs::is_directory(Users() / "Anna"));

  // Blanks, inner dots and other scripts are names like any other.
  for (const std::string name : {" ", "a.b", "Åsa Öberg", "Ирина"}) {
    ASSERT_EQ(AddUser(m_data, name), std::nullopt) << name;
    EXPECT_EQ(ReadBytes(PropertiesFilePath(m_data, name)), NewUserFileBytes()) << name;
  }
}

TEST_F(UserAddRemoveTest, AddKeepsAnExistingFolderWithItsDays) {
  fs::create_directory(Users() / "Bo");
  WriteBytes(Users() / "Bo" / "Bo.01-02-2026", "frukost\r\n300\r\n\r\n");
  ASSERT_EQ(AddUser(m_data, "Bo"), std::nullopt);
  EXPECT_EQ(ReadBytes(Users() / "Bo" / "Bo.01-02-2026"), "frukost\r\n300\r\n\r\n");
}

TEST_F(UserAddRemoveTest, AddRefusesNamesThatLeaveTheUsersFolder) {
  using namespace std::string_literals;
  for (const std::string& name :
       {""s, "."s, ".."s, "../x"s, "a/b"s, "a\\b"s, "a\0b"s, "tab\there"s}) {
    const std::optional<FileError> error = AddUser(m_data, name);
    ASSERT_TRUE(error.has_value()) << name;
    EXPECT_EQ(error->cause, FileErrorCause::kBadPath);
  }
  EXPECT_TRUE(fs::is_empty(Users()));
  EXPECT_FALSE(fs::exists(m_data / "x.properties"));
}

TEST_F(UserAddRemoveTest, FailedAddLeavesNoFolderBehind) {
  // A folder where the properties file belongs: the file cannot be written, not even by root.
  fs::create_directory(Users() / "Cia.properties");
  const std::optional<FileError> error = AddUser(m_data, "Cia");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->path, Users() / "Cia.properties");
  EXPECT_FALSE(fs::exists(Users() / "Cia"));

  // A folder that was there before stays, with its days.
  fs::create_directory(Users() / "Cia");
  WriteBytes(Users() / "Cia" / "Cia.03-04-2026", "x");
  ASSERT_TRUE(AddUser(m_data, "Cia").has_value());
  EXPECT_EQ(ReadBytes(Users() / "Cia" / "Cia.03-04-2026"), "x");
}

TEST_F(UserAddRemoveTest, AddFailsWhenTheUsersFolderIsAFile) {
  fs::remove(Users());
  WriteBytes(Users(), "not a folder");
  const std::optional<FileError> error = AddUser(m_data, "Dan");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->path, Users() / "Dan.properties");
  EXPECT_EQ(ReadBytes(Users()), "not a folder");
}

TEST_F(UserAddRemoveTest, RemoveDeletesThePropertiesFileAndAnEmptyFolder) {
  ASSERT_EQ(AddUser(m_data, "Anna"), std::nullopt);
  ASSERT_EQ(AddUser(m_data, "Bo"), std::nullopt);
  WriteBytes(Users() / "Bo" / "Bo.01-02-2026", "day");

  EXPECT_EQ(RemoveUser(m_data, "Anna"), std::nullopt);
  EXPECT_EQ(RemoveUser(m_data, "Bo"), std::nullopt);

  EXPECT_FALSE(fs::exists(Users() / "Anna.properties"));
  EXPECT_FALSE(fs::exists(Users() / "Anna"));
  EXPECT_FALSE(fs::exists(Users() / "Bo.properties"));
  EXPECT_EQ(ReadBytes(Users() / "Bo" / "Bo.01-02-2026"), "day");
  EXPECT_EQ(ScanUserNames(m_data), std::vector<std::string>{});

  // Adding the name again brings the kept days back to it.
  ASSERT_EQ(AddUser(m_data, "Bo"), std::nullopt);
  EXPECT_EQ(ReadBytes(Users() / "Bo" / "Bo.01-02-2026"), "day");
}

TEST_F(UserAddRemoveTest, RemoveOfAUserWithoutFileChangesNothing) {
  fs::create_directory(Users() / "Eva");
  EXPECT_EQ(RemoveUser(m_data, "Eva"), std::nullopt);
  EXPECT_TRUE(fs::is_directory(Users() / "Eva"));
}

TEST_F(UserAddRemoveTest, RemoveOfNamesWithoutAFolderOfTheirOwn) {
  // "users/.properties" (the empty name) and "users/..properties" ("."): only the file goes;
  // the users folder, which their folder path names, stays even when it is left empty.
  WriteBytes(Users() / ".properties", "x");
  WriteBytes(Users() / "..properties", "x");
  EXPECT_EQ(RemoveUser(m_data, ""), std::nullopt);
  EXPECT_EQ(RemoveUser(m_data, "."), std::nullopt);
  EXPECT_TRUE(fs::is_directory(Users()));
  EXPECT_TRUE(fs::is_empty(Users()));
}

TEST_F(UserAddRemoveTest, RemoveThatCannotDeleteReportsTheFile) {
  fs::create_directory(Users() / "Fia.properties");
  const std::optional<FileError> error = RemoveUser(m_data, "Fia");
  ASSERT_TRUE(error.has_value());
  EXPECT_EQ(error->path, Users() / "Fia.properties");
  EXPECT_EQ(FileErrorMessage(*error),
            "Access to " + (Users() / "Fia.properties").string() + " was denied.");
  EXPECT_TRUE(fs::is_directory(Users() / "Fia.properties"));

  // A name a folder scan never yields cannot reach another file.
  fs::create_directory(Users() / "a");
  WriteBytes(Users() / "a" / "b.properties", "x");
  EXPECT_TRUE(RemoveUser(m_data, "a/b").has_value());
  EXPECT_EQ(ReadBytes(Users() / "a" / "b.properties"), "x");
}

// A FAT file system of its own, through FUSE: a USB stick's, which ignores letter case in
// names. Empty when the machine cannot mount one.
class FatFolder {
 public:
  FatFolder() {
    if (::geteuid() != 0 || ::access("/dev/fuse", R_OK | W_OK) != 0 ||
        std::system("command -v mkfs.vfat fusefat fusermount >/dev/null 2>&1") != 0) {
      return;
    }
    const std::string image = (m_folder.path() / "stick.img").string();
    const std::string mount = (m_folder.path() / "stick").string();
    fs::create_directory(mount);
    const std::string make = "truncate -s 4M '" + image + "' && mkfs.vfat '" + image +
                             "' >/dev/null 2>&1 && fusefat -o rw+ '" + image + "' '" + mount +
                             "' >/dev/null 2>&1";
    if (std::system(make.c_str()) == 0) m_mount = mount;
  }
  ~FatFolder() {
    if (!m_mount.empty()) {
      static_cast<void>(std::system(("fusermount -u '" + m_mount.string() + "'").c_str()));
    }
  }
  FatFolder(const FatFolder&) = delete;
  FatFolder& operator=(const FatFolder&) = delete;

  const fs::path& Path() const { return m_mount; }

 private:
  testing::TempFolder m_folder;
  fs::path m_mount;
};

TEST(AddUser, NeverReplacesAnExistingFile) {
  // On a file system that ignores letter case, "anna" names Anna's file: Add replaced Anna's
  // settings with a new user's. The dialog's own check compares names byte for byte, so Add
  // itself must refuse.
  const std::string annasOwn = "grundForbrukning\r\n2500\r\n\r\n";
  FatFolder stick;
  testing::TempFolder plain;
  const struct {
    const char* what;
    fs::path data;
    const char* added;
  } cases[] = {
      {"same name", plain.path(), "Anna"},
      {"other letter case on a FAT stick", stick.Path(), "anna"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    if (c.data.empty()) {
      std::cout << "no FAT file system can be mounted here (needs root, /dev/fuse, fusefat): "
                << c.what << " not tried\n";
      continue;
    }
    fs::create_directories(UsersFolder(c.data) / "Anna");
    WriteBytes(UsersFolder(c.data) / "Anna.properties", annasOwn);
    const std::optional<FileError> error = AddUser(c.data, c.added);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->cause, FileErrorCause::kExists);
    EXPECT_EQ(ReadBytes(UsersFolder(c.data) / "Anna.properties"), annasOwn);
    EXPECT_EQ(ScanUserNames(c.data), std::vector<std::string>{"Anna"});
  }
}

TEST_F(UserAddRemoveTest, AddMakesAPrivateFolderAndFile) {
  const mode_t previous = ::umask(022);
  const std::optional<FileError> error = AddUser(m_data, "Anna");
  ::umask(previous);
  ASSERT_EQ(error, std::nullopt);
  EXPECT_EQ(fs::status(Users() / "Anna").permissions(), fs::perms::owner_all);
  EXPECT_EQ(fs::status(Users() / "Anna.properties").permissions(),
            fs::perms::owner_read | fs::perms::owner_write);
}

}  // namespace
}  // namespace vesmira
