#!/usr/bin/env bash
# Sets up the machine, builds, and starts the program with the controller
# simulator serving as the controller on COM1.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
bash "$root/scripts/setup.sh"
bash "$root/scripts/build.sh" "$root/build"
cd "$root/build/bin"
./quorvantix-sim --port com1 --version 8 &
sim=$!
trap 'kill $sim 2>/dev/null' EXIT
sleep 0.5
./quorvantix
