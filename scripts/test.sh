#!/usr/bin/env bash
# Sets up the machine, builds, and runs the whole suite twice: a normal build,
# then one with address and undefined-behaviour sanitizers.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1
bash "$root/scripts/build.sh" "$root/build"
(cd "$root/build" && ctest --output-on-failure --timeout 300)
bash "$root/scripts/build.sh" "$root/build-asan" -DQX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
(cd "$root/build-asan" && ctest --output-on-failure --timeout 600)
