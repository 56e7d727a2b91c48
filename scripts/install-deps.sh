#!/bin/sh
# Installs what the calculator needs to build and run on Debian 12.
# With --tests also what the tests need (X server, xdotool, ImageMagick, clang
# and its libFuzzer for the fuzzers, ...).
set -eu
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
packages="build-essential cmake pkg-config libfltk1.3-dev libiniparser-dev fonts-dejavu-core"
if [ "${1:-}" = "--tests" ]; then
  packages="$packages libgtest-dev xvfb xauth xdotool xclip imagemagick ghostscript x11-utils"
  packages="$packages desktop-file-utils clang libclang-rt-dev"
fi
missing=""
for p in $packages; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi
