#include "cli/command_line.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <sstream>

#include "export/export_file.h"
#include "import/import_plan.h"
#include "settings/properties_file.h"
#include "settings/users_folder.h"
#include "storage/data_paths.h"
#include "storage/file_error.h"
#include "storage/stored_file.h"

namespace vesmira {

namespace {

constexpr std::string_view kDataFolderOption = "--data-folder";

// A command line that asks for nothing this program does.
struct UsageError {
  std::string what;
};

struct ImportRequest {
  std::optional<std::string> user;
  bool replace = false;
  bool dryRun = false;
  MealMapping meals;
  ImportReadOptions read;
  std::vector<std::string> files;
};

struct ExportRequest {
  std::optional<ExportKind> kind;
  std::optional<std::string> user;
  std::optional<CalendarDate> from;
  std::optional<CalendarDate> to;
  std::optional<std::string> file;
};

// The arguments of a command, one at a time, with the values of options.
class Arguments {
 public:
  explicit Arguments(const std::vector<std::string>& all) : m_all(all) {}
  bool Next(std::string& argument) {
    if (m_at >= m_all.size()) return false;
    argument = m_all[m_at++];
    return true;
  }
  std::string Value(const std::string& option) {
    if (m_at >= m_all.size()) throw UsageError{option + " needs a value"};
    return m_all[m_at++];
  }

 private:
  const std::vector<std::string>& m_all;
  std::size_t m_at = 1;
};

std::optional<CalendarDate> CommandDate(const std::string& text) {
  if (std::optional<CalendarDate> iso = ParseIsoDate(text)) return iso;
  return ParseDate(text, DateOrder::kDayFirst);  // "06-12-2026", as the day files name it
}

ImportRequest ReadImportRequest(const std::vector<std::string>& command) {
  ImportRequest request;
  Arguments arguments(command);
  std::string argument;
  while (arguments.Next(argument)) {
    if (argument == "--user") {
      request.user = arguments.Value(argument);
    } else if (argument == "--replace") {
      request.replace = true;
    } else if (argument == "--dry-run") {
      request.dryRun = true;
    } else if (argument == "--meal") {
      const std::string value = arguments.Value(argument);
      const std::size_t split = value.rfind('=');
      const std::optional<std::size_t> meal =
          split == std::string::npos ? std::nullopt : DiaryMealNamed(value.substr(split + 1));
      if (!meal || split == 0) {
        throw UsageError{
            "--meal takes GROUP=MEAL, MEAL one of Breakfast, Snack, Lunch, "
            "Snack2, Dinner, Supper: " +
            value};
      }
      request.meals.chosen[value.substr(0, split)] = *meal;
    } else if (argument == "--weight-unit") {
      const std::string unit = arguments.Value(argument);
      if (unit != "kg" && unit != "lbs") throw UsageError{"--weight-unit is kg or lbs"};
      request.read.unitlessInPounds = unit == "lbs";
    } else if (argument == "--date-order") {
      const std::string order = arguments.Value(argument);
      if (order != "dmy" && order != "mdy") throw UsageError{"--date-order is dmy or mdy"};
      request.read.dateOrder = order == "dmy" ? DateOrder::kDayFirst : DateOrder::kMonthFirst;
    } else if (argument.starts_with("--")) {
      throw UsageError{"unknown option " + argument};
    } else {
      request.files.push_back(argument);
    }
  }
  if (request.files.empty()) throw UsageError{"import needs at least one file"};
  return request;
}

ExportRequest ReadExportRequest(const std::vector<std::string>& command) {
  ExportRequest request;
  Arguments arguments(command);
  std::string argument;
  const auto kind = [&request](ExportKind chosen) {
    if (request.kind) throw UsageError{"export writes one of --html, --sheet and --weights"};
    request.kind = chosen;
  };
  const auto date = [&arguments](const std::string& option) {
    const std::string text = arguments.Value(option);
    const std::optional<CalendarDate> parsed = CommandDate(text);
    if (!parsed) throw UsageError{option + " takes a date, YYYY-MM-DD: " + text};
    return parsed;
  };
  while (arguments.Next(argument)) {
    if (argument == "--html") {
      kind(ExportKind::kHtmlPage);
    } else if (argument == "--sheet") {
      kind(ExportKind::kDataSheet);
    } else if (argument == "--weights") {
      kind(ExportKind::kWeightSheet);
    } else if (argument == "--user") {
      request.user = arguments.Value(argument);
    } else if (argument == "--from") {
      request.from = date(argument);
    } else if (argument == "--to") {
      request.to = date(argument);
    } else if (argument.starts_with("--") || request.file) {
      throw UsageError{"unknown option or a second file: " + argument};
    } else {
      request.file = argument;
    }
  }
  if (!request.kind) throw UsageError{"export needs one of --html, --sheet and --weights"};
  if (!request.file) throw UsageError{"export needs the file to write"};
  return request;
}

// The user a command works on, and that user's settings; or why there is none.
struct CommandUser {
  std::string name;
  UserSettings settings;
  std::optional<std::string> problem;
};
CommandUser FindUser(const std::filesystem::path& dataFolder,
                     const std::optional<std::string>& wanted) {
  CommandUser user;
  const UserListScan scan = ScanUserList(dataFolder);
  if (scan.error) {
    user.problem = FileErrorMessage(*scan.error);
    return user;
  }
  if (wanted && !HoldsUserName(scan.names, *wanted)) {
    user.problem = "the diary has no user " + *wanted;
    return user;
  }
  if (!wanted && scan.names.empty()) {
    user.problem = "the diary has no user yet: add one in the window (Tools > Users)";
    return user;
  }
  user.name = wanted.value_or(scan.names.front());
  const StoredProperties stored = ReadStoredProperties(PropertiesFilePath(dataFolder, user.name));
  if (stored.error) user.problem = FileErrorMessage(*stored.error);
  user.settings = stored.settings.value_or(UserSettings{});
  return user;
}

int RunImport(const std::filesystem::path& dataFolder, const ImportRequest& request,
              std::ostream& out, std::ostream& err) {
  const CommandUser user = FindUser(dataFolder, request.user);
  if (user.problem) {
    err << "vesmira import: " << *user.problem << '\n';
    return 1;
  }
  ImportBatch batch;
  for (const std::string& file : request.files) {
    const ImportSource source = ReadImportSource(file);
    if (source.problem) {
      err << "vesmira import: " << *source.problem << '\n';
      return 1;
    }
    ReadImportFile(file, source.bytes, request.read, batch);
  }
  const ImportPlan plan = PlanImport(
      batch, {dataFolder, user.name, user.settings},
      request.replace ? ImportPolicy::kReplace : ImportPolicy::kFillEmpty, request.meals);
  out << FormatImportPreview(plan);
  const bool unknown = std::any_of(batch.files.begin(), batch.files.end(), [](const auto& file) {
    return file.second == ImportFormat::kUnknown;
  });
  if (request.dryRun) return unknown ? 1 : 0;
  const ImportOutcome outcome = ApplyImport(plan, ConflictStampNow());
  out << "\nImported " << outcome.written << (outcome.written == 1 ? " day.\n" : " days.\n");
  for (const std::string& failure : outcome.failures) {
    err << "vesmira import: " << failure << '\n';
  }
  return outcome.failures.empty() && !unknown ? 0 : 1;
}

int RunExport(const std::filesystem::path& dataFolder, const ExportRequest& request,
              const CalendarDate& today, std::ostream& err) {
  const CommandUser user = FindUser(dataFolder, request.user);
  if (user.problem) {
    err << "vesmira export: " << *user.problem << '\n';
    return 1;
  }
  RangeWalkInput input{dataFolder, user.name, user.settings, request.to.value_or(today)};
  if (request.from) {
    const std::int64_t days = DaysSinceEpoch(input.today) - DaysSinceEpoch(*request.from) + 1;
    if (days < 1 || days > 100 * 366) {
      err << "vesmira export: --from must be on or before --to, and within a hundred years\n";
      return 2;
    }
    input.spanDays = static_cast<int>(days);
  }
  if (const std::optional<FileError> error =
          ExportStoredDays(*request.kind, input, std::filesystem::path(*request.file))) {
    err << "vesmira export: " << FileErrorMessage(*error) << '\n';
    return 1;
  }
  return 0;
}

}  // namespace

CommandLineSplit SplitCommandLine(int argc, const char* const* argv) {
  CommandLineSplit split;
  if (argc > 0) split.folderArguments.emplace_back(argv[0]);
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == kDataFolderOption) {
      split.folderArguments.emplace_back(argument);
      if (i + 1 < argc) split.folderArguments.emplace_back(argv[++i]);
    } else if (argument.starts_with(std::string(kDataFolderOption) + "=")) {
      split.folderArguments.emplace_back(argument);
    } else if (split.command.empty() && argument != "import" && argument != "export") {
      return {};  // the window's own arguments
    } else {
      split.command.emplace_back(argument);
    }
  }
  split.isCommand = !split.command.empty();
  return split;
}

int RunCommandLine(const std::filesystem::path& dataFolder, const std::vector<std::string>& command,
                   const CalendarDate& today, std::ostream& out, std::ostream& err) {
  const std::string& name = command.front();
  if (std::any_of(command.begin(), command.end(), [](const std::string& argument) {
        return argument == "--help" || argument == "-h";
      })) {
    out << CommandUsageText().substr(1);
    return 0;
  }
  try {
    if (name == "import") return RunImport(dataFolder, ReadImportRequest(command), out, err);
    return RunExport(dataFolder, ReadExportRequest(command), today, err);
  } catch (const UsageError& error) {
    err << "vesmira " << name << ": " << error.what << "\nTry 'vesmira --help'.\n";
    return 2;
  }
}

std::string CommandUsageText() {
  return "\n"
         "Without a window:\n"
         "  vesmira import [--user NAME] [--replace] [--dry-run] [--meal GROUP=MEAL]...\n"
         "                 [--weight-unit kg|lbs] [--date-order dmy|mdy] FILE...\n"
         "      bring days in from Cronometer, MyFitnessPal (its CSV files or zip), Libra,\n"
         "      openScale or a file of dates and weights. Prints what changes; without\n"
         "      --dry-run it is written. Only empty fields are filled unless --replace.\n"
         "      MEAL is one of Breakfast, Snack, Lunch, Snack2, Dinner, Supper.\n"
         "  vesmira export --html|--sheet|--weights [--user NAME]\n"
         "                 [--from DATE] [--to DATE] FILE\n"
         "      write the page, the data sheet or the weight sheet of the days from DATE\n"
         "      to DATE (YYYY-MM-DD; by default the year that ends today).\n"
         "Exit status: 0 done, 1 a file or day that cannot be read or written, 2 a bad\n"
         "command line.\n";
}

}  // namespace vesmira
