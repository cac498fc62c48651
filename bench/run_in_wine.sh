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

source "$root/scripts/wine-arch.sh"
quillow_choose_arch
quillow_wine_env "$build"

if [ -z "${QUILLOW_BENCH_DISPLAY_READY:-}" ]; then
    if [ ! -f "$build/build.ninja" ]; then
        cmake -S "$root" -B "$build" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$QUILLOW_WIN_ARCH.cmake"
    fi
    cmake --build "$build" --target "$target"
    export QUILLOW_BENCH_DISPLAY_READY=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$root/bench/run_in_wine.sh" "$target" "$@"
fi

export WINEPREFIX="${QUILLOW_BENCH_PREFIX:-$build/bench-wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
# A new prefix is made by a first boot, whose server must end before a persistent one starts.
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wine wineboot -i </dev/null >/dev/null 2>&1
    wineserver -w
fi
bash "$root/scripts/wine-fonts.sh" "$WINEPREFIX"
wineserver -p </dev/null >/dev/null 2>&1
wine wineboot </dev/null >/dev/null 2>&1
cd "$build/bin"
wine "$@" </dev/null
