#!/usr/bin/env bash
# Builds Quillow and runs every test under Wine on a private X display, in a Wine prefix
# made fresh for this run. Arguments go to ctest (scripts/test.sh -R Pad).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUILLOW_BUILD_DIR:-$root/build}"
source "$root/scripts/wine-env.sh"

[ -n "${QUILLOW_PRIVATE_DISPLAY:-}" ] || QUILLOW_BUILD_DIR="$build" "$root/scripts/setup.sh"
# Everything Wine does below needs a display, so the rest runs inside one X server.
quillow_private_display 1280x1024 "$root/scripts/test.sh" "$@"

quillow_wine "$build"
# Wine's Recycle Bin is the desktop's trash folder, $XDG_DATA_HOME/Trash: pads the tests erase
# must not land in yours. With no trash folder there, Wine deletes them; the tests that look
# into the Recycle Bin point the variable at one of their own.
export XDG_DATA_HOME="$build/test-data"
tiny_disk="$build/tiny-disk"
cleanup() {
    quillow_stop_server
    if mountpoint -q "$tiny_disk" 2>/dev/null; then umount "$tiny_disk" || true; fi
}
trap cleanup EXIT

# A tiny file system that a test can fill, to see a save refused by the disk for real.
# Mounting needs root; without it that one test is skipped.
mkdir -p "$tiny_disk"
if mountpoint -q "$tiny_disk" || mount -t tmpfs -o size=64k quillow-tiny "$tiny_disk" 2>/dev/null; then
    export QUILLOW_TINY_DISK="$tiny_disk"
fi

rm -rf "$build/wineprefix"
quillow_prefix "$build/wineprefix"
# A virtual desktop gives every run the same screen size and Wine's own window frames. The
# keys are read when the desktop starts, so they go in before the server that stays.
if ! {
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f &&
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
} </dev/null >/dev/null 2>&1; then
    echo "test.sh: could not set the virtual desktop in $WINEPREFIX" >&2
    exit 1
fi
quillow_stop_server
quillow_start_server

# One test at a time: the end-to-end tests share one desktop and fight over the focus.
unset CTEST_PARALLEL_LEVEL
status=0
ctest --test-dir "$build" --output-on-failure "$@" </dev/null || status=$?
exit "$status"
