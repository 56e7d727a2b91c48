#!/bin/sh
# End-to-end: logout, shutdown and Ctrl+C (SIGTERM, SIGHUP, SIGINT) save the
# pages as the exit button does; two programs in one folder keep each other's
# settings changes.
# Usage: exits_e2e.sh <path to toolroom-calculator> <folder for screenshots>
set -eu
binary="$1"
artifacts="$2"
started=""
e2e_name="exits e2e"
. "$(dirname "$0")/lib.sh"
trap 'kill $started 2>/dev/null || true; rm -rf "$work"' EXIT
# The shell starts background programs with SIGINT ignored; a terminal would not.
launcher="env --default-signal=INT,HUP,TERM"
key() { ini_key "$app/DoNotEditOrDelete.ini" "$1"; }
use() { window=$1; pid=$2; xdotool windowraise "$window"; sleep 0.3; }

app="$work/app"
install_to "$app"   # English only: the first start asks nothing
for signal in TERM HUP INT; do
  rm -f "$app/State.ini"
  start "$app"
  click_at 600 238   # the radius of page 1
  type_text 1234.5
  kill -s "$signal" "$pid"
  wait_exit
  [ "$status" = "0" ] || fail "SIG$signal ended the program with status $status"
  grep -q '= *1234.5$' "$app/State.ini" 2>/dev/null || fail "SIG$signal: the typed value was lost"
done

# --- the first program switches to metric, the second to German ---
start "$app"
first="$window $pid"
started=$pid
cp -r "$(dirname "$binary")/language/de" "$app/language/"
(cd "$work/elsewhere" && exec "$app/toolroom-calculator") &
second_pid=$!
started="$started $second_pid"
for _ in $(seq 100); do
  window=$(xdotool search --onlyvisible --name "Toolroom" | grep -vx "${first% *}" | head -n 1) || true
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || fail "no window of the second program"
second="$window $second_pid"
use $first
click_at 79 504   # unit system: metric
use $second
click_at 79 458   # language: the only other one, German
window=$(timeout 30 xdotool search --sync --onlyvisible --name "Werkstattrechner" | head -n 1) || true
[ -n "$window" ] || fail "the second program did not switch to German"
import -window root "$artifacts/two-programs.png"
for program in "$first" "$window $second_pid"; do
  use $program
  exit_ok "$program"
done
[ "$(key measure)" = "metric" ] || fail "the first program's metric was undone"
[ "$(key language)" = "de" ] || fail "the second program's German was undone"
grep -q '^\[brown and sharp 40-1\]' "$app/DoNotEditOrDelete.ini" || fail "the heads are gone"
[ -z "$(ls "$app" | grep corrupt)" ] || fail "the settings were set aside as damaged"

echo "exits e2e: all checks passed; screenshots in $artifacts"
