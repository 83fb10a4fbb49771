// One day: its balance and its save, beside a bare write of the same bytes.
#include <benchmark/benchmark.h>

#include <sstream>

#include "bench_data.h"
#include "diary/day_file.h"
#include "diary/energy_model.h"

namespace vesmira::bench {
namespace {

void BM_ComputeDayBalance(benchmark::State& state) {
  const DayFigures figures = TypicalDay(3).Figures();
  UserSettings settings;
  for (auto _ : state) {
    benchmark::DoNotOptimize(figures);
    benchmark::DoNotOptimize(settings);
    DayBalance balance = ComputeDayBalance(figures, settings);
    benchmark::DoNotOptimize(balance);
  }
}
BENCHMARK(BM_ComputeDayBalance);

// The save against a bare write of the same bytes (temporary file, sync, rename), both
// waiting for the disk; and against the same bare write with the folder synced after the
// rename, as the save does so that the new name survives a power cut.
void DaySave(benchmark::State& state, bool syncFolder) {
  const std::filesystem::path folder = ScratchFolder("save");
  const std::filesystem::path path = DayFilePath(folder, kUser, DateText(kToday));
  const std::filesystem::path barePath = DayFilePath(folder, kUser, DateText(AddDays(kToday, 1)));
  std::filesystem::create_directories(path.parent_path());
  const DayEntries entries = TypicalDay(0);
  std::ostringstream bytes;
  WriteDayFile(bytes, entries, "1970", "574");
  const std::string day = bytes.str();
  Paired(
      state, PairClock::kWall,
      [&] {
        if (WriteDayFile(path, entries, "1970", "574")) state.SkipWithError("save failed");
      },
      [&] { WriteFileBare(barePath, day, syncFolder); });
}
BENCHMARK_CAPTURE(DaySave, BareWrite, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(DaySave, BareWriteAndFolderSync, true)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vesmira::bench
