// A year's walk, Calculate and the two exports over 365 stored days, beside a bare loop over
// the same files.
#include <benchmark/benchmark.h>

#include <sstream>

#include "bench_data.h"
#include "diary/day_file.h"
#include "export/export_file.h"
#include "graphs/graph_series.h"
#include "periods/range_walk.h"
#include "periods/theoretical_result.h"

namespace vesmira::bench {
namespace {

void BM_BareReadYear(benchmark::State& state) {
  const auto& files = YearDayFiles();
  for (auto _ : state) benchmark::DoNotOptimize(ReadFilesBare(files));
}
BENCHMARK(BM_BareReadYear)->Unit(benchmark::kMicrosecond);

// The year walk's reading alone: the totals of the same files, their paths made beforehand.
void BM_ReadYearTotals(benchmark::State& state) {
  const auto& files = YearDayFiles();
  for (auto _ : state) {
    for (const auto& file : files) benchmark::DoNotOptimize(ReadDayTotals(file));
  }
}
BENCHMARK(BM_ReadYearTotals)->Unit(benchmark::kMicrosecond);

void BM_YearWalk(benchmark::State& state) {
  const RangeWalkInput input = YearWalkInput();
  GraphSeries series;
  for (auto _ : state) benchmark::DoNotOptimize(WalkStoredDays(input, series));
}
BENCHMARK(BM_YearWalk)->Unit(benchmark::kMicrosecond);

void BM_Calculate(benchmark::State& state) {
  const RangeWalkInput input = YearWalkInput();
  GraphSeries series;
  for (auto _ : state) {
    benchmark::DoNotOptimize(CalculateTheoreticalResult(input, "1970", "574", series));
  }
}
BENCHMARK(BM_Calculate)->Unit(benchmark::kMicrosecond);

std::string Export(RangeWalkMode mode) {
  std::ostringstream out;
  WalkStoredDays(mode, YearWalkInput(), out);
  return out.str();
}

// The walk into memory, and the bare loop plus copying as many bytes.
void WalkIntoMemory(benchmark::State& state, RangeWalkMode mode) {
  const RangeWalkInput input = YearWalkInput();
  for (auto _ : state) {
    std::ostringstream out;
    WalkStoredDays(mode, input, out);
    benchmark::DoNotOptimize(out.view().data());
  }
}

void BareIntoMemory(benchmark::State& state, RangeWalkMode mode) {
  const auto& files = YearDayFiles();
  const std::string bytes = Export(mode);
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReadFilesBare(files));
    std::string copy(bytes);
    benchmark::DoNotOptimize(copy.data());
  }
}

// The export to a file, and the bare loop plus a bare atomic write of as many bytes.
void ExportToFile(benchmark::State& state, RangeWalkMode mode) {
  const RangeWalkInput input = YearWalkInput();
  const std::filesystem::path target = ScratchFolder("export") / "export.out";
  for (auto _ : state) {
    if (ExportStoredDays(mode, input, target)) state.SkipWithError("export failed");
  }
}

void BareToFile(benchmark::State& state, RangeWalkMode mode) {
  const auto& files = YearDayFiles();
  const std::string bytes = Export(mode);
  const std::filesystem::path target = ScratchFolder("export") / "bare.out";
  for (auto _ : state) {
    benchmark::DoNotOptimize(ReadFilesBare(files));
    WriteFileBare(target, bytes);
  }
}

BENCHMARK_CAPTURE(WalkIntoMemory, Page, RangeWalkMode::kHtmlPage)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BareIntoMemory, Page, RangeWalkMode::kHtmlPage)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WalkIntoMemory, Sheet, RangeWalkMode::kDataSheet)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BareIntoMemory, Sheet, RangeWalkMode::kDataSheet)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ExportToFile, Page, RangeWalkMode::kHtmlPage)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BareToFile, Page, RangeWalkMode::kHtmlPage)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ExportToFile, Sheet, RangeWalkMode::kDataSheet)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BareToFile, Sheet, RangeWalkMode::kDataSheet)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vesmira::bench
