#!/usr/bin/env bash
# Builds Quillow and starts it under Wine in the user's own prefix. Arguments go to
# Quillow.exe; without any it starts the contents window (/tray). Without an X display it
# runs on a private one, takes a screenshot after a few seconds and ends.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUILLOW_BUILD_DIR:-$root/build}"
desktop_size=1024x768
source "$root/scripts/wine-env.sh"

# Sets one key in one section of an INI file, keeping every other line as it is. Sections
# and keys match without regard to case, as the Windows profile functions do; the file's
# line ends (CR LF as Wine writes them, unless the file has plain LF) are kept.
ini_set() {
    local file="$1" eol=$'\r\n'
    if [ -s "$file" ] && ! grep -q $'\r' "$file"; then
        eol=$'\n'
    fi
    [ -f "$file" ] || : >"$file"
    INI_SECTION="$2" INI_KEY="$3" INI_VALUE="$4" INI_EOL="$eol" awk '
        function trim(s) { sub(/^[ \t]+/, "", s); sub(/[ \t]+$/, "", s); return s }
        function add_key() {
            if (!done) { printf "%s=%s%s", key, value, eol; done = 1 }
        }
        function flush_blanks() { printf "%s", blanks; blanks = "" }
        BEGIN {
            section = tolower(ENVIRON["INI_SECTION"]); key = ENVIRON["INI_KEY"]
            value = ENVIRON["INI_VALUE"]; eol = ENVIRON["INI_EOL"]; ORS = ""
        }
        { sub(/\r$/, "") }
        /^[ \t]*\[/ {
            if (inside) add_key()
            flush_blanks()
            name = $0; sub(/^[ \t]*\[/, "", name); sub(/\].*$/, "", name)
            inside = (tolower(trim(name)) == section)
            print $0 eol; next
        }
        inside && /^[ \t]*$/ { blanks = blanks $0 eol; next }
        inside && index($0, "=") && tolower(trim(substr($0, 1, index($0, "=") - 1))) == tolower(key) {
            flush_blanks()
            if (!done) printf "%s=%s%s", trim(substr($0, 1, index($0, "=") - 1)), value, eol
            done = 1
            next
        }
        { flush_blanks(); print $0 eol }
        END {
            if (inside) add_key()
            flush_blanks()
            if (!done) printf "[%s]%s%s=%s%s", ENVIRON["INI_SECTION"], eol, key, value, eol
        }
    ' "$file" >"$file.tmp"
    mv "$file.tmp" "$file"
}

# Prints the value of one key of one section of an INI file (nothing when it is missing).
ini_get() {
    INI_SECTION="$2" INI_KEY="$3" awk '
        function trim(s) { sub(/^[ \t]+/, "", s); sub(/[ \t]+$/, "", s); return s }
        { sub(/\r$/, "") }
        /^[ \t]*\[/ {
            name = $0; sub(/^[ \t]*\[/, "", name); sub(/\].*$/, "", name)
            inside = (tolower(trim(name)) == tolower(ENVIRON["INI_SECTION"])); next
        }
        inside && index($0, "=") &&
            tolower(trim(substr($0, 1, index($0, "=") - 1))) == tolower(ENVIRON["INI_KEY"]) {
            print trim(substr($0, index($0, "=") + 1)); exit
        }
    ' "$1" 2>/dev/null || true
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
ini="$WINEPREFIX/drive_c/windows/QUILLOW.INI"
ini_set "$ini" "Quillow Contents" ProgramFolder "$(winepath -w "$build/bin")"
if [ -z "$(ini_get "$ini" "Quillow Contents" HomeFolder)" ]; then
    documents="$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/Documents"
    mkdir -p "$documents/Quillow Pads"
    ini_set "$ini" "Quillow Contents" HomeFolder "$(winepath -w "$documents/Quillow Pads")"
fi

[ $# -gt 0 ] || set -- /tray
exe="$(winepath -w "$build/bin/Quillow.exe")"
# Started in the pads folder, as the contents window starts pads, a bare pad name given here
# means a pad among the others.
home="$(winepath -u "$(ini_get "$ini" "Quillow Contents" HomeFolder)" 2>/dev/null || true)"
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
