#!/usr/bin/env bash
# Builds Quillow and packs what a Windows user needs into build/Quillow-2.30.zip: the
# program and its help page. Unpack it anywhere and start Quillow.exe /tray.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# Always the 32-bit program, in a build folder of its own, even on a machine whose tests run
# the 64-bit build (see wine-arch.sh).
build="$root/build/package"
QUILLOW_WIN_ARCH=i686 QUILLOW_BUILD_DIR="$build" "$root/scripts/setup.sh"
python3 - "$build/bin" "$root/build/Quillow-2.30.zip" <<'PY'
import sys, zipfile, pathlib
bin_dir, target = pathlib.Path(sys.argv[1]), sys.argv[2]
with zipfile.ZipFile(target, "w", zipfile.ZIP_DEFLATED) as archive:
    for name in ("Quillow.exe", "Quillow.htm"):
        archive.write(bin_dir / name, "Quillow/" + name)
print("Package saved to " + target)
PY
