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

void BM_WriteDayFile(benchmark::State& state) {
  const std::filesystem::path path =
      DayFilePath(ScratchFolder("save"), kUser, DateText(kToday));
  const DayEntries entries = TypicalDay(0);
  for (auto _ : state) {
    if (WriteDayFile(path, entries, "1970", "574")) state.SkipWithError("save failed");
  }
}
BENCHMARK(BM_WriteDayFile)->Unit(benchmark::kMicrosecond);

// The same bytes, written to a temporary file, synced and renamed over the day file.
void BM_BareAtomicWrite(benchmark::State& state) {
  const std::filesystem::path path =
      DayFilePath(ScratchFolder("save"), kUser, DateText(AddDays(kToday, 1)));
  std::filesystem::create_directories(path.parent_path());
  std::ostringstream bytes;
  WriteDayFile(bytes, TypicalDay(0), "1970", "574");
  const std::string day = bytes.str();
  for (auto _ : state) WriteFileBare(path, day);
}
BENCHMARK(BM_BareAtomicWrite)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vesmira::bench
