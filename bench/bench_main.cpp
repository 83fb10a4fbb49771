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

namespace {

struct Ratio {
  std::string_view figure;
  std::string_view measured;
  std::string_view baseline;
  double goal;  // at most this many times the baseline
};

constexpr Ratio kRatios[] = {
    {"year walk (year mode), 365 stored days", "BM_YearWalk", "BM_BareReadYear", 1.5},
    {"  of which reading the totals", "BM_ReadYearTotals", "BM_BareReadYear", 1.5},
    {"Calculate (theoretical result)", "BM_Calculate", "BM_BareReadYear", 1.5},
    {"HTML export to a file, 365 days", "ExportToFile/Page", "BareToFile/Page", 2.0},
    {"sheet export to a file, 365 days", "ExportToFile/Sheet", "BareToFile/Sheet", 2.0},
    {"HTML page walk into memory", "WalkIntoMemory/Page", "BareIntoMemory/Page", 2.0},
    {"sheet walk into memory", "WalkIntoMemory/Sheet", "BareIntoMemory/Sheet", 2.0},
    {"one day save (atomic)", "BM_WriteDayFile", "BM_BareAtomicWrite", 1.2},
};

// Keeps the median real time of every benchmark in nanoseconds (the single run's time when
// there are no repetitions) while the console shows the runs as usual.
class FigureReporter : public benchmark::ConsoleReporter {
 public:
  FigureReporter() : ConsoleReporter(OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const double ns = run.GetAdjustedRealTime() * 1e9 /
                        benchmark::GetTimeUnitMultiplier(run.time_unit);
      const std::string name = run.run_name.str();
      if (run.run_type == Run::RT_Aggregate) {
        if (run.aggregate_name == "median") m_medians[name] = ns;
      } else {
        m_single.try_emplace(name, ns);
      }
    }
  }

  // Nanoseconds, or a negative number when the benchmark did not run.
  double Time(const std::string& name) const {
    if (auto it = m_medians.find(name); it != m_medians.end()) return it->second;
    if (auto it = m_single.find(name); it != m_single.end()) return it->second;
    return -1;
  }

 private:
  std::map<std::string, double> m_medians;
  std::map<std::string, double> m_single;
};

void PrintFigures(const FigureReporter& reporter) {
  std::printf("\n%-42s %14s %14s %7s %6s\n", "figure", "measured", "bare", "ratio", "goal");
  for (const Ratio& ratio : kRatios) {
    const double measured = reporter.Time(std::string(ratio.measured));
    const double bare = reporter.Time(std::string(ratio.baseline));
    if (measured < 0 || bare < 0) continue;
    const double times = measured / bare;
    std::printf("%-42s %11.1f us %11.1f us %6.2fx %5.2fx %s\n", std::string(ratio.figure).c_str(),
                measured / 1e3, bare / 1e3, times, ratio.goal,
                times <= ratio.goal ? "met" : "MISSED");
  }

  if (const double balance = reporter.Time("BM_ComputeDayBalance"); balance >= 0) {
    std::printf("%-42s %11.1f ns %14s %7s %6s %s\n", "ComputeDayBalance", balance, "", "",
                "<100ns", balance < 100 ? "met" : "MISSED");
  }

  double previous = -1;
  int previousUsers = 0;
  for (const int users : {10, 100, 1000}) {
    const double scan = reporter.Time("BM_UsersScan/" + std::to_string(users));
    if (scan < 0) continue;
    std::printf("%-42s %11.1f us %11.1f ns/user", ("users scan, " + std::to_string(users) +
                                                    " users").c_str(),
                scan / 1e3, scan / users);
    if (previous > 0) {
      std::printf("  %.1fx the time for %dx the users", scan / previous, users / previousUsers);
    }
    std::printf("\n");
    previous = scan;
    previousUsers = users;
  }
}

}  // namespace

int main(int argc, char** argv) {
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
