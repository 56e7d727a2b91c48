# Shared steps of the end-to-end scripts (sourced, POSIX sh). The caller sets
# binary, artifacts and a name for its messages in e2e_name; $work is a fresh
# folder removed at the end.

fail() { echo "${e2e_name:-e2e}: FAIL: $*" >&2; exit 1; }
mkdir -p "$artifacts"
work="$(mktemp -d /tmp/toolroom-e2e-XXXXXX)"
trap 'rm -rf "$work"' EXIT

# An installation: the binary with language/ beside it. Only English is
# installed unless a list of codes follows ("en de es"): with one language a
# first start takes it without the language window.
install_to() {
  mkdir -p "$1/language"
  cp "$binary" "$1/"
  for code in ${2:-en}; do
    cp -r "$(dirname "$binary")/language/$code" "$1/language/"
  done
}

# Starts the program from $work/elsewhere (through $launcher when set) and
# waits for its main window.
start() {
  mkdir -p "$work/elsewhere"
  (cd "$work/elsewhere" && exec ${launcher:-} "$1/toolroom-calculator") &
  pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --name "Toolroom" | head -n 1) || true
  [ -n "$window" ] || fail "no main window"
  xdotool windowmove "$window" 0 0
  sleep 0.5
}

# Clicks at a point of the main window; types text on the focused field.
click_at() { xdotool mousemove --window "$window" "$1" "$2" click 1; sleep 0.3; }
type_text() { xdotool type --delay 50 "$1"; sleep 0.3; }

# The value of `key` in an ini file: its first, or the first from [section] on.
ini_key() { sed -n "${3:+/^\\[$3\\]/,\$}p" "$1" | grep -E "^$2 *=" | head -n 1 | sed 's/^[^=]*= *//'; }

# Waits for the program to end (at most 10 s); its exit status goes into $status.
wait_exit() {
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
  kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "the program did not end"; }
  status=0
  wait "$pid" || status=$?
}

# Clicks the exit button and expects the program to end well.
exit_ok() { click_at 79 583; wait_exit; [ "$status" = "0" ] || fail "exit ended with status $status ($1)"; }
