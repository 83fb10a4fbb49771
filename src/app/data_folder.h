#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesmira {

// Reads an environment variable: null when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// What the command line asks for, read before the window system is reached so that --help
// and --version work without a display.
struct StartOptions {
  // The folder that holds the diary (users/ and the help page), absolute.
  std::filesystem::path dataFolder;
  bool showHelp = false;
  bool showVersion = false;
  // A command line or environment that names no usable folder: what is wrong.
  std::string error;
  // The arguments left for the application object (the program's name first), ending in
  // a null pointer.
  std::vector<char*> remaining;
};

// The data folder is, in this order: the folder given by --data-folder DIR (or
// --data-folder=DIR), the folder in $VESMIRA_DATA_FOLDER, $XDG_DATA_HOME/Vesmira, and
// ~/.local/share/Vesmira. XDG_DATA_HOME counts only when it is an absolute path; a relative
// folder the person names is taken from workingFolder. Arguments of its own are taken out of
// the list; all others are left as they are.
StartOptions ReadStartOptions(int argc, char** argv, const EnvironmentLookup& environment,
                              const std::filesystem::path& workingFolder);

// Whether name (the switch without its dashes or slash) is "Embedding" or "Automation", in
// any case: the switches that start the program without the title picture.
bool IsStartSwitch(std::string_view name);

// The text --help prints.
std::string UsageText();

// Creates the data folder with its parents when it is missing. Returns what went wrong.
std::optional<std::string> CreateDataFolder(const std::filesystem::path& folder);

}  // namespace vesmira
