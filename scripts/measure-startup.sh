#!/usr/bin/env bash
# Start-up time and peak memory of the built program under an X server.
#
#   DISPLAY=:N scripts/measure-startup.sh BUILD_DIR [RUNS]
#
# BUILD_DIR must hold toolroom-calculator, startup_probe and
# page_recompute_bench (the bench targets, built when Google Benchmark is
# installed). The program is copied with the language files into a scratch
# directory, so the build tree's own settings and state are never touched.
#
# Normal start: DoNotEditOrDelete.ini and a State.ini with every page filled
# in are present, all three languages installed. First start: no settings,
# no state, English only (one language starts without the language question).
# Each run is timed from exec to the main window's MapNotify; the program is
# then ended with SIGTERM so the saved files stay the same for the next run.
# Start Xvfb with -noreset: a server that resets whenever its last client
# leaves refuses connections for a moment after each run.
set -euo pipefail

build=$(cd "${1:?usage: measure-startup.sh BUILD_DIR [RUNS]}" && pwd)
runs=${2:-20}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
probe=$build/bench/startup_probe
bench=$build/bench/page_recompute_bench
: "${DISPLAY:?set DISPLAY to a running X server}"
for f in "$build/toolroom-calculator" "$probe" "$bench"; do
  [[ -x $f ]] || { echo "missing $f (build the program and the bench targets)" >&2; exit 1; }
done

scratch=$(mktemp -d /tmp/toolroom-startup-XXXXXX)
trap 'rm -rf "$scratch"' EXIT

# Prints "median min max" of the numbers on stdin.
stats() {
  sort -n | awk '{ v[NR] = $1 } END {
    m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
    printf "median %.1f  min %.1f  max %.1f  (n=%d)\n", m, v[1], v[NR], NR }'
}

# field NAME LINE: the value of NAME=... in the probe's output line.
field() { sed -n "s/.*\b$1=\([0-9.]*\).*/\1/p" <<<"$2"; }
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg) on $(nproc) cores"

install_copy() { # DIR LANGS...
  local dir=$1
  shift
  mkdir -p "$dir/language"
  cp "$build/toolroom-calculator" "$dir/"
  for code in "$@"; do cp -r "$source_dir/language/$code" "$dir/language/"; done
}

# ---- normal start ----
normal=$scratch/normal
# English alone first, so that the settings are written without the language
# question; then every page filled in and saved; then the other languages.
install_copy "$normal" en
"$bench" --fill-state "$normal" >/dev/null
cp -r "$source_dir/language/de" "$source_dir/language/es" "$normal/language/"
[[ -s $normal/State.ini ]] || { echo "no State.ini was written" >&2; exit 1; }

"$probe" "$normal/toolroom-calculator" >/dev/null # warm the page cache
: >"$scratch/normal.txt"
for _ in $(seq "$runs"); do
  "$probe" "$normal/toolroom-calculator" >>"$scratch/normal.txt"
done
report() { # NAME FILE
  echo "$1, exec to window mapped (ms):   $(sed -n 's/.*map_ms=\([0-9.]*\).*/\1/p' "$2" | stats)"
  echo "$1, CPU time to that point (ms): $(sed -n 's/.*cpu_ms=\([0-9.]*\).*/\1/p' "$2" | stats)"
}
report "normal start" "$scratch/normal.txt"

# ---- first start ----
first=$scratch/first
: >"$scratch/first.txt"
for _ in $(seq "$runs"); do
  rm -rf "$first"
  install_copy "$first" en
  "$probe" "$first/toolroom-calculator" >>"$scratch/first.txt"
done
report "first start" "$scratch/first.txt"

# ---- memory of a normal start ----
line=$("$probe" --idle 2 --close "$normal/toolroom-calculator")
echo "normal start, idle 2 s then closed: VmHWM $(field hwm_kb "$line") kB, max RSS at exit $(field rss_kb "$line") kB, close to exit $(field exit_ms "$line") ms"
echo "in-process, shown and then every page drawn: $("$bench" --visit-pages "$normal")"

# ---- binary size ----
cp "$build/toolroom-calculator" "$scratch/stripped"
strip "$scratch/stripped"
echo "binary: $(stat -c %s "$build/toolroom-calculator") bytes, stripped $(stat -c %s "$scratch/stripped") bytes"
