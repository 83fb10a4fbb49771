// The users scan of the diary form's user list, with 10, 100 and 1,000 users.
#include <benchmark/benchmark.h>

#include "bench_data.h"
#include "settings/users_folder.h"

namespace vesmira::bench {
namespace {

void BM_UsersScan(benchmark::State& state) {
  const std::filesystem::path& data = UsersFolderWith(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ScanUserList(data));
}
BENCHMARK(BM_UsersScan)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vesmira::bench
