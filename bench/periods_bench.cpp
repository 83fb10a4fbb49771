// Calculate and the two exports over 365 stored days, each timed beside a bare
// loop that opens, reads and closes the same files.
#include <benchmark/benchmark.h>

#include <sstream>

#include "bench_data.h"
#include "diary/day_file.h"
#include "export/export_file.h"
#include "graphs/graph_series.h"
#include "periods/theoretical_result.h"

namespace vesmira::bench {
namespace {

void BareReadYear() { benchmark::DoNotOptimize(ReadFilesBare(YearDayFiles())); }

// Calculate's reading alone: the totals of the same files, their paths made beforehand.
void BM_ReadYearTotals(benchmark::State& state) {
  Paired(
      state, PairClock::kProcessor,
      [] {
        for (const auto& file : YearDayFiles()) benchmark::DoNotOptimize(ReadDayTotals(file));
      },
      BareReadYear);
}
BENCHMARK(BM_ReadYearTotals)->Unit(benchmark::kMicrosecond);

void BM_Calculate(benchmark::State& state) {
  const RangeWalkInput input = YearWalkInput();
  GraphSeries series;
  Paired(
      state, PairClock::kProcessor,
      [&] { benchmark::DoNotOptimize(CalculateTheoreticalResult(input, "1970", "574", series)); },
      BareReadYear);
}
BENCHMARK(BM_Calculate)->Unit(benchmark::kMicrosecond);

std::string ExportBytes(ExportKind mode) {
  std::ostringstream out;
  WriteStoredDays(mode, YearWalkInput(), out);
  return out.str();
}

// The walk into memory, against the bare loop plus copying as many bytes.
void WalkIntoMemory(benchmark::State& state, ExportKind mode) {
  const RangeWalkInput input = YearWalkInput();
  const std::string bytes = ExportBytes(mode);
  Paired(
      state, PairClock::kProcessor,
      [&] {
        std::ostringstream out;
        WriteStoredDays(mode, input, out);
        benchmark::DoNotOptimize(out.view().data());
      },
      [&] {
        BareReadYear();
        std::string copy(bytes);
        benchmark::DoNotOptimize(copy.data());
      });
}
BENCHMARK_CAPTURE(WalkIntoMemory, Page, ExportKind::kHtmlPage)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(WalkIntoMemory, Sheet, ExportKind::kDataSheet)->Unit(benchmark::kMicrosecond);

// The export to a file, against the bare loop plus a bare atomic write of as many bytes; both
// wait for the disk.
void Export(benchmark::State& state, ExportKind mode) {
  const RangeWalkInput input = YearWalkInput();
  const std::string bytes = ExportBytes(mode);
  const std::filesystem::path target = ScratchFolder("export") / "export.out";
  const std::filesystem::path bareTarget = ScratchFolder("export") / "bare.out";
  Paired(
      state, PairClock::kWall,
      [&] {
        if (ExportStoredDays(mode, input, target)) state.SkipWithError("export failed");
      },
      [&] {
        BareReadYear();
        WriteFileBare(bareTarget, bytes);
      });
}
BENCHMARK_CAPTURE(Export, Page, ExportKind::kHtmlPage)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Export, Sheet, ExportKind::kDataSheet)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vesmira::bench
