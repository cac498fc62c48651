#!/usr/bin/env bash
# Builds the contents refresh benchmark and runs it under Wine on a private X display:
#   bench/run_contents_refresh.sh [runs]
# Its settings file and pad folders go to a Wine prefix of the benchmark's own.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUILLOW_BUILD_DIR:-$root/build}"
runs="${1:-5}"

if [ -z "${QUILLOW_BENCH_DISPLAY_READY:-}" ]; then
    if [ ! -f "$build/build.ninja" ]; then
        cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake"
    fi
    cmake --build "$build" --target contents_refresh_bench
    export QUILLOW_BENCH_DISPLAY_READY=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$root/bench/run_contents_refresh.sh" "$@"
fi

export WINEPREFIX="${QUILLOW_BENCH_PREFIX:-$build/bench-wineprefix}"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
# A new prefix is made by a first boot, whose server must end before a persistent one starts.
if [ ! -d "$WINEPREFIX" ]; then
    wine wineboot </dev/null >/dev/null 2>&1
    wineserver -w
fi
wineserver -p </dev/null >/dev/null 2>&1
wine wineboot </dev/null >/dev/null 2>&1
cd "$build/bin"
wine contents_refresh_bench.exe "$runs" </dev/null
