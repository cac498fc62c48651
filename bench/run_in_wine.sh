#!/usr/bin/env bash
# Builds a benchmark target and runs its program under Wine on a private X display, in a Wine
# prefix of the benchmarks' own with a persistent, booted server, so that what is measured is
# the program and not Wine's boot:
#   bench/run_in_wine.sh TARGET PROGRAM.exe [ARGS...]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUILLOW_BUILD_DIR:-$root/build}"
target="$1"
shift
source "$root/scripts/wine-env.sh"

[ -n "${QUILLOW_PRIVATE_DISPLAY:-}" ] || QUILLOW_BUILD_DIR="$build" "$root/scripts/setup.sh" "$target"
quillow_private_display 1280x1024 "$root/bench/run_in_wine.sh" "$target" "$@"

quillow_wine "$build"
trap quillow_stop_server EXIT
quillow_prefix "${QUILLOW_BENCH_PREFIX:-$build/bench-wineprefix}"
quillow_start_server
cd "$build/bin"
wine "$@" </dev/null
