#!/bin/sh
# End-to-end: a first start with English, German and Spanish installed and
# no settings file asks for the language with a window of flags. Closing it
# gives English; clicking the German flag gives German.
# Usage: first_start_languages_e2e.sh <path to toolroom-calculator> <folder for screenshots>
set -eu
binary="$1"
artifacts="$2"
e2e_name="languages e2e"
. "$(dirname "$0")/lib.sh"

language() { ini_key "$1/DoNotEditOrDelete.ini" language; }

# Starts a fresh installation and waits for the 315 x 465 flag window.
start_first_time() {
  rm -rf "$1"
  install_to "$1" "en de es"
  mkdir -p "$work/elsewhere"
  (cd "$work/elsewhere" && exec "$1/toolroom-calculator") &
  pid=$!
  chooser=""
  for _ in $(seq 100); do
    for id in $(xdotool search --onlyvisible --name '^Language / Sprache / Idioma$' 2>/dev/null); do
      xdotool getwindowgeometry "$id" | grep -q 'Geometry: 315x465' && chooser=$id
    done
    [ -n "$chooser" ] && break
    kill -0 "$pid" 2>/dev/null || fail "the program ended before its language window showed"
    sleep 0.2
  done
  [ -n "$chooser" ] || fail "no language window on the first start"
  xdotool windowmove "$chooser" 0 0
  sleep 0.5
  import -window root "$artifacts/$2.png"
}

# Waits for the main window and checks its title.
expect_main_window() {
  window=$(timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1) || true
  [ -n "$window" ] || fail "no main window titled '$1'"
}

# --- closing the flag window: English ---
app="$work/closed"
start_first_time "$app" chooser
xdotool mousemove --window "$chooser" 161 442 click 1   # the red X
expect_main_window "Toolroom Calculator - inch"
[ "$(language "$app")" = "en" ] || fail "closing the window did not store English"
exit_ok "English"

# --- the first flag (de, es follow in name order, en is among them) ---
app="$work/german"
start_first_time "$app" chooser-again
xdotool mousemove --window "$chooser" 90 62 click 1     # flag 0: de
expect_main_window "Werkstattrechner"
import -window root "$artifacts/german.png"
[ "$(language "$app")" = "de" ] || fail "the German flag did not store German"
exit_ok "German"

echo "languages e2e: all checks passed; screenshots in $artifacts"
