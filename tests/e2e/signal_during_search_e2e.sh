#!/bin/sh
# End-to-end: a dividing head with 200 change gears and a number of divisions
# that only differential indexing serves, restored at start-up, where the
# head's trains are searched before the window opens: the window must come,
# and a SIGTERM must end the program with the page saved.
# Usage: signal_during_search_e2e.sh <path to toolroom-calculator> <folder for screenshots>
set -eu
binary="$1"
artifacts="$2"
e2e_name="signal during search e2e"
. "$(dirname "$0")/lib.sh"
# A program still running at the end (a failed check) is killed: one stuck
# in a search would not end on SIGTERM.
trap 'kill -KILL "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
pid=""
app="$work/app"
install_to "$app"

# Waits (at most $1 tenths of a second) until the command after it succeeds.
wait_for() {
  tries=$1
  shift
  until "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}
running() { kill -0 "$pid" 2>/dev/null; }
ended() { ! running; }
main_window() { window=$(xdotool search --onlyvisible --name "Toolroom" | head -n 1) && [ -n "$window" ]; }
launch() { (cd "$work" && exec "$app/toolroom-calculator") & pid=$!; }

# A first start writes the settings and the page state, ended as at logout.
launch
wait_for 300 main_window || fail "no main window at the first start"
kill -s TERM "$pid"
wait_for 100 ended || fail "the first start did not end on SIGTERM"
[ -f "$app/State.ini" ] || fail "no State.ini after the first start"

# 200 gears of 12 to 400 teeth on the Brown and Sharp head, and 127 divisions,
# which no circle of that head gives, on the page and in the indexing window.
gears=$(awk 'BEGIN { for (i = 0; i < 200; i++) printf "%s%d", (i ? ", " : ""), 12 + int(388 * i / 199) }')
sed -i "/^\[brown and sharp 40-1\]/a gears = $gears" "$app/DoNotEditOrDelete.ini"
sed -i 's/^\(div_number_divisions *=\).*/\1 127/; s/^\(div_differential *=\).*/\1 127/' "$app/State.ini"

launch
# The trains of all 200 gears used to take minutes and gigabytes before the
# window opened; now they are found at once (half a minute here is only a limit).
wait_for 300 main_window || fail "no main window with 200 gears"
import -window root "$artifacts/two-hundred-gears.png"
# State.ini was read at the start: whatever is saved now comes from the page.
rm "$app/State.ini"
kill -s TERM "$pid"
wait_for 100 ended || fail "SIGTERM did not end the program"
status=0
wait "$pid" || status=$?
[ "$status" = "0" ] || fail "SIGTERM ended the program with status $status"
[ "$(ini_key "$app/State.ini" div_number_divisions p7)" = "127" ] || fail "the divisions were not saved"
[ "$(ini_key "$app/State.ini" div_differential p7)" = "127" ] ||
  fail "the indexing window's divisions were not saved"

echo "$e2e_name: all checks passed; screenshot in $artifacts"
