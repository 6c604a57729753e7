#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test in three stages: the headless tests in a
# normal build, the same under AddressSanitizer and UndefinedBehaviorSanitizer, and the desktop
# tests on a virtual X server under each of four window managers. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
./setup.sh

export QT_QPA_PLATFORM=offscreen
jobs=$(nproc)

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$jobs"
(cd build && ctest --output-on-failure -j "$jobs" -LE desktop)

cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DSKELLITH_SANITIZE=ON \
  -DSKELLITH_BENCH=OFF -DSKELLITH_DESKTOP_TESTS=OFF >/dev/null
cmake --build build-sanitize -j "$jobs"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export SKELLITH_SOAK_ACTIONS=${SKELLITH_SOAK_ACTIONS_SANITIZE:-20000}
(cd build-sanitize && ctest --output-on-failure -j "$jobs")

# One at a time: they share one screen, one pointer and one keyboard. What a window manager cannot
# do is skipped: each skipped test is listed with its reason.
for wm in openbox fluxbox metacity xfwm4; do
  echo "== Desktop tests under $wm"
  (cd build && ../tests/desktop/with_desktop.sh --wm "$wm" ctest --output-on-failure -L desktop)
  awk '/^[0-9]+\/[0-9]+ Testing: / { test = $3 }
       /: Skipped$/ { getline; print "skipped under '"$wm"': " test ": " $0 }' \
    build/Testing/Temporary/LastTest.log
done
