// How long the helical-gear page's lead-train search takes on large sets of
// head change gears: 200 gears of 12 to 400 teeth (each owned once), and the
// largest set the gear editor takes, every count from 12 to 400 four times
// (1556 gears). The search follows every key on the page, so it must answer
// within 0.2 s: the slowest of a sweep of leads is reported with a counter
// that is 1 when it did.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "head_gear_sets.h"

#include "core/gears/helical_milling_calc.h"

using namespace gears;

namespace {

// One lead of no simple ratio: 43.3956 in, the module 4, 30 teeth, 20° gear.
void BM_OneLead(benchmark::State& state) {
  const std::vector<int> gears = head_gears(state.range(0));
  std::size_t found = 0;
  for (auto _ : state) {
    const std::vector<LeadTrain> trains = lead_trains(43.3956, 10.0, gears);
    found = trains.size();
    benchmark::DoNotOptimize(trains);
  }
  if (found == 0)
    state.SkipWithError("no train found: the search does not work");
}

// Leads from 0.1 in to 1000 in, a factor of 1.5 apart, as helix angles from
// nearly 90° down to a few degrees give them.
void BM_Sweep(benchmark::State& state) {
  const std::vector<int> gears = head_gears(state.range(0));
  double slowest = 0.0;
  for (auto _ : state) {
    for (double lead = 0.1; lead < 1000.0; lead *= 1.5) {
      const auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(lead_trains(lead, 10.0, gears));
      const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
      slowest = std::max(slowest, took.count());
    }
  }
  state.counters["slowest_s"] = slowest;
  state.counters["within_0.2s"] = slowest <= 0.2 ? 1 : 0;
}

} // namespace

BENCHMARK(BM_OneLead)->Arg(200)->Arg(1556)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sweep)->Arg(200)->Arg(1556)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
