// The day readers over arbitrary bytes, and the writer and reader against each other: a day
// written from arbitrary texts reads back as those texts wherever the format can hold them.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <sstream>
#include <string>

#include "diary/day_file.h"
#include "diary/weighing.h"
#include "fuzz_input.h"
#include "storage/key_value.h"
#include "storage/number_text.h"

namespace {

void ReadArbitraryBytes(std::string_view bytes) {
  std::istringstream forEntries{std::string(bytes)};
  const vesmira::DayEntries entries = vesmira::ReadDayFile(forEntries);
  for (const auto& meal : entries.meals) Check(meal.size() < vesmira::kValueCapacity);
  for (const auto& minutes : entries.minutes) Check(minutes.size() < vesmira::kValueCapacity);
  Check(entries.ovrigForbrukning.size() < vesmira::kValueCapacity);
  Check(!entries.diaryNote.empty());
  Check(!entries.vikt || vesmira::IsWeighing(*entries.vikt));
  (void)entries.Figures();

  std::istringstream forRecord{std::string(bytes)};
  vesmira::DayRecord record;
  vesmira::ReadDayRecord(forRecord, record);
  const vesmira::DayFigures figures = entries.Figures();
  Check(figures.meals == record.meals && figures.minutes == record.minutes &&
        figures.ovrigForbrukning == record.ovrigForbrukning);

  std::istringstream forTotals{std::string(bytes)};
  const vesmira::DayTotals totals = vesmira::ReadDayTotals(forTotals);
  Check(!totals.vikt || vesmira::IsWeighing(*totals.vikt));
}

// Any bit pattern; only a weighing is stored.
std::optional<double> Weighing(FuzzInput& input) {
  std::uint64_t bits = 0;
  for (int i = 0; i < 8; ++i) bits = (bits << 8) | input.Byte();
  double value = 0;
  std::memcpy(&value, &bits, sizeof value);
  if (!vesmira::IsWeighing(value)) return std::nullopt;
  return value;
}

// A value the format holds unchanged: one line of at most 39 characters.
std::string StorableValue(FuzzInput& input) {
  std::string value(input.Text(vesmira::kValueCapacity - 1));
  for (char& c : value) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return value;
}

std::int32_t Number(FuzzInput& input) {
  std::uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) bits = (bits << 8) | input.Byte();
  return static_cast<std::int32_t>(bits);
}

void RoundTrip(FuzzInput& input) {
  vesmira::DayEntries written;
  for (auto& meal : written.meals) meal = StorableValue(input);
  for (auto& minutes : written.minutes) minutes = StorableValue(input);
  written.ovrigForbrukning = StorableValue(input);
  // The two result texts are the form's computed figures, numbers as "%d" shows them.
  const std::string energyIn = vesmira::FormatNumber(Number(input));
  const std::string training = vesmira::FormatNumber(Number(input));
  written.vikt = Weighing(input);
  written.diaryNote = std::string(input.Rest());
  if (written.diaryNote.empty()) written.diaryNote = vesmira::kNotePlaceholder;

  std::ostringstream out;
  vesmira::WriteDayFile(out, written, energyIn, training);
  std::istringstream in(out.str());
  const vesmira::DayEntries read = vesmira::ReadDayFile(in);
  // Every weighing reads back as the very same number, and so does the day's totals.
  std::istringstream forTotals(out.str());
  Check(vesmira::ReadDayTotals(forTotals).vikt == written.vikt);
  if (read != written) {
    auto show = [](const char* what, const std::string& a, const std::string& b) {
      if (a != b) std::fprintf(stderr, "%s: wrote [%s] read [%s]\n", what, a.c_str(), b.c_str());
    };
    for (std::size_t i = 0; i < written.meals.size(); ++i)
      show("meal", written.meals[i], read.meals[i]);
    for (std::size_t i = 0; i < written.minutes.size(); ++i)
      show("minutes", written.minutes[i], read.minutes[i]);
    show("other", written.ovrigForbrukning, read.ovrigForbrukning);
    show("note", written.diaryNote, read.diaryNote);
    if (written.vikt != read.vikt) std::fprintf(stderr, "weighing differs\n");
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  ReadArbitraryBytes(input.Rest());
  RoundTrip(input);
  return 0;
}
