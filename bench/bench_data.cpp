#include "bench_data.h"

#include <fcntl.h>
#include <time.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <system_error>

#include "diary/energy_model.h"
#include "settings/properties_file.h"
#include "settings/users_folder.h"
#include "storage/atomic_file.h"
#include "storage/number_text.h"

namespace vesmira::bench {

namespace {

namespace fs = std::filesystem;

// Every folder of the run lives below one root that goes at exit.
const fs::path& Root() {
  static const fs::path root = [] {
    std::string name = (fs::temp_directory_path() / "vesmira-bench-XXXXXX").string();
    if (::mkdtemp(name.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    std::atexit([] {
      std::error_code error;
      fs::remove_all(Root(), error);
    });
    return fs::path(name);
  }();
  return root;
}

void Check(const std::optional<FileError>& error) {
  if (error) throw std::runtime_error(FileErrorMessage(*error));
}

}  // namespace

DayEntries TypicalDay(int t) {
  DayEntries entries = DayEntries::ForMissingDay();
  entries.meals = {FormatNumber(350 + t % 90),  "120", FormatNumber(650 + t % 45), "0",
                   FormatNumber(700 + t % 120), "150"};
  entries.minutes[0] = FormatNumber(t % 3 == 0 ? 45 : 0);
  entries.minutes[2] = FormatNumber(20 + t % 40);
  entries.ovrigForbrukning = "0";
  entries.diaryNote = "Day " + std::to_string(t) +
                      ": a walk before lunch, soup and bread in the evening.\nSlept well.";
  return entries;
}

const fs::path& YearFolder() {
  static const fs::path folder = [] {
    const fs::path data = Root() / "year";
    const UserSettings settings;
    for (int t = 0; t < kYearLength; ++t) {
      const DayEntries entries = TypicalDay(t);
      const DayBalance balance = ComputeDayBalance(entries.Figures(), settings);
      // Written without a sync: the benchmarks read the files, and making them is not timed.
      std::ostringstream bytes;
      WriteDayFile(bytes, entries, FormatNumber(balance.energyIn), FormatNumber(balance.training));
      const fs::path path = DayFilePath(data, kUser, DateText(SpanDay(kToday, t)));
      fs::create_directories(path.parent_path());
      std::ofstream(path, std::ios::binary) << bytes.str();
    }
    Check(WriteDefaultProperties(PropertiesFilePath(data, kUser)));
    return data;
  }();
  return folder;
}

RangeWalkInput YearWalkInput() {
  RangeWalkInput input;
  input.dataFolder = YearFolder();
  input.user = std::string(kUser);
  input.settings.grundForbrukning = 2200;
  input.settings.mal = 1800;
  input.today = kToday;
  return input;
}

const std::vector<fs::path>& YearDayFiles() {
  static const std::vector<fs::path> files = [] {
    std::vector<fs::path> paths;
    const RangeWalkInput input = YearWalkInput();
    for (int t = 0; t < kYearLength; ++t)
      paths.push_back(DayFilePath(input.dataFolder, input.user, DateText(SpanDay(kToday, t))));
    return paths;
  }();
  return files;
}

const fs::path& UsersFolderWith(int users) {
  static std::map<int, fs::path> folders;
  auto [it, made] = folders.try_emplace(users);
  if (made) {
    it->second = Root() / ("users-" + std::to_string(users));
    fs::create_directories(UsersFolder(it->second));
    std::ostringstream bytes;
    WriteDefaultProperties(bytes);
    for (int i = 0; i < users; ++i) {
      const std::string name = "User " + std::to_string(100000 + i);
      std::ofstream(PropertiesFilePath(it->second, name), std::ios::binary) << bytes.str();
      fs::create_directories(UserFolderPath(it->second, name));
    }
  }
  return it->second;
}

void MakeStartupDiary(const fs::path& dataFolder, int users, int years) {
  fs::create_directories(UsersFolder(dataFolder));
  std::ostringstream properties;
  WriteDefaultProperties(properties);
  std::string first;
  for (int i = 0; i < users; ++i) {
    first = "User " + std::to_string(100000 + i);
    std::ofstream(PropertiesFilePath(dataFolder, first), std::ios::binary) << properties.str();
    fs::create_directories(UserFolderPath(dataFolder, first));
  }
  const UserSettings settings;
  const CalendarDate today = LocalToday();
  for (int t = 0; t < years * kYearLength; ++t) {
    const DayEntries entries = TypicalDay(t);
    const DayBalance balance = ComputeDayBalance(entries.Figures(), settings);
    std::ofstream out(DayFilePath(dataFolder, first, DateText(SpanDay(today, t))),
                      std::ios::binary);
    WriteDayFile(out, entries, FormatNumber(balance.energyIn), FormatNumber(balance.training));
  }
}

fs::path ScratchFolder(std::string_view name) {
  const fs::path folder = Root() / name;
  fs::create_directories(folder);
  return folder;
}

std::size_t ReadFilesBare(const std::vector<fs::path>& files) {
  std::size_t total = 0;
  char buffer[4096];
  for (const fs::path& file : files) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) continue;
    for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;) {
      total += static_cast<std::size_t>(got);
    }
    ::close(fd);
  }
  return total;
}

double Now() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double ThreadProcessorTime() {
  timespec now{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void WriteFileBare(const fs::path& path, std::string_view bytes, bool syncFolder) {
  const fs::path temporary = path.parent_path() / ("." + path.filename().string() + ".tmp");
  const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) throw std::runtime_error("open failed");
  if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()) ||
      ::fsync(fd) != 0 || ::close(fd) != 0 || ::rename(temporary.c_str(), path.c_str()) != 0) {
    throw std::runtime_error("bare write failed");
  }
  if (syncFolder) {
    const int folder = ::open(path.parent_path().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0 || ::fsync(folder) != 0) throw std::runtime_error("folder sync failed");
    ::close(folder);
  }
}

}  // namespace vesmira::bench
