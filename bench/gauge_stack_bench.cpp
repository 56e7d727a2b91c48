// How long the search for the shortest gauge-block stack takes, at the worst
// heights: both standard sets and a user's set of 200 blocks, each swept from
// its thinnest block to its whole height. The sine bar page searches on every
// key, so each search must answer within 50 ms; when no stack makes the
// height the page asks for the nearest heights too.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <numeric>
#include <vector>

#include "core/workshop/gauge_blocks.h"

using namespace workshop;

namespace {

void series(std::vector<long>& blocks, long first, long step, long count) {
  for (long i = 0; i < count; ++i)
    blocks.push_back(first + i * step);
}

// A shop's pooled metric set, as heavy as the page takes (200 blocks) and
// graded to 0.0001 mm: the 112-piece set, a second copy of its 58 thin
// blocks 1.0005 to 1.49, the 1.0001 to 1.0009 series, 1.6 to 1.9, wear pairs
// of 1 and 2 mm, and 12 long blocks 125 to 400 mm; 4.2 m in all.
GaugeBlockSet shop_set() {
  GaugeBlockSet set{"shop", true, standard_gauge_sets()[1].blocks};
  set.blocks.push_back(10005);
  series(set.blocks, 10010, 10, 9);
  series(set.blocks, 10100, 100, 49);
  series(set.blocks, 10001, 1, 9);
  series(set.blocks, 16000, 1000, 4);
  series(set.blocks, 10000, 0, 2);
  series(set.blocks, 20000, 0, 2);
  series(set.blocks, 125 * kUnitsPerMm, 25 * kUnitsPerMm, 12);
  return set;
}

// Arg 0: the 81-piece inch set, 1: the 112-piece metric set, 2: the shop's set.
GaugeBlockSet set_for(long arg) {
  return arg < 2 ? standard_gauge_sets()[static_cast<std::size_t>(arg)] : shop_set();
}

// 997 heights from the thinnest block to the whole set, each on the set's
// grade (the gcd of its sizes), so that every one is really searched.
std::vector<long> swept_heights(const GaugeBlockSet& set) {
  long grade = 0, whole = 0;
  for (long size : set.blocks) {
    grade = std::gcd(grade, size);
    whole += size;
  }
  const long thinnest = *std::min_element(set.blocks.begin(), set.blocks.end());
  std::vector<long> heights;
  for (long i = 0; i < 997; ++i)
    heights.push_back((thinnest + (whole - thinnest) / 996 * i) / grade * grade);
  heights.back() = whole;
  return heights;
}

template <typename Search> void sweep(benchmark::State& state, Search search) {
  const GaugeBlockSet set = set_for(state.range(0));
  const std::vector<long> heights = swept_heights(set);
  // Wall time is what the user waits; CPU time leaves out the other work a
  // busy machine does meanwhile.
  double slowest = 0.0, slowest_cpu = 0.0;
  long found = 0;
  for (auto _ : state) {
    found = 0;
    for (long height : heights) {
      const auto start = std::chrono::steady_clock::now();
      const std::clock_t cpu_start = std::clock();
      found += search(set, height) ? 1 : 0;
      const double cpu = static_cast<double>(std::clock() - cpu_start) / CLOCKS_PER_SEC;
      const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
      slowest = std::max(slowest, took.count());
      slowest_cpu = std::max(slowest_cpu, cpu);
    }
  }
  state.counters["blocks"] = static_cast<double>(set.blocks.size());
  state.counters["found"] = static_cast<double>(found);
  state.counters["slowest_s"] = slowest;
  state.counters["slowest_cpu_s"] = slowest_cpu;
  state.counters["within_0.05s"] = slowest < 0.05 ? 1 : 0;
}

void BM_ShortestStackSweep(benchmark::State& state) {
  sweep(state, [](const GaugeBlockSet& set, long height) {
    const auto stack = shortest_stack(set, height);
    benchmark::DoNotOptimize(stack);
    return stack.has_value();
  });
}

void BM_NearestHeightsSweep(benchmark::State& state) {
  sweep(state, [](const GaugeBlockSet& set, long height) {
    const NearestHeights nearest = nearest_heights(set, height);
    benchmark::DoNotOptimize(nearest);
    return nearest.below.has_value();
  });
}

} // namespace

BENCHMARK(BM_ShortestStackSweep)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_NearestHeightsSweep)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
