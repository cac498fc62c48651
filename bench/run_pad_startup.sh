#!/usr/bin/env bash
# Builds Quillow and the start-up benchmark and runs it under Wine on a private X display:
#   bench/run_pad_startup.sh [runs]
# The pad's settings go to a Wine prefix of the benchmark's own.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUILLOW_BUILD_DIR:-$root/build}"
runs="${1:-20}"

if [ -z "${QUILLOW_BENCH_DISPLAY_READY:-}" ]; then
    if [ ! -f "$build/build.ninja" ]; then
        cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
    fi
    cmake --build "$build" --target pad_startup_bench
    export QUILLOW_BENCH_DISPLAY_READY=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$root/bench/run_pad_startup.sh" "$@"
fi

export WINEPREFIX="${QUILLOW_BENCH_PREFIX:-$build/bench-wineprefix}"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
# A persistent, booted server, so that each start measures the program and not Wine's boot.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wine wineboot -i </dev/null >/dev/null 2>&1
    wineserver -w
fi
bash "$root/scripts/wine-fonts.sh" "$WINEPREFIX"
wineserver -p </dev/null >/dev/null 2>&1
wine wineboot </dev/null >/dev/null 2>&1
ls -l "$build/bin/Quillow.exe" "$build/bin/QuillowFloor.exe" "$build/bin/QuillowFloorThemed.exe"
cd "$build/bin"
wine pad_startup_bench.exe "$runs" </dev/null
