#include "import/import_readers.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <utility>

#include "diary/weighing.h"
#include "import/zip_archive.h"
#include "storage/atomic_file.h"
#include "storage/file_error.h"

namespace vesmira {

namespace {

constexpr double kKilogramsPerPound = 0.45359237;

struct FormatInfo {
  ImportFormat format;
  std::string_view name;
};
constexpr FormatInfo kFormats[] = {
    {ImportFormat::kCronometerServings, "Cronometer servings"},
    {ImportFormat::kCronometerExercises, "Cronometer exercises"},
    {ImportFormat::kCronometerBiometrics, "Cronometer biometrics"},
    {ImportFormat::kCronometerNotes, "Cronometer notes"},
    {ImportFormat::kCronometerSummary, "Cronometer daily summary"},
    {ImportFormat::kFitnessPalNutrition, "MyFitnessPal nutrition"},
    {ImportFormat::kFitnessPalExercise, "MyFitnessPal exercise"},
    {ImportFormat::kFitnessPalMeasurement, "MyFitnessPal measurements"},
    {ImportFormat::kLibra, "Libra weights"},
    {ImportFormat::kOpenScale, "openScale weights"},
    {ImportFormat::kDateWeight, "dates and weights"},
    {ImportFormat::kUnknown, "no known format"},
};

ImportFormat FormatOfTable(const CsvTable& table) {
  const auto has = [&table](std::string_view name) { return table.Column(name).has_value(); };
  if (has("Day")) {
    if (has("Food Name") && has("Energy (kcal)")) return ImportFormat::kCronometerServings;
    if (has("Exercise") && has("Calories Burned")) return ImportFormat::kCronometerExercises;
    if (has("Metric") && has("Amount")) return ImportFormat::kCronometerBiometrics;
    if (has("Note")) return ImportFormat::kCronometerNotes;
  }
  if (has("Date")) {
    if (has("Energy (kcal)")) return ImportFormat::kCronometerSummary;
    if (has("Meal") && has("Calories")) return ImportFormat::kFitnessPalNutrition;
    if (has("Exercise Calories")) return ImportFormat::kFitnessPalExercise;
    // Its other measurements beside the weight; a file of only dates and weights is read alike.
    if (has("Weight") && table.header.size() > 2) return ImportFormat::kFitnessPalMeasurement;
  }
  if (has("dateTime") && has("weight")) return ImportFormat::kOpenScale;
  // A header of two columns, or none at all: dates, then weights.
  const auto isDate = [](std::string_view text) {
    return ParseDate(text, DateOrder::kDayFirst) || ParseDate(text, DateOrder::kMonthFirst);
  };
  const bool datesFirst = table.header.size() >= 2 &&
                          (table.Column("Date").has_value() || isDate(table.header[0]) ||
                           (!table.records.empty() && isDate(FieldAt(table.records[0], 0))));
  return datesFirst ? ImportFormat::kDateWeight : ImportFormat::kUnknown;
}

// One file's reading: every line read whole before anything of it is taken.
class FileReader {
 public:
  FileReader(const std::string& file, const ImportReadOptions& options, ImportBatch& batch)
      : m_file(file), m_options(options), m_batch(batch) {}

  void Skip(int line, std::string reason) {
    m_batch.skipped.push_back({m_file, line, std::move(reason)});
  }
  // A marked text in the language of the reasons.
  std::string Text(const char* text) const { return m_options.language->Text("Import", text); }
  // The date of a record in ISO form, or the line skipped.
  std::optional<CalendarDate> IsoDate(const CsvRecord& record, std::optional<std::size_t> column) {
    const std::string_view text = FieldAt(record, column);
    std::optional<CalendarDate> date = ParseIsoDate(text);
    if (!date)
      Skip(record.line,
           FillIn(Text(VESMIRA_TEXT("Import", "no date (YYYY-MM-DD): \"%1\"")), {text}));
    return date;
  }
  // The number of what in text, or the line skipped.
  std::optional<double> Number(int line, std::string_view text, const char* what) {
    std::optional<double> value = ParseImportedNumber(text);
    if (!value || !std::isfinite(*value)) {
      Skip(line,
           FillIn(Text(VESMIRA_TEXT("Import", "no number of %1: \"%2\"")), {Text(what), text}));
      return std::nullopt;
    }
    return value;
  }
  std::optional<double> Number(const CsvRecord& record, std::optional<std::size_t> column,
                               const char* what) {
    return Number(record.line, FieldAt(record, column), what);
  }
  // A weighing in kilograms that a person can weigh, or the line skipped.
  std::optional<double> Weighing(int line, double value, bool pounds) {
    const double kilograms = pounds ? value * kKilogramsPerPound : value;
    if (!IsPlausibleWeighing(kilograms)) {
      Skip(line, FillIn(Text(VESMIRA_TEXT("Import", "no weighing from 20 to 500 kg: %1 %2")),
                        {m_options.language->Number(FormatWeightValue(value)),
                         pounds ? kWeightUnitLbs : kWeightUnitKg}));
      return std::nullopt;
    }
    return kilograms;
  }
  ImportedDay& Day(const CalendarDate& date) { return m_batch.days[date]; }
  void AddMeal(const CalendarDate& date, std::string group, double kcal) {
    if (group.empty()) group = "Uncategorized";
    m_batch.mealGroups.insert(group);
    Day(date).mealKcal[group] += kcal;
  }
  void AddBurned(const CalendarDate& date, double kcal) {
    std::optional<double>& burned = Day(date).burnedKcal;
    burned = burned.value_or(0) + std::fabs(kcal);
  }
  void AddNote(const CalendarDate& date, std::string_view note) {
    if (!note.empty()) Day(date).notes.emplace_back(note);
  }
  const ImportReadOptions& Options() const { return m_options; }
  ImportBatch& Batch() { return m_batch; }

 private:
  const std::string& m_file;
  const ImportReadOptions& m_options;
  ImportBatch& m_batch;
};

void ReadMeals(const CsvTable& table, FileReader& reader, std::string_view dateColumn,
               std::string_view groupColumn, std::string_view kcalColumn) {
  const auto date = table.Column(dateColumn);
  const auto group = table.Column(groupColumn);
  const auto kcal = table.Column(kcalColumn);
  const auto note = table.Column("Note");
  for (const CsvRecord& record : table.records) {
    const std::optional<CalendarDate> day = reader.IsoDate(record, date);
    if (!day) continue;
    const std::optional<double> energy =
        reader.Number(record, kcal, VESMIRA_TEXT("Import", "kcal"));
    if (!energy) continue;
    reader.AddMeal(*day, std::string(FieldAt(record, group)), *energy);
    reader.AddNote(*day, FieldAt(record, note));
  }
}

void ReadExercises(const CsvTable& table, FileReader& reader, std::string_view dateColumn,
                   std::string_view kcalColumn) {
  const auto date = table.Column(dateColumn);
  const auto kcal = table.Column(kcalColumn);
  for (const CsvRecord& record : table.records) {
    const std::optional<CalendarDate> day = reader.IsoDate(record, date);
    if (!day) continue;
    if (const std::optional<double> burned =
            reader.Number(record, kcal, VESMIRA_TEXT("Import", "kcal burned"))) {
      reader.AddBurned(*day, *burned);
    }
  }
}

void ReadBiometrics(const CsvTable& table, FileReader& reader) {
  const auto date = table.Column("Day");
  const auto metric = table.Column("Metric");
  const auto unit = table.Column("Unit");
  const auto amount = table.Column("Amount");
  for (const CsvRecord& record : table.records) {
    if (!FieldAt(record, metric).starts_with("Weight")) continue;  // other metrics: not ours
    const std::optional<CalendarDate> day = reader.IsoDate(record, date);
    if (!day) continue;
    const std::string_view unitText = FieldAt(record, unit);
    if (unitText != "kg" && unitText != "lbs") {
      reader.Skip(record.line,
                  FillIn(reader.Text(VESMIRA_TEXT("Import", "no weight unit kg or lbs: \"%1\"")),
                         {unitText}));
      continue;
    }
    const std::optional<double> value =
        reader.Number(record, amount, VESMIRA_TEXT("Import", "weight"));
    if (!value) continue;
    if (const auto kilograms = reader.Weighing(record.line, *value, unitText == "lbs")) {
      reader.Day(*day).weightKg = kilograms;
    }
  }
}

void ReadNotes(const CsvTable& table, FileReader& reader) {
  const auto date = table.Column("Day");
  const auto note = table.Column("Note");
  for (const CsvRecord& record : table.records) {
    if (const std::optional<CalendarDate> day = reader.IsoDate(record, date)) {
      reader.AddNote(*day, FieldAt(record, note));
    }
  }
}

void ReadSummary(const CsvTable& table, FileReader& reader) {
  const auto date = table.Column("Date");
  const auto kcal = table.Column("Energy (kcal)");
  for (const CsvRecord& record : table.records) {
    const std::optional<CalendarDate> day = reader.IsoDate(record, date);
    if (!day) continue;
    if (const std::optional<double> energy =
            reader.Number(record, kcal, VESMIRA_TEXT("Import", "kcal"))) {
      reader.Day(*day).dayTotalKcal = *energy;
    }
  }
}

// Weighings of one column of dates and one of weights, in the unit the person chose; the order
// of day and month from the data, or as told.
void ReadWeighings(const CsvTable& table, FileReader& reader, std::optional<std::size_t> date,
                   std::optional<std::size_t> weight, bool iso, bool pounds) {
  DateOrder order = reader.Options().dateOrder;
  if (!iso && order == DateOrder::kUnknown) {
    std::vector<std::string_view> dates;
    for (const CsvRecord& record : table.records) dates.push_back(FieldAt(record, date));
    order = GuessDateOrder(dates);
    if (order == DateOrder::kUnknown) {
      reader.Batch().dateOrderAsked = true;
      order = DateOrder::kDayFirst;
    }
  }
  for (const CsvRecord& record : table.records) {
    const std::string_view text = FieldAt(record, date);
    const std::optional<CalendarDate> day = iso ? ParseIsoDate(text) : ParseDate(text, order);
    if (!day) {
      reader.Skip(record.line,
                  FillIn(reader.Text(VESMIRA_TEXT("Import", "no date: \"%1\"")), {text}));
      continue;
    }
    // A decimal comma in a file separated by commas splits the weight in two fields.
    std::string value(FieldAt(record, weight));
    if (table.separator == ',' && table.header.size() == 2 && record.fields.size() == 3) {
      value += "." + std::string(FieldAt(record, 2));
    }
    const std::optional<double> number =
        reader.Number(record.line, value, VESMIRA_TEXT("Import", "weight"));
    if (!number) continue;
    if (const auto kilograms = reader.Weighing(record.line, *number, pounds)) {
      reader.Day(*day).weightKg = kilograms;
    }
  }
}

// The local day of a moment in UTC.
std::optional<CalendarDate> LocalDayOfUtc(const CalendarDate& date, int hour, int minute,
                                          int second) {
  std::tm utc{};
  utc.tm_year = date.year - 1900;
  utc.tm_mon = date.month - 1;
  utc.tm_mday = date.day;
  utc.tm_hour = hour;
  utc.tm_min = minute;
  utc.tm_sec = second;
  const std::time_t moment = ::timegm(&utc);
  std::tm local{};
  if (::localtime_r(&moment, &local) == nullptr) return std::nullopt;
  return CalendarDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

void ReadLibra(std::string_view text, FileReader& reader) {
  bool pounds = false;
  bool utc = true;
  int lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++lineNumber;
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
    if (line.starts_with("#Units:")) pounds = line.find("lbs") != std::string_view::npos;
    if (line.starts_with("#Version:")) utc = line.find('5') == std::string_view::npos;
    if (line.empty() || line.front() == '#') continue;
    const std::size_t split = line.find(';');
    const std::string_view stamp = line.substr(0, split);
    const std::string_view rest =
        split == std::string_view::npos ? std::string_view() : line.substr(split + 1);
    std::optional<CalendarDate> day = ParseIsoDate(stamp);
    if (day && utc && stamp.size() >= 19) {
      const auto part = [&stamp](std::size_t at) {
        return (stamp[at] - '0') * 10 + (stamp[at + 1] - '0');
      };
      day = LocalDayOfUtc(*day, part(11), part(14), part(17));
    }
    if (!day) {
      reader.Skip(lineNumber, FillIn(reader.Text("no date: \"%1\""), {stamp}));
      continue;
    }
    const std::optional<double> value = ParseImportedNumber(rest.substr(0, rest.find(';')));
    if (!value) {
      reader.Skip(lineNumber, reader.Text(VESMIRA_TEXT("Import", "no number of weight")));
      continue;
    }
    // Several weighings of one day: the last one counts.
    if (const auto kilograms = reader.Weighing(lineNumber, *value, pounds)) {
      reader.Day(*day).weightKg = kilograms;
    }
  }
}

// Libra's files start with their version and unit, as comments.
bool IsLibraFile(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) bytes.remove_prefix(3);
  return bytes.starts_with("#Version:") || bytes.starts_with("#Units:");
}

void WarnOfJumps(FileReader& reader) {
  ImportBatch& batch = reader.Batch();
  std::optional<std::pair<CalendarDate, double>> last;
  for (const auto& [date, day] : batch.days) {
    if (!day.weightKg) continue;
    if (last && std::fabs(*day.weightKg / last->second - 1) > 0.2) {
      batch.notices.push_back(
          FillIn(reader.Text(VESMIRA_TEXT("Import",
                                          "The weighings of %1 and %2 differ by more than "
                                          "20 %: check the unit of the weights.")),
                 {DateText(last->first), DateText(date)}));
      return;
    }
    last = {date, *day.weightKg};
  }
}

void ReadTable(const std::string& name, std::string_view bytes, FileReader& reader) {
  const CsvTable table = ReadCsv(bytes);
  const ImportFormat format = FormatOfTable(table);
  reader.Batch().files.emplace_back(name, format);
  switch (format) {
    case ImportFormat::kCronometerServings:
      return ReadMeals(table, reader, "Day", "Group", "Energy (kcal)");
    case ImportFormat::kFitnessPalNutrition:
      return ReadMeals(table, reader, "Date", "Meal", "Calories");
    case ImportFormat::kCronometerExercises:
      return ReadExercises(table, reader, "Day", "Calories Burned");
    case ImportFormat::kFitnessPalExercise:
      return ReadExercises(table, reader, "Date", "Exercise Calories");
    case ImportFormat::kCronometerBiometrics:
      return ReadBiometrics(table, reader);
    case ImportFormat::kCronometerNotes:
      return ReadNotes(table, reader);
    case ImportFormat::kCronometerSummary:
      return ReadSummary(table, reader);
    case ImportFormat::kFitnessPalMeasurement:
      reader.Batch().weightUnitAsked = true;
      ReadWeighings(
          table, reader, table.Column("Date"), table.Column("Weight"),
          !table.records.empty() && ParseIsoDate(FieldAt(table.records[0], table.Column("Date"))),
          reader.Options().unitlessInPounds);
      return WarnOfJumps(reader);
    case ImportFormat::kOpenScale:
      return ReadWeighings(table, reader, table.Column("dateTime"), table.Column("weight"), true,
                           false);
    case ImportFormat::kDateWeight: {
      // A first row of a date and a number is data, not a header.
      CsvTable data = table;
      const bool headerIsData = ParseImportedNumber(table.header[1]).has_value();
      if (headerIsData) data.records.insert(data.records.begin(), CsvRecord{1, table.header});
      const bool iso =
          !data.records.empty() && ParseIsoDate(FieldAt(data.records.front(), 0)).has_value();
      reader.Batch().weightUnitAsked = true;
      ReadWeighings(data, reader, 0, 1, iso, reader.Options().unitlessInPounds);
      return WarnOfJumps(reader);
    }
    case ImportFormat::kLibra:
    case ImportFormat::kUnknown:
      break;
  }
  reader.Skip(0, reader.Text(VESMIRA_TEXT("Import", "no format this program reads")));
}

}  // namespace

std::string_view ImportFormatName(ImportFormat format) {
  for (const FormatInfo& info : kFormats) {
    if (info.format == format) return info.name;
  }
  return "no known format";
}

ImportSource ReadImportSource(const std::filesystem::path& path, const TextLanguage& language) {
  ImportSource source;
  StoredBytes stored = ReadStoredFile(path, kMaxImportFileBytes);
  if (stored.error) {
    source.problem = FileErrorMessage(*stored.error, language);
  } else if (!stored.bytes) {
    source.problem = FillIn(
        language.Text("Import", VESMIRA_TEXT("Import", "cannot open %1: there is no such file")),
        {path.string()});
  } else {
    source.bytes = std::move(*stored.bytes);
  }
  return source;
}

void ReadImportFile(const std::string& name, std::string_view bytes,
                    const ImportReadOptions& options, ImportBatch& batch) {
  FileReader reader(name, options, batch);
  if (IsZipArchive(bytes)) {
    const ZipListing listing = ReadZipArchive(bytes);
    if (listing.error) reader.Skip(0, reader.Text(listing.error->c_str()));
    for (const ZipEntry& entry : listing.entries) {
      if (!entry.name.ends_with(".csv")) continue;
      const std::string inner = name + "/" + entry.name;
      FileReader innerReader(inner, options, batch);
      if (entry.error) {
        innerReader.Skip(0, innerReader.Text(entry.error->c_str()));
      } else {
        ReadTable(inner, entry.bytes, innerReader);
      }
    }
    return;
  }
  if (IsLibraFile(bytes)) {
    batch.files.emplace_back(name, ImportFormat::kLibra);
    ReadLibra(bytes, reader);
    return;
  }
  ReadTable(name, bytes, reader);
}

}  // namespace vesmira
