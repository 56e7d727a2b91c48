#!/bin/sh
# End-to-end: two programs in one folder. The first switches to metric, the
# second, started while the first runs, to German; after both have ended the
# settings file holds both changes and is whole.
# Usage: two_instances_e2e.sh <path to toolroom-calculator> <folder for screenshots>
set -eu
binary="$1"
artifacts="$2"
mkdir -p "$artifacts"
work="$(mktemp -d /tmp/toolroom-two-e2e-XXXXXX)"
trap 'rm -rf "$work"' EXIT

e2e_name="two instances e2e"
. "$(dirname "$0")/lib.sh"

key() { grep -E "^$1 *=" "$app/DoNotEditOrDelete.ini" | head -n 1 | sed 's/^[^=]*= *//'; }
# Brings a program's window to the front before clicking into it.
use() { window=$1; pid=$2; xdotool windowraise "$window"; sleep 0.3; }

app="$work/app"
install_to "$app"   # English only: the first start asks nothing
start "$app"
first_window=$window
first_pid=$pid
cp -r "$(dirname "$binary")/language/de" "$app/language/"

(cd "$work/elsewhere" && exec "$app/toolroom-calculator") &
second_pid=$!
second_window=""
for _ in $(seq 100); do
  for id in $(xdotool search --onlyvisible --name "Toolroom" 2>/dev/null); do
    [ "$id" = "$first_window" ] || second_window=$id
  done
  [ -n "$second_window" ] && break
  sleep 0.2
done
[ -n "$second_window" ] || fail "no window of the second program"
kill -0 "$first_pid" 2>/dev/null || fail "the first program ended when the second started"

use "$first_window" "$first_pid"
click_at 79 504   # unit system: metric
use "$second_window" "$second_pid"
click_at 79 458   # language: the only other one, German
second_window=$(timeout 30 xdotool search --sync --onlyvisible --name "Werkstattrechner" | head -n 1) || true
[ -n "$second_window" ] || fail "the second program did not switch to German"
import -window root "$artifacts/german.png"

for program in "$first_window $first_pid" "$second_window $second_pid"; do
  use $program
  click_at 79 583   # exit
  wait_exit
  [ "$status" = "0" ] || fail "a program ended with status $status"
done

[ "$(key measure)" = "metric" ] || fail "the first program's metric was undone"
[ "$(key language)" = "de" ] || fail "the second program's German was undone"
grep -q '^\[brown and sharp 40-1\]' "$app/DoNotEditOrDelete.ini" || fail "the heads are gone"
[ -z "$(ls "$app" | grep corrupt)" ] || fail "a settings file was set aside as damaged"

echo "two instances e2e: all checks passed; screenshots in $artifacts"
