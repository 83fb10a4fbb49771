#include "diary/weighing.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>

#include "diary/day_file.h"
#include "support/temp_folder.h"

namespace vesmira {
namespace {

using testing::ReadBytes;
using testing::WithCrLf;

// Typed on the form in the user's unit, then the bytes stored and what the form shows again.
TEST(Weighing, TypedTextIsStoredInKilogramsAndShownAgainInTheUsersUnit) {
  struct Case {
    const char* typed;
    bool kilograms;
    const char* stored;  // empty: no weighing, nothing stored
    const char* shown;
  };
  const Case cases[] = {
      {"72.5", true, "72.5", "72.5"},
      {" 72,5 ", true, "72.5", "72.5"},
      {"72", true, "72", "72.0"},
      {"72.456", true, "72.456", "72.456"},
      // Pounds are kept in kilograms to a tenth of a gram, and show as typed.
      {"160.4", false, "72.7562", "160.4"},
      {"200", false, "90.7184", "200.0"},
      {"", true, "", ""},
      {"0", true, "", ""},
      {"-70", true, "", ""},
      {"72.5kg", true, "", ""},
      {"abc", false, "", ""},
      {"1000.1", true, "", ""},
      {"inf", true, "", ""},
  };
  for (const Case& c : cases) {
    const std::optional<double> kilograms = WeighingFromTyped(c.typed, c.kilograms);
    EXPECT_EQ(kilograms ? FormatStoredWeight(*kilograms) : "", c.stored) << c.typed;
    EXPECT_EQ(kilograms ? FormatWeighing(*kilograms, c.kilograms) : "", c.shown) << c.typed;
    // The text shown gives the same stored bytes again, so a day saved twice does not drift.
    if (kilograms) {
      EXPECT_EQ(WeighingFromTyped(FormatWeighing(*kilograms, c.kilograms), c.kilograms), kilograms)
          << c.typed;
    }
  }
}

TEST(Weighing, StoredTextThatIsNotADecimalNumberIsNoWeighing) {
  struct Case {
    const char* stored;
    std::optional<double> kilograms;
  };
  const Case cases[] = {
      {"72.5", 72.5},
      {" 72.5\t", 72.5},
      {"1e2", 100.0},
      {"72,5", 72.5},
      {"", std::nullopt},
      {"72.5 kg", 72.5},
      {"72.5KG", 72.5},
      {"160 lbs", 72.57472},
      {"\xEF\xBC\x97\xEF\xBC\x92\xEF\xBC\x8C"
       "5",
       72.5},
      {"72.5 st", std::nullopt},
      {"kg", std::nullopt},
      {"72,5,1", std::nullopt},
      {"nan", std::nullopt},
      {"-1", std::nullopt},
      {"0", std::nullopt},
      {"+72", std::nullopt},
      {"1001", std::nullopt},
      {"1e-300", std::nullopt},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseStoredWeight(c.stored), c.kilograms) << c.stored;
}

DayEntries WeighedDay(std::optional<double> kilograms, std::string note = "Ran.") {
  DayEntries entries = DayEntries::ForMissingDay();
  entries.meals[0] = "500";
  entries.diaryNote = std::move(note);
  entries.vikt = kilograms;
  return entries;
}

std::string Bytes(const DayEntries& entries) {
  std::ostringstream out;
  WriteDayFile(out, entries, "500", "0");
  return out.str();
}

TEST(Weighing, OneMoreEntryBeforeTheNoteOnlyOnADayWithAWeighing) {
  const std::string without = Bytes(WeighedDay(std::nullopt));
  const std::string with = Bytes(WeighedDay(72.5));
  const std::string entry = WithCrLf("vikt\n72.5\n\n");
  const std::size_t note = without.find(WithCrLf("diaryNote\n"));
  ASSERT_NE(note, std::string::npos);
  EXPECT_EQ(with, without.substr(0, note) + entry + without.substr(note));
  EXPECT_EQ(without.find("vikt"), std::string::npos);
  // A value that is no weighing is not written at all.
  EXPECT_EQ(Bytes(WeighedDay(-3.0)), without);

  // Every reader finds every key of a weighed day, the note whole.
  for (const auto& [bytes, kilograms] : {std::pair{without, std::optional<double>()},
                                         std::pair{with, std::optional<double>(72.5)}}) {
    std::istringstream forForm(bytes);
    EXPECT_EQ(ReadDayFile(forForm), WeighedDay(kilograms));
    std::istringstream forRecord(bytes);
    DayRecord record;
    ReadDayRecord(forRecord, record);
    EXPECT_EQ(record.diaryNote, "Ran.");
    EXPECT_EQ(record.meals[0], 500);
    std::istringstream forTotals(bytes);
    const DayTotals totals = ReadDayTotals(forTotals);
    EXPECT_EQ(totals.energySum, 500);
    EXPECT_EQ(totals.vikt, kilograms);
  }
}

TEST(Weighing, ANoteLineThatBeginsWithTheKeyIsNoWeighingAndTheNoteStaysWhole) {
  const DayEntries day = WeighedDay(std::nullopt, "vikt\n80\nfelt heavy");
  const std::string bytes = Bytes(day);
  std::istringstream forForm(bytes);
  EXPECT_EQ(ReadDayFile(forForm), day);
  std::istringstream forTotals(bytes);
  EXPECT_EQ(ReadDayTotals(forTotals).vikt, std::nullopt);

  // With a weighing as well, the note's own lines are still the note's.
  const DayEntries weighed = WeighedDay(80.25, "vikt\n81");
  std::istringstream again(Bytes(weighed));
  EXPECT_EQ(ReadDayFile(again), weighed);
}

// A value no reader understands is no weighing, and is written back as it stood: a save of
// the day never drops a line it could not read.
TEST(Weighing, AStoredValueThatIsNotANumberIsKeptAsItStands) {
  std::string bytes = Bytes(WeighedDay(72.5));
  bytes.replace(bytes.find("72.5"), 4, "heavy");
  std::istringstream in(bytes);
  const DayEntries read = ReadDayFile(in);
  EXPECT_EQ(read.vikt, std::nullopt);
  EXPECT_EQ(read.unreadVikt, "heavy");
  EXPECT_EQ(read.diaryNote, "Ran.");
  EXPECT_EQ(Bytes(read), bytes);
  DayEntries typedOver = read;
  typedOver.vikt = 72.5;
  EXPECT_EQ(Bytes(typedOver), Bytes(WeighedDay(72.5)));
}

}  // namespace
}  // namespace vesmira
