#!/bin/sh
# Fresh machine to every test: install, build warnings-as-errors, run the
# unit, GUI and end-to-end tests under Xvfb, then build again with
# AddressSanitizer + UndefinedBehaviorSanitizer and run the unit and GUI tests,
# and last fuzz each file reader for a minute.
set -eu
cd "$(dirname "$0")/.."
./scripts/install-deps.sh --tests
jobs="$(nproc)"

cmake -S . -B build-test -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOOLROOM_WERROR=ON
cmake --build build-test -j "$jobs"
# -noreset: an X server that resets whenever its last client leaves can turn
# away a program that connects during the reset, which is just when an
# end-to-end test starts the calculator after the previous one closed it.
xvfb_server="-screen 0 1280x1024x24 -noreset"
xvfb-run -a -s "$xvfb_server" \
  ctest --test-dir build-test --output-on-failure --timeout 600

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTOOLROOM_SANITIZE=ON -DTOOLROOM_WERROR=ON
cmake --build build-asan -j "$jobs" --target unit_tests gui_tests
xvfb-run -a -s "$xvfb_server" \
  ctest --test-dir build-asan --output-on-failure --timeout 600 -R "unit_tests|gui_tests"

./scripts/run-fuzzers.sh build-fuzz 60
echo "All tests passed."
