#!/usr/bin/env bash
# Sets up the machine, builds, and runs the whole suite twice: a normal build,
# then one with address and undefined-behaviour sanitizers. Both always run,
# so a red normal suite still shows what the sanitizers find; the script
# fails when either fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1

# suite DIR TIMEOUT CTEST_OPTIONS [cmake options...]: builds in DIR and runs its
# tests two at a time (each has its own settings, data and ports).
suite() {
    local dir=$1 timeout=$2 select=$3
    shift 3
    bash "$root/scripts/build.sh" "$dir" "$@" && (cd "$dir" && ctest -j2 --output-on-failure --timeout "$timeout" $select)
}

normal=0
suite "$root/build" 600 "" || normal=$?
# The Debian package from the normal build, unpacked and started; lintian's
# findings are printed and never fail the run.
packaged=0
[ "$normal" -eq 0 ] && { bash "$root/scripts/check-package.sh" "$root/build" || packaged=$?; }
sanitized=0
suite "$root/build-asan" 600 "" -DQX_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug || sanitized=$?

verdict() { if [ "$1" -eq 0 ]; then echo "passed"; else echo "FAILED (exit status $1)"; fi; }
echo "normal suite:    $(verdict "$normal")"
echo "sanitizer suite: $(verdict "$sanitized")"
echo "package:         $(verdict "$packaged")"
[ "$normal" -eq 0 ] && [ "$sanitized" -eq 0 ] && [ "$packaged" -eq 0 ]
