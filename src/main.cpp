#include <cstdio>
#include <filesystem>
#include <system_error>

#include "app/vesmira_app.h"

int main(int argc, char* argv[]) {
  vesmira::CVesmiraApp app(argc, argv);
  // The diary lives below the folder the program is started in.
  std::error_code error;
  const std::filesystem::path dataFolder = std::filesystem::current_path(error);
  if (error) {
    std::fprintf(stderr, "vesmira: the working folder cannot be read: %s\n",
                 error.message().c_str());
    return 1;
  }
  if (!app.InitInstance(dataFolder)) return app.StartExitStatus();
  return app.exec();
}
