// How long the change-gear search takes on long gear lists: 100, 200 and 381
// gears of 20, 21, 22, ... teeth, each owned once (381 reaches 400 teeth,
// the largest gear the set takes). The search runs inside the Calculate
// button's callback, so it must answer within 0.2 s.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <vector>

#include "core/workshop/change_gears_calc.h"

using namespace workshop;

namespace {

ChangeGearSet gear_set(int count) {
  std::vector<int> teeth;
  for (int t = 20; t < 20 + count; ++t)
    teeth.push_back(t);
  return change_gear_set(teeth);
}

void run(benchmark::State& state, double target, double error) {
  const ChangeGearSet set = gear_set(static_cast<int>(state.range(0)));
  size_t found = 0;
  for (auto _ : state) {
    gears::ResultList trains = change_gear_search(set, target, error);
    found = trains.size();
    benchmark::DoNotOptimize(trains);
  }
  state.counters["trains"] = static_cast<double>(found);
}

// What every search does first: the pair table of the list.
void BM_PairTable(benchmark::State& state) {
  for (auto _ : state) {
    ChangeGearSet set = gear_set(static_cast<int>(state.range(0)));
    benchmark::DoNotOptimize(set);
  }
}

// 1.5 mm from a 6 mm lead screw: single pairs.
void BM_OnePair(benchmark::State& state) { run(state, 4.0, 0.0001); }

// 1 mm from an 8 tpi lead screw (3.175 mm): 127 is prime, no pair makes it.
void BM_MetricOnInch(benchmark::State& state) { run(state, 3.175, 0.0001); }

// A ratio beyond every train of three pairs (a pitch typed as 0.0005):
// nothing fits, every stage is walked to its end.
void BM_BeyondReach(benchmark::State& state) { run(state, 1e6, 0.0001); }

// Just above the largest ratio of three different pairs: nothing fits, and
// only the steepest pairs can be ruled out late.
void BM_NearTheTop(benchmark::State& state) {
  const double top = static_cast<double>(19 + state.range(0)) / 20.0;
  run(state, top * top * top * 0.99, 0.0001);
}

// 200 targets from 0.0001 to 10000 (equal steps of their logarithm), the
// errors 0.0001, 0.01 and 1 % in turn; the slowest single search is reported.
void BM_Sweep(benchmark::State& state) {
  const ChangeGearSet set = gear_set(static_cast<int>(state.range(0)));
  double slowest = 0.0;
  for (auto _ : state) {
    for (int step = 0; step < 200; ++step) {
      const double target = std::pow(10.0, -4.0 + 8.0 * step / 199.0);
      const double error = std::pow(10.0, -4.0 + 2.0 * (step % 3));
      const auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(change_gear_search(set, target, error));
      const std::chrono::duration<double, std::milli> took =
          std::chrono::steady_clock::now() - start;
      slowest = std::max(slowest, took.count());
    }
  }
  state.counters["slowest_ms"] = slowest;
}

} // namespace

BENCHMARK(BM_PairTable)->Arg(100)->Arg(200)->Arg(381)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OnePair)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MetricOnInch)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BeyondReach)->Arg(100)->Arg(200)->Arg(381)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NearTheTop)->Arg(100)->Arg(200)->Arg(381)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sweep)->Arg(100)->Arg(200)->Arg(381)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
