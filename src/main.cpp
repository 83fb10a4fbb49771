#include <QFile>
#include <QString>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

#include "app/data_folder.h"
#include "app/help_page.h"
#include "app/vesmira_app.h"
#include "build_config.h"
#include "cli/command_line.h"

namespace {

// The data folder of options, made when it is missing; the exit status when there is none.
std::optional<int> TakeDataFolder(const vesmira::StartOptions& options) {
  if (!options.error.empty()) {
    std::fprintf(stderr, "vesmira: %s\nTry 'vesmira --help'.\n", options.error.c_str());
    return 2;
  }
  if (const auto problem = vesmira::CreateDataFolder(options.dataFolder)) {
    std::fprintf(stderr, "vesmira: %s\n", problem->c_str());
    return 1;
  }
  return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Only a relative --data-folder needs the working folder; its loss is reported then.
  std::error_code error;
  const std::filesystem::path workingFolder = std::filesystem::current_path(error);
  const auto environment = [](const char* name) { return std::getenv(name); };

  // "vesmira import ..." and "vesmira export ...": no window, no display needed.
  if (const vesmira::CommandLineSplit split = vesmira::SplitCommandLine(argc, argv);
      split.isCommand) {
    std::vector<char*> folderArguments;
    for (const std::string& argument : split.folderArguments) {
      folderArguments.push_back(const_cast<char*>(argument.c_str()));
    }
    const vesmira::StartOptions options =
        vesmira::ReadStartOptions(static_cast<int>(folderArguments.size()), folderArguments.data(),
                                  environment, workingFolder);
    if (const std::optional<int> status = TakeDataFolder(options)) return *status;
    return vesmira::RunCommandLine(options.dataFolder, split.command, vesmira::LocalToday(),
                                   std::cout, std::cerr);
  }
  vesmira::StartOptions options = vesmira::ReadStartOptions(argc, argv, environment, workingFolder);
  if (options.showHelp) {
    std::fputs((vesmira::UsageText() + vesmira::CommandUsageText()).c_str(), stdout);
    return 0;
  }
  if (options.showVersion) {
    std::printf("Vesmira %s\n", vesmira::build::kVersion);
    return 0;
  }
  if (const std::optional<int> status = TakeDataFolder(options)) return *status;

  int qtArgc = static_cast<int>(options.remaining.size()) - 1;
  vesmira::CVesmiraApp app(qtArgc, options.remaining.data());
  // Without its pages the diary still works; Help then says the page is not found.
  for (const QString& problem :
       vesmira::KeepShippedPages(QFile::decodeName(options.dataFolder.c_str()))) {
    std::fprintf(stderr, "vesmira: %s\n", problem.toLocal8Bit().constData());
  }
  if (!app.InitInstance(options.dataFolder)) return app.StartExitStatus();
  return app.exec();
}
