#pragma once

#include <filesystem>
#include <iosfwd>
#include <string>
#include <vector>

#include "storage/calendar_date.h"

// The diary without a window, for scripts and sync servers: "vesmira import ..." and
// "vesmira export ...".
namespace vesmira {

struct CommandLineSplit {
  bool isCommand = false;
  // The program's name and the --data-folder arguments, for the data folder's choice.
  std::vector<std::string> folderArguments;
  // The command and its arguments, "import" or "export" first.
  std::vector<std::string> command;
};
// Whether the first argument that is no --data-folder names a command.
CommandLineSplit SplitCommandLine(int argc, const char* const* argv);

// Runs the command on the diary in dataFolder; today ends an export by default. Returns the
// exit status: 0 done, 1 a file that cannot be read or a day that cannot be written (the
// reason on err), 2 a command line that asks for nothing this program does.
int RunCommandLine(const std::filesystem::path& dataFolder, const std::vector<std::string>& command,
                   const CalendarDate& today, std::ostream& out, std::ostream& err);

// What "vesmira --help" says of the commands.
std::string CommandUsageText();

}  // namespace vesmira
