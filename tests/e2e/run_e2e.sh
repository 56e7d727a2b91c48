#!/bin/sh
# End-to-end: the installed program started from another working directory
# under the X server of the test run, driven with xdotool like a user.
# Usage: run_e2e.sh <path to toolroom-calculator> <folder for screenshots>
set -eu
binary="$1"
artifacts="$2"
e2e_name="e2e"
. "$(dirname "$0")/lib.sh"

# --- first start: defaults written beside the executable, Escape ignored ---
app="$work/app"
install_to "$app"
start "$app"
[ -f "$app/DoNotEditOrDelete.ini" ] || fail "settings file not created beside the executable"
[ ! -e "$work/elsewhere/DoNotEditOrDelete.ini" ] || fail "settings written into the working directory"
import -window root "$artifacts/page1.png"

xdotool key Escape
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "Escape closed the program"

click_at 70 145          # navigation button of page 3
exit_ok "first"

state="$app/State.ini"
[ -f "$state" ] || fail "State.ini not written at exit"
grep -q '^\[page\]' "$state" || fail "State.ini has no page section"
[ "$(ini_key "$state" page page)" = "2" ] || fail "page 3 not saved as shown"
grep -q '^\[brown and sharp 40-1\]' "$app/DoNotEditOrDelete.ini" || fail "default heads missing"
[ "$(ini_key "$app/DoNotEditOrDelete.ini" language)" = "en" ] || fail "language not stored"
[ ! -e "$work/elsewhere/State.ini" ] || fail "State.ini written into the working directory"

# --- second start: the column restored scrolled; page 9 chosen; metric ---
sed -i '/^\[page\]/,$d' "$state"
printf '\n[page]\npage = 2\nscroll = 300\n' >> "$state"
start "$app"
click_at 70 237          # page 9's button, 300 pixels up the scrolled column
click_at 79 504          # unit system: metric
import -window root "$artifacts/page9.png"
exit_ok "second"
[ "$(ini_key "$state" page page)" = "8" ] || fail "page 9 not saved"
# The toolkit rounds a hand-written position to a step of its scroll bar.
scroll=$(ini_key "$state" scroll page)
[ "$scroll" -ge 296 ] && [ "$scroll" -le 304 ] || fail "column scroll not kept ($scroll)"
[ "$(ini_key "$app/DoNotEditOrDelete.ini" measure)" = "metric" ] || fail "unit system not stored"

# --- a fatal error is reported and ends the program with a failure status ---
broken="$work/broken"
install_to "$broken"
rm -rf "$broken/language"
(cd "$work/elsewhere" && exec "$broken/toolroom-calculator") &
pid=$!
sleep 1.5
import -window root "$artifacts/fatal.png"
xdotool key Return
sleep 0.5
wait_exit
[ "$status" != "0" ] || fail "a fatal error ended with status 0"

echo "e2e: all checks passed; screenshots in $artifacts"
