#!/bin/sh
# Fresh machine to running calculator: install, build, start.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DTOOLROOM_TESTS=OFF
cmake --build build -j "$(nproc)"
exec ./build/toolroom-calculator
