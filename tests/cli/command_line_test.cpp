#include "cli/command_line.h"

#include <gtest/gtest.h>

#include <sstream>

#include "diary/day_file.h"
#include "support/diary_folder.h"
#include "support/temp_folder.h"

namespace vesmira {
namespace {

std::string Sample(const char* name) {
  return (std::filesystem::path(VESMIRA_TEST_DATA) / "import" / name).string();
}

// Exit 0 done, 1 a file or day that cannot be read or written, 2 a bad command line; what
// each says, on the stream it says it on.
TEST(CommandLine, ExitStatusAndWordsOfEachCommand) {
  testing::DiaryFolder folder;
  folder.AddUser("Anna");
  const std::string target = (folder.Path() / "out.csv").string();
  const struct {
    std::vector<std::string> command;
    int status;
    std::string said;  // on standard output when the status is 0, on standard error otherwise
  } rows[] = {
      {{"import", "--dry-run", Sample("cronometer-servings.csv")}, 0, "2 days change"},
      {{"import", "--meal", "Snacks=Supper", Sample("cronometer-servings.csv")},
       0,
       "Imported 2 days."},
      {{"import", "--meal", "Snacks=Supper", Sample("cronometer-servings.csv")},
       0,
       "0 days change"},
      {{"import", "--user", "Bo", Sample("libra.csv")}, 1, "no user Bo"},
      {{"import", Sample("missing.csv")}, 1, "cannot open"},
      {{"import"}, 2, "needs at least one file"},
      {{"import", "--help"}, 0, "vesmira import [--user NAME]"},
      {{"import", "--meal", "Snacks=Elevenses", Sample("libra.csv")}, 2, "GROUP=MEAL"},
      {{"import", "--weight-unit", "stone", Sample("libra.csv")}, 2, "kg or lbs"},
      {{"export", "--weights", "--from", "2026-12-01", "--to", "2026-12-03", target}, 0, ""},
      {{"export", "--html", "--sheet", target}, 2, "one of --html"},
      {{"export", "--sheet", "--from", "2026-12-05", "--to", "2026-12-01", target},
       2,
       "on or before"},
      {{"export", "--sheet", (folder.Path() / "no" / "such" / "x.csv").string()}, 1, "x.csv"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.command.back());
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunCommandLine(folder.Path(), row.command, {2026, 12, 6}, out, err), row.status);
    EXPECT_NE((row.status == 0 ? out : err).str().find(row.said), std::string::npos)
        << out.str() << err.str();
  }
  EXPECT_EQ(ReadDayFile(folder.DayPath("Anna", "01-12-2026"))->meals[5], "95");
  EXPECT_EQ(testing::ReadBytes(target).substr(0, 25), "Date,Weight_kg,Trend_kg\r\n");
}

TEST(CommandLine, OnlyImportAndExportRunWithoutAWindow) {
  const char* command[] = {"vesmira", "--data-folder", "/d", "export", "--html", "x"};
  const CommandLineSplit split = SplitCommandLine(6, command);
  EXPECT_TRUE(split.isCommand);
  EXPECT_EQ(split.folderArguments, (std::vector<std::string>{"vesmira", "--data-folder", "/d"}));
  EXPECT_EQ(split.command, (std::vector<std::string>{"export", "--html", "x"}));
  const char* window[] = {"vesmira", "-Embedding", "import"};
  EXPECT_FALSE(SplitCommandLine(3, window).isCommand);
}

}  // namespace
}  // namespace vesmira
