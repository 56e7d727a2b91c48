#!/bin/sh
# End-to-end: the Debian package built with CPack, unpacked into a temporary
# root and made read-only, started through its bin/ link under the X server.
# A program directory that can't be written sends the settings and page
# state to $XDG_CONFIG_HOME/toolroom-calculator; a writable one keeps them
# beside the executable and leaves the config directory alone. The installed
# tree itself must come out unchanged.
# Root writes through any permission, so as root the read-only start runs as
# the unprivileged user "nobody".
# Usage: package_e2e.sh <cpack> <build directory> <folder for screenshots>
set -eu
cpack="$1"
build="$2"
artifacts="$3"
e2e_name="package e2e"
. "$(dirname "$0")/lib.sh"
trap 'chmod -R u+w "$work" 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"

# --- the package: its fields and where it puts things ---
"$cpack" -G DEB -B "$work/deb" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/deb/toolroom-calculator_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no .deb made"
depends=$(dpkg-deb -f "$deb" Depends)
for package in libfltk1.3 fonts-dejavu-core; do
  echo "$depends" | grep -q "\\b$package\\b" || fail "does not depend on $package: $depends"
done
[ "$(dpkg-deb -f "$deb" Section)" = "math" ] || fail "section is not math"
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "no maintainer"

root="$work/root"
dpkg-deb -x "$deb" "$root"
lib="$root/usr/lib/toolroom-calculator"
for file in usr/share/applications/toolroom-calculator.desktop \
  usr/share/icons/hicolor/48x48/apps/toolroom-calculator.png \
  usr/share/icons/hicolor/128x128/apps/toolroom-calculator.png \
  usr/share/icons/hicolor/scalable/apps/toolroom-calculator.svg \
  usr/lib/toolroom-calculator/language/en/en.ini usr/lib/toolroom-calculator/language/de/de.ini \
  usr/lib/toolroom-calculator/language/es/es.ini usr/lib/toolroom-calculator/language/en/pin_dia.html; do
  [ -f "$root/$file" ] || fail "$file not in the package"
done
[ -x "$lib/toolroom-calculator" ] || fail "no program in usr/lib/toolroom-calculator"
[ "$(readlink "$root/usr/bin/toolroom-calculator")" = "../lib/toolroom-calculator/toolroom-calculator" ] ||
  fail "usr/bin/toolroom-calculator is not a link to the program"
grep -q '^Categories=Utility;Calculator;Engineering;$' \
  "$root/usr/share/applications/toolroom-calculator.desktop" || fail "desktop entry categories"
desktop-file-validate "$root/usr/share/applications/toolroom-calculator.desktop" ||
  fail "desktop entry not valid"

# Only English stays, so that a first start takes it without the language window.
rm -rf "$lib/language/de" "$lib/language/es"
writable="$work/writable-root"
cp -a "$root" "$writable"
chmod -R a-w "$root"
snapshot() { (cd "$1" && find . -printf '%p %y %m %s %l\n' | sort && find . -type f -exec md5sum {} + | sort); }
snapshot "$root" >"$work/before"

# Runs the program once through the bin/ link (as another user: $as, a
# command prefix): page 3 shown, then the exit button.
run_once() {
  launcher=${as:-}
  start "$1/usr/bin"
  click_at 70 145 # navigation button of page 3
  import -window root "$artifacts/$2.png"
  exit_ok "$2"
}

page_shown() { ini_key "$1" page page; }

# --- read-only program directory: the files go to the user's config directory ---
home="$work/home"
mkdir -p "$home"
as=""
if [ "$(id -u)" = "0" ]; then
  # The X server may want its cookie; nobody gets a copy of its own.
  if [ -n "${XAUTHORITY:-}" ] && [ -f "$XAUTHORITY" ]; then
    xauth -f "$XAUTHORITY" nextract - "$DISPLAY" | xauth -f "$work/xauth" nmerge -
    chown 65534 "$work/xauth"
    export XAUTHORITY="$work/xauth"
  fi
  chown 65534 "$home"
  as="setpriv --reuid=65534 --regid=65534 --clear-groups"
fi
own="$home/config/toolroom-calculator"
export HOME="$home" XDG_CONFIG_HOME="$home/config"
run_once "$root" read-only
[ -f "$own/DoNotEditOrDelete.ini" ] || fail "settings not written to $own"
[ -f "$own/State.ini" ] || fail "page state not written to $own"
[ "$(stat -c %a "$own")" = "700" ] || fail "$own is not private ($(stat -c %a "$own"))"
[ "$(page_shown "$own/State.ini")" = "2" ] || fail "page 3 not saved as shown"
# A second start reads them back: page 3 is still the one saved.
run_once "$root" read-only-again
[ "$(page_shown "$own/State.ini")" = "2" ] || fail "page 3 not kept across a restart"
snapshot "$root" >"$work/after"
diff "$work/before" "$work/after" >&2 || fail "the installed tree changed"

# --- writable program directory: the files stay beside the executable ---
as=""
other="$work/other-home"
mkdir -p "$other"
export HOME="$other" XDG_CONFIG_HOME="$other/config"
run_once "$writable" writable
[ -f "$writable/usr/lib/toolroom-calculator/DoNotEditOrDelete.ini" ] ||
  fail "settings not written beside the executable"
[ -f "$writable/usr/lib/toolroom-calculator/State.ini" ] ||
  fail "page state not written beside the executable"
[ ! -e "$other/config" ] || fail "config directory made although the program directory is writable"
[ ! -e "$writable/usr/bin/DoNotEditOrDelete.ini" ] || fail "settings written beside the link"

echo "package e2e: all checks passed; screenshots in $artifacts"
