#include "app/data_folder.h"

#include <string_view>
#include <system_error>

#include "storage/atomic_file.h"
#include "storage/file_error.h"
#include "storage/text_encoding.h"

namespace vesmira {

namespace {

constexpr std::string_view kDataFolderOption = "--data-folder";

// A folder the person named: taken from the working folder when relative.
void TakeNamedFolder(StartOptions& options, std::string_view named,
                     const std::filesystem::path& workingFolder, std::string_view source) {
  const std::filesystem::path folder(named);
  if (folder.is_absolute()) {
    options.dataFolder = folder.lexically_normal();
  } else if (workingFolder.empty()) {
    options.error = "the working folder cannot be read, so the relative folder in " +
                    std::string(source) + " names nothing";
  } else {
    options.dataFolder = (workingFolder / folder).lexically_normal();
  }
}

}  // namespace

StartOptions ReadStartOptions(int argc, char** argv, const EnvironmentLookup& environment,
                              const std::filesystem::path& workingFolder) {
  StartOptions options;
  std::optional<std::string> named;
  for (int i = 0; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (i > 0 && argument == kDataFolderOption) {
      if (i + 1 == argc) {
        options.error = "--data-folder needs a folder";
        break;
      }
      named = argv[++i];
    } else if (i > 0 && argument.starts_with(std::string(kDataFolderOption) + "=")) {
      named = std::string(argument.substr(kDataFolderOption.size() + 1));
    } else if (i > 0 && (argument == "--help" || argument == "-h")) {
      options.showHelp = true;
    } else if (i > 0 && (argument == "--version" || argument == "-v")) {
      options.showVersion = true;
    } else if (i > 0 && argument.starts_with("--") && options.error.empty() &&
               !IsStartSwitch(argument.substr(2))) {
      // Qt's own options have one dash; two name an option of this program, and there is
      // none of that name.
      options.error = "unknown option " + std::string(argument);
    } else {
      options.remaining.push_back(argv[i]);
    }
  }
  options.remaining.push_back(nullptr);
  if (!options.error.empty()) return options;

  if (named) {
    if (named->empty()) {
      options.error = "--data-folder needs a folder";
    } else {
      TakeNamedFolder(options, *named, workingFolder, "--data-folder");
    }
    return options;
  }
  if (const char* chosen = environment("VESMIRA_DATA_FOLDER"); chosen && *chosen) {
    TakeNamedFolder(options, chosen, workingFolder, "VESMIRA_DATA_FOLDER");
    return options;
  }
  if (const char* dataHome = environment("XDG_DATA_HOME");
      dataHome && std::filesystem::path(dataHome).is_absolute()) {
    options.dataFolder = (std::filesystem::path(dataHome) / "Vesmira").lexically_normal();
    return options;
  }
  const char* home = environment("HOME");
  if (home == nullptr || !std::filesystem::path(home).is_absolute()) {
    options.error = "neither HOME nor XDG_DATA_HOME names a folder, so the diary has no place";
    return options;
  }
  options.dataFolder =
      (std::filesystem::path(home) / ".local" / "share" / "Vesmira").lexically_normal();
  return options;
}

// The switches that start the program without the title picture, in any case and with one
// or two dashes: they are the application object's.
bool IsStartSwitch(std::string_view name) {
  return EqualIgnoringCase(name, "embedding") || EqualIgnoringCase(name, "automation");
}

std::string UsageText() {
  return "Usage: vesmira [--data-folder FOLDER] [-Embedding | -Automation]\n"
         "A personal calorie diary.\n"
         "\n"
         "  --data-folder FOLDER  keep the diary in FOLDER (for example a synced folder);\n"
         "                        the variable VESMIRA_DATA_FOLDER does the same. Without\n"
         "                        either it is $XDG_DATA_HOME/Vesmira, by default\n"
         "                        ~/.local/share/Vesmira\n"
         "  -Embedding, -Automation\n"
         "                        start without the title picture\n"
         "  -h, --help            show this text\n"
         "  -v, --version         show the version\n";
}

std::optional<std::string> CreateDataFolder(const std::filesystem::path& folder) {
  std::error_code error;
  // The folders above it as any program makes them; the diary's own is the person's alone.
  if (folder.has_parent_path()) std::filesystem::create_directories(folder.parent_path(), error);
  if (error) return "cannot create the data folder " + folder.string() + ": " + error.message();
  if (const std::optional<FileError> made = MakePrivateFolder(folder)) {
    return "cannot create the data folder " + folder.string() + ": " + FileErrorMessage(*made);
  }
  if (!std::filesystem::is_directory(folder, error)) {
    return "the data folder " + folder.string() + " is not a folder";
  }
  return std::nullopt;
}

}  // namespace vesmira
