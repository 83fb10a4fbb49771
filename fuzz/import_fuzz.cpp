// The importers' readers over arbitrary bytes: whatever a file holds, every day read is a real
// date with finite figures and a weighing a person can weigh, and a line is taken whole or
// named as skipped.
#include <cmath>
#include <cstdlib>
#include <string>

#include "fuzz_input.h"
#include "import/import_readers.h"
#include "import/zip_archive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput input(data, size);
  const std::uint8_t choices = input.Byte();
  vesmira::ImportReadOptions options;
  options.unitlessInPounds = (choices & 1) != 0;
  options.dateOrder = static_cast<vesmira::DateOrder>((choices >> 1) % 3);
  const std::string bytes(input.Rest());
  vesmira::ImportBatch batch;
  vesmira::ReadImportFile("fuzzed.csv", bytes, options, batch);
  for (const auto& [date, day] : batch.days) {
    Check(vesmira::IsValidDate(date));
    for (const auto& [meal, kcal] : day.mealKcal) Check(std::isfinite(kcal));
    Check(!day.burnedKcal || (std::isfinite(*day.burnedKcal) && *day.burnedKcal >= 0));
    Check(!day.weightKg || (*day.weightKg >= 20 && *day.weightKg <= 500));
  }
  for (const auto& skipped : batch.skipped) Check(skipped.line >= 0 && !skipped.reason.empty());
  // An archive: every file unpacked is no larger than allowed.
  for (const auto& entry : vesmira::ReadZipArchive(bytes).entries) {
    Check(entry.bytes.size() <= vesmira::kMaxZipEntryBytes);
  }
  return 0;
}
