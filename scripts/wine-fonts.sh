#!/usr/bin/env bash
# Puts Wine's own fonts into a prefix's Fonts folder. This Wine looks for fonts only there:
# without them caption buttons lose their Marlett glyphs and "MS Sans Serif" falls back to a
# wider Linux font, which stretches every dialog beyond the pixel sizes the program sets.
# Usage: scripts/wine-fonts.sh PREFIX
set -euo pipefail
fonts="$1/drive_c/windows/Fonts"
mkdir -p "$fonts"
for font in marlett.ttf ms_sans_serif.ttf sserife.fon tahoma.ttf tahomabd.ttf; do
    if [ -f "/usr/share/wine/fonts/$font" ] && [ ! -f "$fonts/$font" ]; then
        cp "/usr/share/wine/fonts/$font" "$fonts/"
    fi
done
