#!/usr/bin/env bash
# Builds Quillow and packs what a Windows user needs, in two forms:
# - build/Quillow-2.30-setup.exe, the per-user setup (res/Quillow.nsi);
# - build/Quillow-2.30.zip, the portable form: the program, its help page, a QUILLOW.INI that
#   keeps the settings beside the program and an empty Pads folder for the pads. Unpack it
#   anywhere and start Quillow.exe /tray.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Always the 32-bit program, in a build folder of its own, even on a machine whose tests run
# the 64-bit build (see wine-arch.sh). It runs nothing, so it needs no Wine.
build="$root/build/package"
QUILLOW_SETUP_BUILD_ONLY=1 QUILLOW_WIN_ARCH=i686 QUILLOW_BUILD_DIR="$build" "$root/scripts/setup.sh"

python3 - "$build/bin" "$root/build/Quillow-2.30.zip" <<'PY'
import sys, time, zipfile, pathlib
bin_dir, target = pathlib.Path(sys.argv[1]), sys.argv[2]
with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as archive:
    for name in ("Quillow.exe", "Quillow.htm"):
        archive.write(bin_dir / name, "Quillow/" + name)
    # A relative home folder is resolved against the settings file's folder, so the unpacked
    # folder keeps working wherever it is moved.
    archive.writestr("Quillow/QUILLOW.INI", "[Quillow Contents]\r\nHomeFolder=Pads\r\n")
    pads = zipfile.ZipInfo("Quillow/Pads/", time.localtime()[:6])
    pads.external_attr = 0o40755 << 16 | 0x10  # a folder, for Unix and for Windows
    archive.writestr(pads, "")
print("Package saved to " + target)
PY

setup="$root/build/Quillow-2.30-setup.exe"
makensis -V2 -DQUILLOW_TARGET=x86-unicode -DQUILLOW_BIN="$build/bin" -DQUILLOW_SETUP="$setup" \
    "$root/res/Quillow.nsi"
echo "Setup saved to $setup"
