#!/usr/bin/env bash
# Builds Quillow and starts it under Wine in the user's own prefix. Arguments go to
# Quillow.exe; without any it starts the contents window (/tray). Without an X display it
# runs on a private one, takes a screenshot after a few seconds and ends.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUILLOW_BUILD_DIR:-$root/build}"
desktop_size=1024x768
source "$root/scripts/wine-env.sh"

# Prints one key of one section of an INI file (ini FILE SECTION KEY), or sets it, keeping
# every other line (ini FILE SECTION KEY VALUE). Names match without regard to case, as the
# Windows profile functions match them.
ini() {
    python3 - "$@" <<'PY'
import os, sys
from pathlib import Path

# fsdecode and fsencode keep every byte as it was, of the file and of the arguments alike.
path, section, key, *value = sys.argv[1:]
file = Path(path)
data = file.read_bytes() if file.exists() else b""
eol = "\n" if data and b"\r\n" not in data else "\r\n"
lines = [os.fsdecode(line) for line in data.splitlines()]
inside, found, end = False, None, None
for i, line in enumerate(lines):
    name, equals, _ = line.partition("=")
    if line.strip().startswith("["):
        inside = line.strip()[1:].partition("]")[0].strip().lower() == section.lower()
    elif inside and equals and name.strip().lower() == key.lower():
        found = i
        break
    if inside and line.strip():
        end = i + 1  # a new key goes after the section's last line that is not blank
if not value:
    if found is not None:
        sys.stdout.buffer.write(os.fsencode(lines[found].partition("=")[2].strip()))
    sys.exit()
if found is not None:
    lines[found] = lines[found].partition("=")[0].strip() + "=" + value[0]
elif end is not None:
    lines.insert(end, key + "=" + value[0])
else:
    lines += ["[" + section + "]", key + "=" + value[0]]
file.write_bytes(os.fsencode(eol.join(lines) + eol))
PY
}

[ -n "${QUILLOW_PRIVATE_DISPLAY:-}" ] || QUILLOW_BUILD_DIR="$build" "$root/scripts/setup.sh"
# Without an X display of the user's, the program shows on a private one for a screenshot.
[ -n "${DISPLAY:-}" ] || quillow_private_display "$desktop_size" "$root/scripts/run.sh" "$@"

quillow_wine "$build"
# A prefix is made for one architecture, so the 64-bit Wine gets a prefix of its own.
default_prefix="$HOME/.quillow/wineprefix"
[ "$QUILLOW_WIN_ARCH" = i686 ] || default_prefix="$default_prefix-x86_64"
quillow_prefix "${QUILLOW_PREFIX:-$default_prefix}"
# A taskbar with a notification area on the desktop, for the contents window's tray icon.
if ! grep -qi '^\[Software\\\\Wine\\\\Explorer\\\\Desktops\\\\Quillow\]' "$WINEPREFIX/user.reg"; then
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops\Quillow' /v EnableShell /t REG_DWORD /d 1 /f \
        </dev/null >/dev/null 2>&1
fi

# The contents window finds the program and the pads through these two settings.
ini_file="$WINEPREFIX/drive_c/windows/QUILLOW.INI"
ini "$ini_file" "Quillow Contents" ProgramFolder "$(winepath -w "$build/bin")"
if [ -z "$(ini "$ini_file" "Quillow Contents" HomeFolder)" ]; then
    documents="$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/Documents"
    mkdir -p "$documents/Quillow Pads"
    ini "$ini_file" "Quillow Contents" HomeFolder "$(winepath -w "$documents/Quillow Pads")"
fi

[ $# -gt 0 ] || set -- /tray
exe="$(winepath -w "$build/bin/Quillow.exe")"
# Started in the pads folder, as the contents window starts pads, a bare pad name given here
# means a pad among the others.
home="$(winepath -u "$(ini "$ini_file" "Quillow Contents" HomeFolder)" 2>/dev/null || true)"
if [ -n "$home" ] && [ -d "$home" ]; then cd "$home"; else cd "$build/bin"; fi

if [ -z "${QUILLOW_PRIVATE_DISPLAY:-}" ]; then
    exec wine explorer "/desktop=Quillow,$desktop_size" "$exe" "$@"
fi

# No display of the user's: show the program on the private one and take a picture of it.
wine explorer "/desktop=Quillow,$desktop_size" "$exe" "$@" </dev/null >/dev/null 2>&1 &
sleep 6
screenshot="$build/screenshot.png"
import -window root "$screenshot"
quillow_stop_server
wait || true
echo "Screenshot saved to $screenshot"
