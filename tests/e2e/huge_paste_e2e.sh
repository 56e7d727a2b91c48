#!/bin/sh
# End-to-end: two megabytes on the clipboard pasted into a field with Ctrl+V.
# The program must refuse the paste and live on: a small paste afterwards
# still goes in and is saved at exit.
# Usage: huge_paste_e2e.sh <path to toolroom-calculator> <folder for screenshots>
set -eu
binary="$1"
artifacts="$2"
e2e_name="huge paste e2e"
. "$(dirname "$0")/lib.sh"
command -v xclip >/dev/null || fail "xclip is needed to fill the clipboard"

# Serves $1 as the clipboard (xclip stays in the foreground, so it can be
# ended by its id) and waits until it owns the clipboard.
clip=""
offer() {
  [ -z "$clip" ] || kill "$clip" 2>/dev/null || true
  xclip -quiet -selection clipboard -i "$1" >/dev/null 2>&1 &
  clip=$!
  for _ in $(seq 100); do
    xclip -o -selection clipboard -t TARGETS >/dev/null 2>&1 && return
    sleep 0.1
  done
  fail "xclip did not take the clipboard"
}
trap '[ -z "$clip" ] || kill "$clip" 2>/dev/null; rm -rf "$work"' EXIT

# The radius field of page 1 as it looks now, while the program lives.
field_shot() {
  kill -0 "$pid" 2>/dev/null || fail "the program died on a 2 MB paste ($1)"
  import -window "$window" -crop 80x26+560+227 +repage "$work/$1.png"
}
differs() { [ "$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1 || true)" != "0" ]; }
# Waits until the field looks other than in shot $1.
wait_change() {
  for _ in $(seq 100); do
    field_shot now
    differs "$1" now && return
    sleep 0.1
  done
  fail "the field did not change ($2)"
}

app="$work/app"
install_to "$app"
start "$app"
click_at 603 238 # the radius field

# The toolkit reads a big clipboard in pieces and, with some timing, dies on
# the second piece; so the paste is tried four times, a digit typed after
# each to see that the program goes on and the field holds no pasted text.
head -c 2000000 /dev/zero | tr '\0' '1' >"$work/huge.txt"
for digit in 2 3 4 5; do
  offer "$work/huge.txt"
  field_shot before
  xdotool key ctrl+a ctrl+v
  # The first piece shows on the window once the program has asked for it.
  for _ in $(seq 100); do
    field_shot waiting
    xprop -id "$window" -len 8 CLIPBOARD 2>/dev/null | grep -q UTF8_STRING && break
    sleep 0.1
  done
  type_text "$digit"
  wait_change before "typing $digit after the paste"
done
import -window root "$artifacts/huge_paste.png"

printf '12.5' >"$work/small.txt"
offer "$work/small.txt"
field_shot before
xdotool key ctrl+a ctrl+v
wait_change before "a small paste after the refused ones"
exit_ok "after the pastes"
[ "$(ini_key "$app/State.ini" inp1a p1)" = "12.5" ] || fail "the pasted radius was not kept"

echo "huge paste e2e: all checks passed; screenshots in $artifacts"
