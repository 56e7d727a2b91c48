// How long differential indexing takes on large sets of head change gears:
// 200 gears of 12 to 400 teeth (each owned once), and the largest set the
// gear editor takes, every count from 12 to 400 four times (1556 gears).
// The search follows every key of the dividing head's N and runs at
// start-up for the restored N, so each must answer within 0.2 s.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "head_gear_sets.h"

#include "core/workshop/differential_indexing_calc.h"

using namespace workshop;

namespace {

const std::vector<int> kBrownAndSharp = {15, 16, 17, 18, 19, 20, 21, 23, 27,
                                         29, 31, 33, 37, 39, 41, 43, 47, 49};


// 127 divisions: no Brown and Sharp circle gives it. `most` 6 is the
// indexing window's list, 1 the page's note.
void run(benchmark::State& state, long divisions, std::size_t most) {
  const std::vector<int> gears = head_gears(state.range(0));
  std::size_t found = 0;
  for (auto _ : state) {
    const std::vector<DifferentialSetting> settings =
        differential_settings(40, divisions, kBrownAndSharp, gears, most);
    found = settings.size();
    benchmark::DoNotOptimize(settings);
  }
  if (found == 0)
    state.SkipWithError("no setting found: the search does not work");
  state.counters["settings"] = static_cast<double>(found);
}

void BM_Window127(benchmark::State& state) { run(state, 127, 6); }
void BM_Page127(benchmark::State& state) { run(state, 127, 1); }

// Every N from 2 to 2000 that the plates don't give, as the indexing window
// lists it; the slowest single search is reported, and whether it stayed
// within 0.2 s.
void BM_Sweep(benchmark::State& state) {
  const std::vector<int> gears = head_gears(state.range(0));
  double slowest = 0.0;
  long searched = 0;
  for (auto _ : state) {
    for (long n = 2; n <= 2000; ++n) {
      if (can_index(40, kBrownAndSharp, n))
        continue;
      ++searched;
      const auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(differential_settings(40, n, kBrownAndSharp, gears, 6));
      const std::chrono::duration<double, std::milli> took =
          std::chrono::steady_clock::now() - start;
      slowest = std::max(slowest, took.count());
    }
  }
  state.counters["searches"] = static_cast<double>(searched);
  state.counters["slowest_ms"] = slowest;
  state.counters["within_0.2s"] = slowest < 200.0 ? 1 : 0;
}

// The printed table from 2 to 200, with a differential setting for every N
// the plates don't give.
void BM_PrintedTable(benchmark::State& state) {
  const std::vector<int> gears = head_gears(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(
        division_table_with_differential(40, kBrownAndSharp, gears, 2, 200, {}, "-"));
}

} // namespace

BENCHMARK(BM_Window127)->Arg(200)->Arg(1556)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Page127)->Arg(200)->Arg(1556)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintedTable)->Arg(200)->Arg(1556)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sweep)->Arg(200)->Arg(1556)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
