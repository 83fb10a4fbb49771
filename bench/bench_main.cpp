// Runs every benchmark, then prints each figure beside its bare baseline from the same run
// with their ratio and goal. Each benchmark is repeated and its repetitions interleaved at
// random with the others', and the medians compared, so a noisy machine slows figure and
// baseline alike.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "bench_data.h"

namespace {

// Each figure is timed beside its baseline inside one benchmark (see Paired in bench_data.h).
struct Ratio {
  std::string_view figure;
  std::string_view benchmark;
  double goal;  // at most this many times the baseline
};

constexpr Ratio kRatios[] = {
    {"Calculate (theoretical result), 365 stored days [cpu]", "BM_Calculate", 1.5},
    {"  of which reading the totals [cpu]", "BM_ReadYearTotals", 1.5},
    {"HTML page walk into memory [cpu]", "WalkIntoMemory/Page", 2.0},
    {"sheet walk into memory [cpu]", "WalkIntoMemory/Sheet", 2.0},
    {"HTML export to a file, 365 days [wall]", "Export/Page", 2.0},
    {"sheet export to a file, 365 days [wall]", "Export/Sheet", 2.0},
    {"one day save (atomic) [wall]", "DaySave/BareWrite", 1.2},
    {"one day save, bare write syncing the folder too [wall]", "DaySave/BareWriteAndFolderSync",
     1.2},
};

// Keeps the medians of every benchmark's repetitions (the single run's figures when there are
// no repetitions), in nanoseconds, while the console shows the runs as usual.
class FigureReporter : public benchmark::ConsoleReporter {
 public:
  FigureReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
      if (run.run_type == Run::RT_Aggregate && !median) continue;
      const double perUnit = 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
      Figures figures{run.GetAdjustedRealTime() * perUnit, run.GetAdjustedCPUTime() * perUnit, {}};
      for (const auto& [name, counter] : run.counters) figures.counters[name] = counter.value * 1e3;
      if (median) {
        m_medians[run.run_name.str()] = figures;
      } else {
        m_single.try_emplace(run.run_name.str(), figures);
      }
    }
  }

  struct Figures {
    double real = -1;
    double processor = -1;
    std::map<std::string, double> counters;  // microsecond counters, in nanoseconds
  };

  const Figures* Find(std::string_view name) const {
    if (auto it = m_medians.find(std::string(name)); it != m_medians.end()) return &it->second;
    if (auto it = m_single.find(std::string(name)); it != m_single.end()) return &it->second;
    return nullptr;
  }

 private:
  std::map<std::string, Figures> m_medians;
  std::map<std::string, Figures> m_single;
};

void PrintFigures(const FigureReporter& reporter) {
  std::printf("\n%-62s %13s %13s %7s %6s\n", "figure", "measured", "bare", "ratio", "goal");
  for (const Ratio& ratio : kRatios) {
    const auto* figures = reporter.Find(ratio.benchmark);
    if (figures == nullptr || figures->counters.count("bare_us") == 0) continue;
    const double measured = figures->counters.at("measured_us");
    const double bare = figures->counters.at("bare_us");
    const double times = measured / bare;
    std::printf("%-62s %10.1f us %10.1f us %6.2fx %5.2fx %s\n", std::string(ratio.figure).c_str(),
                measured / 1e3, bare / 1e3, times, ratio.goal,
                times <= ratio.goal ? "met" : "MISSED");
  }

  if (const auto* balance = reporter.Find("BM_ComputeDayBalance")) {
    std::printf("%-62s %10.1f ns %13s %7s %6s %s\n", "ComputeDayBalance (processor time)",
                balance->processor, "", "", "<100ns", balance->processor < 100 ? "met" : "MISSED");
  }

  if (const auto* import = reporter.Find("BM_ImportTenYears/iterations:3")) {
    std::printf("%-62s %10.1f ms %13s %7s %6s %s\n",
                "import of ten years of servings, twice (wall)", import->real / 1e6, "", "", "<1s",
                import->real < 1e9 ? "met" : "MISSED");
  }

  double previous = -1;
  int previousUsers = 0;
  for (const int users : {10, 100, 1000}) {
    const auto* scan = reporter.Find("BM_UsersScan/" + std::to_string(users));
    if (scan == nullptr) continue;
    const double time = scan->processor;
    std::printf("%-62s %10.1f us %10.1f ns/user",
                ("users scan (processor time), " + std::to_string(users) + " users").c_str(),
                time / 1e3, time / users);
    if (previous > 0) {
      std::printf("  %.1fx the time for %dx the users", time / previous, users / previousUsers);
    }
    std::printf("\n");
    previous = time;
    previousUsers = users;
  }
}

}  // namespace

int main(int argc, char** argv) {
  // --make-diary=FOLDER writes the start-up measurement's diary and does nothing else.
  constexpr std::string_view kMakeDiary = "--make-diary=";
  if (argc == 2 && std::string_view(argv[1]).starts_with(kMakeDiary)) {
    vesmira::bench::MakeStartupDiary(std::string_view(argv[1]).substr(kMakeDiary.size()), 100, 10);
    return 0;
  }
  std::vector<char*> args(argv, argv + argc);
  std::string repetitions = "--benchmark_repetitions=5";
  std::string interleave = "--benchmark_enable_random_interleaving=true";
  std::string aggregates = "--benchmark_display_aggregates_only=true";
  // The defaults go first, so a flag given on the command line wins.
  args.insert(args.begin() + 1, {repetitions.data(), interleave.data(), aggregates.data()});
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  FigureReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  PrintFigures(reporter);
  benchmark::Shutdown();
  return 0;
}
