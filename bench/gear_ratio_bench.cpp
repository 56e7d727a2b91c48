// How long the gear-ratio search takes on the largest tooth range (12 to
// 100, a dividing head that indexes every count), stage by stage. The search
// runs inside a button's callback, so even the slowest case must stay well
// under a second.
#include <benchmark/benchmark.h>

#include "core/gears/gear_ratio_calc.h"

using namespace gears;

namespace {

const PairTable& full_range() {
  static const PairTable table = build_pair_table(tooth_list(12, 100, nullptr));
  return table;
}

void run(benchmark::State& state, const SearchInput& input, size_t expected) {
  const PairTable& table = full_range();
  for (auto _ : state) {
    ResultList found = gear_ratio_search(table, input);
    if (found.size() != expected)
      state.SkipWithError("unexpected number of trains");
    benchmark::DoNotOptimize(found);
  }
}

// What every search does first: the admitted counts and their pair table.
void BM_PairTable(benchmark::State& state) {
  for (auto _ : state) {
    PairTable table = build_pair_table(tooth_list(12, 100, [](int) { return true; }));
    benchmark::DoNotOptimize(table);
  }
}

// Stage 1: target 2, twenty single pairs.
void BM_Stage1(benchmark::State& state) { run(state, {20, 2.0, 0.0001, ToleranceMode::kBoth}, 20); }

// Stage 2: target 1, no single pair; twenty pairs of pairs.
void BM_Stage2(benchmark::State& state) { run(state, {20, 1.0, 0.0001, ToleranceMode::kBoth}, 20); }

// Stage 3: 1.01 within 0.0001 %, found with three pairs.
void BM_Stage3(benchmark::State& state) {
  run(state, {20, 1.01, 0.0001, ToleranceMode::kBoth}, 20);
}

// Stages 3 and 4 walked to the end without a train, with the smallest
// tolerance the page takes (0.0001 %, below only) on a tiny ratio: the worst
// such target found among the ratios of three significant digits.
void BM_Stage4NothingPageTolerance(benchmark::State& state) {
  run(state, {20, 0.000983, 0.0001, ToleranceMode::kBelow}, 0);
}

// The heaviest case of all: near 1 the windows hold the most pairs, and a
// tolerance of 1e-9 % (below what the page takes, above the 1e-10 that
// still widens the third pair's window) lets no train through: 101 is prime,
// so no train of counts up to 100 makes 1.01.
void BM_Stage4NothingNearOne(benchmark::State& state) {
  run(state, {20, 1.01, 1e-9, ToleranceMode::kBoth}, 0);
}

} // namespace

BENCHMARK(BM_PairTable)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stage1)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stage2)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Stage3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stage4NothingPageTolerance)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Stage4NothingNearOne)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
