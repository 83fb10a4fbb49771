#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "diary/day_file.h"
#include "periods/range_walk.h"
#include "storage/calendar_date.h"

// The stored diaries the benchmarks run over, made once per run in the temporary folder and
// removed at exit.
namespace vesmira::bench {

inline constexpr std::string_view kUser = "Anna";
inline constexpr CalendarDate kToday{2027, 3, 1};

// A day as a person keeps it: most meals and a little training filled in, a short note.
DayEntries TypicalDay(int t);

// A data folder whose user kUser has every one of the 365 days ending on kToday stored.
const std::filesystem::path& YearFolder();
RangeWalkInput YearWalkInput();
// The 365 day files of YearFolder(), in walk order.
const std::vector<std::filesystem::path>& YearDayFiles();

// A data folder with users users, each with a properties file and a folder.
const std::filesystem::path& UsersFolderWith(int users);

// The diary of the start-up measurement in dataFolder: users users, the first of the form's
// list (the last by name) with every day of the years years that end today.
void MakeStartupDiary(const std::filesystem::path& dataFolder, int users, int years);

// A fresh folder for files the benchmarks write, on the same file system as the diaries.
std::filesystem::path ScratchFolder(std::string_view name);

// What the bare baselines do: open, read and close each file with the system calls alone.
std::size_t ReadFilesBare(const std::vector<std::filesystem::path>& files);
// Writes bytes to path's temporary name, syncs, closes and renames it over path; with
// syncFolder the folder is synced after the rename as well.
void WriteFileBare(const std::filesystem::path& path, std::string_view bytes,
                   bool syncFolder = false);

// Seconds on the monotonic clock, and of processor time used by this thread (system calls
// included).
double Now();
double ThreadProcessorTime();

// Which clock a paired figure is timed on. What reads from the page cache is work for the
// processor, and its processor time hardly changes on a busy machine; what waits for the disk
// is timed on the wall clock.
enum class PairClock { kProcessor, kWall };

// Times measured and bare back to back in each iteration, taking turns at going first, so both
// meet the same machine; reports their means as the counters "measured_us" and "bare_us".
template <typename Measured, typename Bare>
void Paired(benchmark::State& state, PairClock clock, Measured measured, Bare bare) {
  const auto now = clock == PairClock::kWall ? Now : ThreadProcessorTime;
  double measuredTotal = 0;
  double bareTotal = 0;
  bool measuredFirst = true;
  for (auto _ : state) {
    for (int i = 0; i < 2; ++i) {
      const double start = now();
      if ((i == 0) == measuredFirst) {
        measured();
        measuredTotal += now() - start;
      } else {
        bare();
        bareTotal += now() - start;
      }
    }
    measuredFirst = !measuredFirst;
  }
  using benchmark::Counter;
  state.counters["measured_us"] = Counter(measuredTotal * 1e6, Counter::kAvgIterations);
  state.counters["bare_us"] = Counter(bareTotal * 1e6, Counter::kAvgIterations);
}

}  // namespace vesmira::bench
