// Timings of the fewest-moves search: building its tables, and solving
// random positions once they are built.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <random>
#include <vector>

#include "fewest/cubie.h"
#include "fewest/fewest.h"
#include "fewest/table_cache.h"
#include "fewest/tables.h"

namespace rotalo {
namespace {

// Random positions, every reachable position equally likely, in home-face
// numbers.
std::vector<Buffer> RandomPositions(int count, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<Buffer> cubes;
  for (int n = 0; n < count; ++n) {
    cubes.push_back(fewest::ToFacelets(fewest::RandomCubies(rng)));
  }
  return cubes;
}

// Every table the search uses, built from nothing.
void BM_FewestTables(benchmark::State& state) {
  std::size_t bytes = 0;
  for (auto _ : state) {
    const fewest::Tables tables = fewest::BuildTables();
    bytes = tables.Bytes();
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["MiB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
}
BENCHMARK(BM_FewestTables)->Unit(benchmark::kMillisecond);

// The tables read back from the cache file a first start wrote.
void BM_FewestTablesFromCache(benchmark::State& state) {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("rotalo-bench-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(folder);
  fewest::TablesFrom from = fewest::TablesFrom::Cache;
  fewest::LoadOrBuildTables(folder, from);
  for (auto _ : state) {
    const fewest::Tables tables = fewest::LoadOrBuildTables(folder, from);
    benchmark::DoNotOptimize(tables.twistMove.data());
  }
  state.counters["from_cache"] = from == fewest::TablesFrom::Cache ? 1 : 0;
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_FewestTablesFromCache)->Unit(benchmark::kMillisecond);

// One search after another over 1,000 random positions, with the default
// options.
void BM_SolveFewest(benchmark::State& state) {
  EnsureFewestTables();
  const std::vector<Buffer> cubes = RandomPositions(1000, 7);
  std::size_t next = 0;
  for (auto _ : state) {
    const FewestSolution solution = SolveFewest(cubes[next]);
    benchmark::DoNotOptimize(solution.count);
    next = (next + 1) % cubes.size();
  }
}
BENCHMARK(BM_SolveFewest)->Unit(benchmark::kMicrosecond);

// 1,000 random positions, each solved once and timed on its own (wall
// clock): the median and slowest search and the mean and longest solution.
void ThousandPositions(benchmark::State& state, const FewestOptions& options) {
  EnsureFewestTables();
  const std::vector<Buffer> cubes = RandomPositions(1000, static_cast<unsigned>(state.range(0)));
  std::vector<double> millis;
  std::vector<int> lengths;
  for (auto _ : state) {
    millis.clear();
    lengths.clear();
    for (const Buffer& cube : cubes) {
      const auto begin = std::chrono::steady_clock::now();
      const FewestSolution solution = SolveFewest(cube, options);
      const auto end = std::chrono::steady_clock::now();
      millis.push_back(std::chrono::duration<double, std::milli>(end - begin).count());
      lengths.push_back(solution.count);
    }
  }
  std::sort(millis.begin(), millis.end());
  double sum = 0;
  for (const int length : lengths) {
    sum += length;
  }
  state.counters["median_ms"] = millis[millis.size() / 2];
  state.counters["slowest_ms"] = millis.back();
  state.counters["mean_moves"] = sum / static_cast<double>(lengths.size());
  state.counters["most_moves"] = *std::max_element(lengths.begin(), lengths.end());
  state.counters["at_21"] = static_cast<double>(std::count(lengths.begin(), lengths.end(), 21));
}

// The time budget decides: arguments seed, threads, budget in µs.
void BM_FewestThousandPositions(benchmark::State& state) {
  FewestOptions options;
  options.threads = static_cast<int>(state.range(1));
  options.timeBudget = std::chrono::microseconds(state.range(2));
  ThousandPositions(state, options);
}
BENCHMARK(BM_FewestThousandPositions)
    ->ArgNames({"seed", "threads", "us"})
    ->Args({1, 1, 1500})
    ->Args({1, 2, 1500})
    ->Args({1, 2, 100000})
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

// The first solution the search finds (at most 21 moves).
void BM_FewestFirstSolution(benchmark::State& state) {
  FewestOptions options;
  options.timeBudget = std::chrono::microseconds(0);
  ThousandPositions(state, options);
}
BENCHMARK(BM_FewestFirstSolution)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

// Until a solution of 20 moves or fewer.
void BM_FewestTwentyMoves(benchmark::State& state) {
  FewestOptions options;
  options.targetLength = 20;
  options.timeBudget = std::chrono::seconds(10);
  ThousandPositions(state, options);
}
BENCHMARK(BM_FewestTwentyMoves)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace rotalo

BENCHMARK_MAIN();
