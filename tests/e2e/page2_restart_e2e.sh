#!/bin/sh
# End-to-end: the right-triangle page of the installed program, typed into
# with xdotool, quit with the exit button and started again: the same
# inputs, modes and results must come back.
# Usage: page2_restart_e2e.sh <path to toolroom-calculator> <folder for screenshots>
set -eu
binary="$1"
artifacts="$2"
e2e_name="page2 e2e"
. "$(dirname "$0")/lib.sh"

# The main window as it is now, and its result panel (x 202, y 405, 586 x 143).
shot() {
  import -window "$window" "$artifacts/$1.png"
  convert "$artifacts/$1.png" -crop 586x143+202+405 +repage "$work/$1-results.png"
}

# Number of pixels in which two result panels differ.
differing_pixels() { compare -metric AE "$work/$1-results.png" "$work/$2-results.png" null: 2>&1 || true; }

expect_page2_state() {
  [ -f "$app/State.ini" ] || fail "State.ini not written ($1)"
  for pair in s1a=4 s2a=3 p2_know=3 p2_measure=0 p2_decimal_dms=1 p2_precision=6; do
    name=${pair%%=*}
    want=${pair#*=}
    got=$(ini_key "$app/State.ini" "$name" p2)
    [ "$got" = "$want" ] || fail "p2:$name is '$got', not '$want' ($1)"
  done
  [ "$(ini_key "$app/State.ini" page page)" = "1" ] || fail "page 2 not saved as the page shown ($1)"
}

app="$work/app"
install_to "$app"

# --- first run: page 2, sides a = 3 and b = 4, angles as D/M/S, six places ---
start "$app"
click_at 70 89     # navigation button of page 2
shot empty
click_at 260 140   # case 4: sides a and b
click_at 600 299   # input 1: side b
type_text 4
click_at 600 333   # input 2: side a
type_text 3
click_at 330 264   # degrees, minutes, seconds
for _ in 1 2 3; do click_at 641 370; done   # precision up from 3 to 6
shot typed
[ "$(differing_pixels empty typed)" != "0" ] || fail "no results shown after typing"
exit_ok "first"
[ ! -e "$work/elsewhere/State.ini" ] || fail "State.ini written into the working directory"
expect_page2_state "first exit"

# --- second run: page 2 comes back as it was left, results included ---
start "$app"
shot restored
[ "$(differing_pixels typed restored)" = "0" ] || fail "results differ after the restart"
# Saving again writes what the restored widgets hold.
exit_ok "second"
expect_page2_state "second exit"

echo "page2 e2e: all checks passed; screenshots in $artifacts"
