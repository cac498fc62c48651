#!/usr/bin/env bash
# Builds Quillow and runs every test under Wine on a private X display, in a Wine prefix
# made fresh for this run. Arguments go to ctest (scripts/test.sh -R Pad).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUILLOW_BUILD_DIR:-$root/build}"

if [ -z "${QUILLOW_TEST_DISPLAY_READY:-}" ]; then
    QUILLOW_BUILD_DIR="$build" "$root/scripts/setup.sh"
    # Everything Wine does below needs a display, so the rest runs inside one X server.
    export QUILLOW_TEST_DISPLAY_READY=1
    exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$root/scripts/test.sh" "$@"
fi

source "$root/scripts/wine-arch.sh"
quillow_choose_arch
quillow_wine_env "$build"
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="winemenubuilder.exe=d"
export QUILLOW_TEST_DESKTOP=1024x768

rm -rf "$WINEPREFIX"
tiny_disk="$build/tiny-disk"
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    if mountpoint -q "$tiny_disk" 2>/dev/null; then umount "$tiny_disk" || true; fi
}
trap cleanup EXIT

# A tiny file system that a test can fill, to see a save refused by the disk for real.
# Mounting needs root; without it that one test is skipped.
mkdir -p "$tiny_disk"
if mountpoint -q "$tiny_disk" || mount -t tmpfs -o size=64k quillow-tiny "$tiny_disk" 2>/dev/null; then
    export QUILLOW_TINY_DISK="$tiny_disk"
fi

# A virtual desktop gives every run the same screen size and Wine's own window frames. The
# keys are read when the desktop starts, so they go in before the server that stays.
# Creating the prefix without mono and gecko keeps it from looking for their installers.
if ! {
    WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mscoree,mshtml=" \
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f &&
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$QUILLOW_TEST_DESKTOP" /f &&
        { wineserver -k || true; }
} </dev/null >/dev/null 2>&1; then
    echo "test.sh: could not create the Wine prefix $WINEPREFIX" >&2
    exit 1
fi
bash "$root/scripts/wine-fonts.sh" "$WINEPREFIX"

# A persistent, booted server: each test process then starts in milliseconds, and Wine's
# background services (and the desktop's explorer) start here with their output on
# /dev/null, instead of inside a test where they would hold ctest's pipe open.
wineserver -p </dev/null >/dev/null 2>&1
wine wineboot </dev/null >/dev/null 2>&1

# One test at a time: the end-to-end tests share one desktop and fight over the focus.
unset CTEST_PARALLEL_LEVEL
status=0
ctest --test-dir "$build" --output-on-failure "$@" </dev/null || status=$?
exit "$status"
