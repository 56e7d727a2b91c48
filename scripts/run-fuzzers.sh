#!/bin/sh
# Builds the libFuzzer harnesses with clang in BUILD_DIR and runs each for
# SECONDS (default 60) on a copy of its seed corpus. Fails on the first
# crash, sanitizer report or broken check; the reproducing input is left in
# the work directory it names.
#   scripts/run-fuzzers.sh BUILD_DIR [SECONDS] [HARNESS...]
set -eu
cd "$(dirname "$0")/.."
if [ $# -lt 1 ]; then
  echo "usage: $0 BUILD_DIR [SECONDS] [HARNESS...]" >&2
  exit 2
fi
build_dir="$1"
seconds="${2:-60}"
shift
[ $# -gt 0 ] && shift
harnesses="${*:-settings state language numeric}"

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOOLROOM_FUZZ=ON \
  -DTOOLROOM_TESTS=OFF -DTOOLROOM_WERROR=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
targets=""
for name in $harnesses; do targets="$targets ${name}_fuzz"; done
cmake --build "$build_dir" -j "$(nproc)" --target $targets

# The corpus grows while fuzzing, so it is copied out of the repository.
work="$(mktemp -d "${TMPDIR:-/tmp}/toolroom-fuzz.XXXXXX")"
for name in $harnesses; do
  mkdir -p "$work/$name/corpus" "$work/$name/artifacts"
  cp fuzz/corpus/"$name"/* "$work/$name/corpus/"
  echo "== $name: ${seconds}s"
  if ! TMPDIR="$work/$name" "$build_dir/fuzz/${name}_fuzz" -max_total_time="$seconds" \
      -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$work/$name/artifacts/" "$work/$name/corpus" \
      >"$work/$name/log" 2>&1; then
    tail -n 60 "$work/$name/log"
    # The broken promise comes before the document it prints, which may be long.
    grep -a -m 1 "fuzz check failed" "$work/$name/log" | cut -c 1-300 || true
    echo "$name: FAILED; input and log kept in $work/$name" >&2
    exit 1
  fi
  grep -E "stat::number_of_executed_units|stat::average_exec_per_sec" "$work/$name/log" || true
done
rm -rf "$work"
echo "All fuzzers ran without a fault."
