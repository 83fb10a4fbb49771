#include "settings/users_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "support/temp_folder.h"
#include "support/unprivileged.h"

namespace vesmira {
namespace {

namespace fs = std::filesystem;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

class UsersFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { fs::create_directory(UsersFolder(m_data.path())); }
  void Touch(const std::string& name, std::string_view bytes = "x") {
    WriteBytes(UsersFolder(m_data.path()) / name, bytes);
  }
  const fs::path& data() const { return m_data.path(); }

 private:
  TempFolder m_data;
};

TEST_F(UsersFolderTest, ListsPropertiesFilesReversedForTheForm) {
  Touch("Bo.properties");
  Touch("Cia.properties");
  Touch("Anna.properties");
  Touch("notes.txt");
  Touch("Dag.properties.tmp");
  // Copies left when two versions of a file met: the sync tools' and the program's own.
  Touch("Bo.sync-conflict-20261206-101530-ABCDEFG.properties");
  Touch("Bo (conflicted copy 2026-12-06 101530).properties");
  Touch("Cia (Dag's conflicted copy 2026-12-06).properties");
  Touch("Anna.properties.conflict-20261206-101530");
  fs::create_directory(UsersFolder(data()) / "Anna");
  fs::create_directory(UsersFolder(data()) / "Folder.properties");
  EXPECT_EQ(ScanUserNames(data()), (std::vector<std::string>{"Anna", "Bo", "Cia"}));
  const UserListScan scan = ScanUserList(data());
  EXPECT_FALSE(scan.error);
  EXPECT_EQ(scan.names, (std::vector<std::string>{"Cia", "Bo", "Anna"}));
}

TEST_F(UsersFolderTest, EveryExtensionIsRemovedFromTheName) {
  Touch("x.properties.properties");
  EXPECT_EQ(ScanUserNames(data()), (std::vector<std::string>{"x"}));
}

TEST_F(UsersFolderTest, ListsOnlyNamesAddWouldMake) {
  // Planted files whose names, without the extension, name no user of the users folder:
  // ".." would put its days beside the users folder.
  for (const char* file : {"...properties", "..properties", ".properties", "a\\b.properties",
                           "tab\there.properties", "del\x7f.properties"}) {
    Touch(file);
  }
  Touch("Anna.properties");
  EXPECT_EQ(ScanUserNames(data()), (std::vector<std::string>{"Anna"}));
  EXPECT_EQ(ScanUserList(data()).names, (std::vector<std::string>{"Anna"}));
}

TEST(UsersFolder, ANameFromAnOlderInstallIsTheNameItIsShownAs) {
  const std::vector<std::string> users{"Anna", "Bj\xF6rn"};  // Windows-1252
  EXPECT_TRUE(HoldsUserName(users, "Anna"));
  EXPECT_TRUE(HoldsUserName(users, "Bj\xC3\xB6rn"));  // typed, UTF-8
  EXPECT_TRUE(HoldsUserName(users, "Bj\xF6rn"));
  EXPECT_FALSE(HoldsUserName(users, "Bjorn"));
  EXPECT_FALSE(HoldsUserName(users, "anna"));
  EXPECT_FALSE(HoldsUserName({}, ""));
}

TEST(UsersFolder, AMissingFolderHoldsNoUsers) {
  TempFolder data;
  EXPECT_TRUE(ScanUserNames(data.path()).empty());
  const UserListScan scan = ScanUserList(data.path());
  EXPECT_FALSE(scan.error);
  EXPECT_TRUE(scan.names.empty());
}

TEST_F(UsersFolderTest, ALegacyFileIsRenamed) {
  Touch("Anna.propertys", "settings");
  const UserListScan scan = ScanUserList(data());
  EXPECT_FALSE(scan.error);
  EXPECT_EQ(scan.names, (std::vector<std::string>{"Anna"}));
  EXPECT_EQ(ReadBytes(UsersFolder(data()) / "Anna.properties"), "settings");
  EXPECT_FALSE(fs::exists(UsersFolder(data()) / "Anna.propertys"));
}

TEST_F(UsersFolderTest, ALegacyFileNeverReplacesTheCurrentOne) {
  Touch("Anna.propertys", "old");
  Touch("Anna.properties", "current");
  Touch("Bo.properties");
  const UserListScan scan = ScanUserList(data());
  ASSERT_TRUE(scan.error);
  EXPECT_EQ(scan.error->path, UsersFolder(data()) / "Anna.propertys");
  EXPECT_EQ(FileErrorMessage(*scan.error),
            "Access to " + (UsersFolder(data()) / "Anna.propertys").string() + " was denied.");
  EXPECT_TRUE(scan.names.empty());
  EXPECT_EQ(ReadBytes(UsersFolder(data()) / "Anna.properties"), "current");
  EXPECT_EQ(ReadBytes(UsersFolder(data()) / "Anna.propertys"), "old");

  // A users folder that cannot be read is said so, not shown as a diary without users.
  const fs::path users = UsersFolder(data());
  EXPECT_EQ(testing::RunUnprivileged(data(),
                                     [&]() -> std::string {
                                       if (::chmod(users.c_str(), 0300) != 0) return "chmod";
                                       const UserListScan unreadable = ScanUserList(data());
                                       ::chmod(users.c_str(), 0700);
                                       if (!unreadable.error) return "no error";
                                       return FileErrorMessage(*unreadable.error);
                                     }),
            "Access to " + users.string() + " was denied.");
}

TEST(UsersFolder, PathsOfAUser) {
  EXPECT_EQ(PropertiesFilePath("/d", "Anna"), "/d/users/Anna.properties");
  EXPECT_EQ(PropertiesFilePath("/d", ""), "/d/users/.properties");
  EXPECT_EQ(UserFolderPath("/d", "Anna"), "/d/users/Anna");
}

TEST(UsersFolder, UsableNamesStayInsideTheUsersFolder) {
  for (const char* name : {"Anna", " ", "a.b", "Åsa", "anna", "..a", "a..", "名前"}) {
    EXPECT_TRUE(IsUsableUserName(name)) << name;
  }
  for (const std::string& name :
       {std::string(""), std::string("."), std::string(".."), std::string("../x"),
        std::string("a/b"), std::string("a\\b"), std::string("a\tb"), std::string("a\x7f"),
        std::string("a\0b", 3), std::string("x.properties"), std::string("a.propertiesb")}) {
    EXPECT_FALSE(IsUsableUserName(name)) << name;
  }
}

}  // namespace
}  // namespace vesmira
