# Sourced by the scripts that run Quillow under Wine (scripts/test.sh, scripts/run.sh and
# bench/run_in_wine.sh): the private X display, the Wine that runs the build, the prefix and
# its fonts, and the persistent server.

source "$(dirname "${BASH_SOURCE[0]}")/wine-arch.sh"

# Runs a script again inside a private X display (Xvfb) with a screen of this size, unless it
# already runs in one: quillow_private_display WIDTHxHEIGHT SCRIPT [ARGUMENTS...]. The script,
# run again, finds QUILLOW_PRIVATE_DISPLAY set.
quillow_private_display() {
    [ -z "${QUILLOW_PRIVATE_DISPLAY:-}" ] || return 0
    local size="$1"
    shift
    export QUILLOW_PRIVATE_DISPLAY=1
    exec xvfb-run -a -s "-screen 0 ${size}x24" bash "$@"
}

# The Wine that runs this machine's build (see wine-arch.sh), quiet, and kept from adding menu
# entries and file associations to the Linux desktop. $1 is the build folder.
quillow_wine() {
    quillow_choose_arch "$1"
    quillow_wine_env "$1"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="winemenubuilder.exe=d"
}

# Makes $1 the prefix, creating it first when it does not exist, and gives it Wine's own fonts.
quillow_prefix() {
    export WINEPREFIX="$1"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Creating the Wine prefix $WINEPREFIX"
        mkdir -p "$(dirname "$WINEPREFIX")"
        # The first boot's server must end before a persistent one can start.
        if ! quillow_boot -i || ! wineserver -w; then
            echo "could not create the Wine prefix $WINEPREFIX" >&2
            return 1
        fi
    fi
    quillow_prefix_fonts
}

# Boots the prefix without mono and gecko, so that Wine does not look for their installers.
quillow_boot() {
    WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mscoree,mshtml=" wine wineboot "$@" </dev/null >/dev/null 2>&1
}

# This Wine looks for fonts only in the prefix's Fonts folder: without its own there, caption
# buttons lose their Marlett glyphs and "MS Sans Serif" falls back to a wider Linux font, which
# stretches every dialog beyond the pixel sizes the program sets. Fonts for other scripts go
# there too, and Wine is told where to find them: linked to Tahoma, the font of a pad's text,
# for Greek, arrows and check marks, as Windows links its own; and as the fallback of its text
# layout for Chinese, Japanese and Korean, and for characters beyond the BMP such as emoji.
quillow_prefix_fonts() {
    local fonts="$WINEPREFIX/drive_c/windows/Fonts" font
    mkdir -p "$fonts"
    for font in /usr/share/wine/fonts/{marlett.ttf,ms_sans_serif.ttf,sserife.fon,tahoma.ttf,tahomabd.ttf} \
        /usr/share/fonts/truetype/{dejavu/DejaVuSans.ttf,droid/DroidSansFallbackFull.ttf} \
        /usr/share/fonts/truetype/ancient-scripts/Symbola_hint.ttf; do
        if [ -f "$font" ] && [ ! -f "$fonts/$(basename "$font")" ]; then
            cp "$font" "$fonts/"
        fi
    done
    grep -q 'Uniscribe\\\\Fallback' "$WINEPREFIX/user.reg" 2>/dev/null && return 0
    local links='DejaVuSans.ttf,DejaVu Sans\0DroidSansFallbackFull.ttf,Droid Sans Fallback\0Symbola_hint.ttf,Symbola'
    # Fallback fonts are named by OpenType script tag, in hex: hani, kana, hang; 0 for the rest.
    printf '%s\r\n' 'REGEDIT4' '' '[HKEY_CURRENT_USER\Software\Wine\Uniscribe\Fallback]' \
        '"696e6168"="Droid Sans Fallback"' '"616e616b"="Droid Sans Fallback"' \
        '"676e6168"="Droid Sans Fallback"' '"0"="Symbola"' >"$WINEPREFIX/quillow-fonts.reg"
    {
        wine reg import "$(winepath -w "$WINEPREFIX/quillow-fonts.reg")" &&
            wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
                /v Tahoma /t REG_MULTI_SZ /d "$links" /f
    } </dev/null >/dev/null 2>&1
    rm -f "$WINEPREFIX/quillow-fonts.reg"
}

# A persistent, booted server: each Wine process then starts in milliseconds, and Wine's
# background services (and a virtual desktop's explorer) start here with their output on
# /dev/null, instead of inside a program whose output they would hold open.
quillow_start_server() {
    wineserver -p </dev/null >/dev/null 2>&1
    quillow_boot
}

quillow_stop_server() {
    wineserver -k >/dev/null 2>&1 || true
}
