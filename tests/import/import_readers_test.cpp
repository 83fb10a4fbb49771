#include "import/import_readers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "support/time_zone.h"

namespace vesmira {
namespace {

std::string DataFile(const std::string& name) {
  std::ifstream in(std::filesystem::path(VESMIRA_TEST_DATA) / "import" / name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// The batch in one line per day and per skipped line, to compare with a row's expectation.
std::string Summary(const ImportBatch& batch) {
  std::ostringstream out;
  for (const auto& [date, day] : batch.days) {
    out << DateText(date);
    for (const auto& [meal, kcal] : day.mealKcal) out << ' ' << meal << '=' << kcal;
    if (day.burnedKcal) out << " burned=" << *day.burnedKcal;
    if (day.weightKg) out << " kg=" << *day.weightKg;
    if (day.dayTotalKcal) out << " total=" << *day.dayTotalKcal;
    for (const std::string& note : day.notes) out << " note=" << note;
    out << '\n';
  }
  for (const SkippedLine& skipped : batch.skipped) {
    out << "line " << skipped.line << ": " << skipped.reason << '\n';
  }
  return out.str();
}

// Each format from its sample file, or from text: its days as read, and every line skipped.
TEST(ImportReaders, EachFormatGivesItsDaysAndNamesEveryLineItSkips) {
  const testing::ScopedTimeZone zone("Europe/Stockholm");
  const struct {
    const char* file;  // a sample file under tests/data/import, or none
    std::string text;  // the file's bytes when there is none
    ImportFormat format;
    std::string days;
  } rows[] = {
      {"cronometer-servings.csv", "", ImportFormat::kCronometerServings,
       "01-12-2026 Breakfast=250 Lunch=320 Snacks=95\n02-12-2026 Dinner=640\n"
       "line 7: no number of kcal: \"abc\"\n"},
      {"cronometer-exercises.csv", "", ImportFormat::kCronometerExercises,
       "01-12-2026 burned=390.4\n"},
      {"cronometer-biometrics.csv", "", ImportFormat::kCronometerBiometrics,
       "01-12-2026 kg=78.4\n02-12-2026 kg=78.0179\n"},
      {"cronometer-notes.csv", "", ImportFormat::kCronometerNotes,
       "01-12-2026 note=Felt good, slept 8 h\n"},
      {"cronometer-dailysummary.csv", "", ImportFormat::kCronometerSummary,
       "03-12-2026 total=2100\n"},
      {"mfp-export.zip", "", ImportFormat::kFitnessPalExercise,
       "01-12-2026 Breakfast=300 Snacks=150 burned=300 kg=78.4\n"
       "02-12-2026 Dinner=700 kg=78.1 note=Pizza night\n"},
      // Two weighings of one local day: the last; 23:30 UTC is the next day in Stockholm.
      {"libra.csv", "", ImportFormat::kLibra, "01-12-2026 kg=79\n02-12-2026 kg=78.2\n"},
      {nullptr, "#Version: 6\n#Units: lbs\n2026-12-01T23:30:00.000Z;172.0\nnot a date;70\n",
       ImportFormat::kLibra, "02-12-2026 kg=78.0179\nline 4: no date: \"not a date\"\n"},
      {"openscale.csv", "", ImportFormat::kOpenScale, "01-12-2026 kg=78.4\n"},
      // Day first, told by the 13th; a decimal comma; semicolons.
      {"dates-weights.csv", "", ImportFormat::kDateWeight,
       "01-12-2026 kg=78.4\n13-12-2026 kg=78.1\n"},
      {nullptr, "12/13/2026,78.1\n12/01/2026,7\n", ImportFormat::kDateWeight,
       "13-12-2026 kg=78.1\nline 2: no weighing from 20 to 500 kg: 7.0 kg\n"},
      // A decimal comma in a comma-separated file, a byte-order mark and columns in another order.
      {nullptr,
       "\xEF\xBB\xBF"
       "date,weight\r\n2026-12-01,78,4\r\n",
       ImportFormat::kDateWeight, "01-12-2026 kg=78.4\n"},
      {nullptr,
       "Group,Energy (kcal),Food Name,Day\r\nDinner,\"1,5\",Soup,2026-12-05\r\n"
       "Dinner,10,Bread,05/12/2026\r\n",
       ImportFormat::kCronometerServings,
       "05-12-2026 Dinner=1.5\nline 3: no date (YYYY-MM-DD): \"05/12/2026\"\n"},
      {nullptr, "Name,Colour\nPear,green\n", ImportFormat::kUnknown,
       "line 0: no format this program reads\n"},
      // A note over two lines: the lines after it keep their own numbers.
      {nullptr, "Day,Group,Note\n2026-12-01,x,\"Two\nlines\"\n2026-12-0x,x,Late\n",
       ImportFormat::kCronometerNotes,
       "01-12-2026 note=Two\nlines\nline 4: no date (YYYY-MM-DD): \"2026-12-0x\"\n"},
      // Version 5 writes local times: 23:30 stays on its day.
      {nullptr, "#Version: 5\n#Units: kg\n2026-12-01 23:30:00;78.0;;\n", ImportFormat::kLibra,
       "01-12-2026 kg=78\n"},
      // An archive cut short: named, nothing read from it.
      {nullptr, std::string("PK\x03\x04", 4) + std::string(40, '\0'), ImportFormat::kUnknown,
       "line 0: not a zip archive, or a damaged one\n"},
  };
  for (const auto& row : rows) {
    const std::string bytes = row.file ? DataFile(row.file) : row.text;
    SCOPED_TRACE(row.file ? row.file : row.text);
    ImportBatch batch;
    ReadImportFile("file", bytes, {}, batch);
    EXPECT_EQ(batch.files.empty() ? ImportFormat::kUnknown : batch.files.front().second,
              row.format);
    EXPECT_EQ(Summary(batch), row.days);
  }
}

// Weighings without a unit, and dates whose order the data does not tell: as the person says.
TEST(ImportReaders, WhatTheDataDoesNotTellIsTakenAsTold) {
  const std::string ambiguous = "Date,Weight\n01/02/2026,170\n03/04/2026,100\n";
  ImportBatch told;
  ReadImportFile("file", ambiguous, {true, DateOrder::kMonthFirst}, told);
  EXPECT_EQ(Summary(told), "02-01-2026 kg=77.1107\n04-03-2026 kg=45.3592\n");
  EXPECT_EQ(told.notices.size(), 1u);  // a jump of more than 20 %: a unit to check
  ImportBatch guessed;
  ReadImportFile("file", ambiguous, {}, guessed);
  EXPECT_TRUE(guessed.dateOrderAsked && guessed.weightUnitAsked);
  EXPECT_EQ(Summary(guessed), "01-02-2026 kg=170\n03-04-2026 kg=100\n");
}

}  // namespace
}  // namespace vesmira
