#!/usr/bin/env bash
# The keystroke, gear-ratio and change-gear benchmarks, five repetitions each, medians only.
#
#   DISPLAY=:N scripts/measure-benchmarks.sh BUILD_DIR
#
# BUILD_DIR must hold the bench targets (built when Google Benchmark is
# installed). The keystroke benchmark runs the program's windows in-process,
# so it needs an X server (Xvfb).
set -euo pipefail

build=$(cd "${1:?usage: measure-benchmarks.sh BUILD_DIR}" && pwd)
: "${DISPLAY:?set DISPLAY to a running X server}"
for f in "$build/bench/page_recompute_bench" "$build/bench/gear_ratio_bench" \
  "$build/bench/change_gears_bench"; do
  [[ -x $f ]] || { echo "missing $f (build the bench targets)" >&2; exit 1; }
done

echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"
args=(--benchmark_repetitions=5 --benchmark_report_aggregates_only=true)
"$build/bench/page_recompute_bench" "${args[@]}" --benchmark_min_time=0.2 | grep -E 'median|ERROR'
"$build/bench/gear_ratio_bench" "${args[@]}" | grep -E 'median|ERROR'
"$build/bench/change_gears_bench" "${args[@]}" | grep -E 'median|ERROR'
