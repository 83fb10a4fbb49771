// Ten years of a Cronometer servings export (about 50,000 lines): read, previewed and written
// into an empty diary, then previewed again (a second import, which changes nothing).
// Goal: each under one second.
#include <benchmark/benchmark.h>

#include <sstream>

#include "bench_data.h"
#include "import/import_plan.h"
#include "settings/properties_file.h"
#include "storage/data_paths.h"

namespace vesmira::bench {
namespace {

std::string TenYearsOfServings() {
  static const char* const kGroups[] = {"Breakfast", "Lunch", "Dinner", "Snacks"};
  std::ostringstream out;
  out << "Day,Time,Group,Food Name,Amount,Energy (kcal),Protein (g)\r\n";
  for (int day = 0; day < 3650; ++day) {
    const std::string date = DateText(AddDays(kToday, -day));
    // DD-MM-YYYY as the diary names it, to YYYY-MM-DD as the export writes it.
    const std::string iso = date.substr(6, 4) + "-" + date.substr(3, 2) + "-" + date.substr(0, 2);
    for (int item = 0; item < 14; ++item) {
      out << iso << ",08:00," << kGroups[item % 4] << ",\"Food " << item << ", cooked\",1 serving,"
          << 50 + (day * 7 + item * 13) % 400 << ".5,3\r\n";
    }
  }
  return out.str();
}

void BM_ImportTenYears(benchmark::State& state) {
  const std::string servings = TenYearsOfServings();
  static int pass = 0;  // a fresh diary for every run, repetitions too
  for (auto _ : state) {
    const std::filesystem::path folder = ScratchFolder("import-" + std::to_string(pass++));
    std::filesystem::create_directories(UserFolderPath(folder, kUser));
    ImportBatch batch;
    ReadImportFile("servings.csv", servings, {}, batch);
    const ImportTarget target{folder, std::string(kUser), UserSettings{}};
    const ImportPlan plan = PlanImport(batch, target, ImportPolicy::kFillEmpty, {});
    const ImportOutcome outcome = ApplyImport(plan, "20270301-120000");
    if (outcome.written != 3650) {
      state.SkipWithError(("written: " + std::to_string(outcome.written)).c_str());
      break;
    }
    const ImportPlan again = PlanImport(batch, target, ImportPolicy::kFillEmpty, {});
    if (!again.days.empty()) {
      state.SkipWithError("a second import would change days");
      break;
    }
    state.counters["lines"] = static_cast<double>(batch.days.size() * 14);
  }
}
BENCHMARK(BM_ImportTenYears)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace vesmira::bench
