#!/bin/sh
# End-to-end: logging out, shutting down or Ctrl+C (SIGHUP, SIGTERM, SIGINT)
# ends the program as the exit button does: what was typed is in State.ini.
# Usage: signals_e2e.sh <path to toolroom-calculator> <folder for screenshots>
set -eu
binary="$1"
artifacts="$2"
mkdir -p "$artifacts"
work="$(mktemp -d /tmp/toolroom-signals-e2e-XXXXXX)"
trap 'rm -rf "$work"' EXIT

e2e_name="signals e2e"
. "$(dirname "$0")/lib.sh"
# The shell starts background programs with SIGINT ignored; a terminal would not.
launcher="env --default-signal=INT,HUP,TERM"

app="$work/app"
install_to "$app"
for signal in TERM HUP INT; do
  rm -f "$app/State.ini"
  start "$app"
  click_at 600 238   # the radius of page 1
  type_text 1234.5
  import -window root "$artifacts/typed-$signal.png"
  kill -s "$signal" "$pid"
  wait_exit
  [ "$status" = "0" ] || fail "SIG$signal ended the program with status $status"
  grep -q '= *1234.5$' "$app/State.ini" 2>/dev/null || fail "SIG$signal: the typed value is not in State.ini"
done

echo "signals e2e: all checks passed; screenshots in $artifacts"
