# Sourced by the other scripts: chooses the Windows architecture to build for and the Wine
# that runs it. Quillow ships as a 32-bit program and runs under 32-bit Wine. Some machines'
# kernels run no 32-bit Linux program at all (IA-32 emulation off), 32-bit Wine included;
# there the same sources are built for 64-bit Windows and run under 64-bit Wine, so building,
# running and testing still work. QUILLOW_WIN_ARCH (i686 or x86_64) overrides the choice.

# Call after the packages are installed: the check runs 32-bit Wine.
quillow_choose_arch() {
    if [ -z "${QUILLOW_WIN_ARCH:-}" ]; then
        if /usr/lib/wine/wine --version >/dev/null 2>&1; then
            QUILLOW_WIN_ARCH=i686
        else
            QUILLOW_WIN_ARCH=x86_64
        fi
    fi
    export QUILLOW_WIN_ARCH
}

# Sets WINEARCH and, for 64-bit, puts a `wine` first on PATH that starts the 64-bit loader
# (Debian's own `wine` always picks the 32-bit one when it is installed). $1 is the build
# folder, which holds that small launcher.
quillow_wine_env() {
    if [ "$QUILLOW_WIN_ARCH" = i686 ]; then
        export WINEARCH=win32
        return 0
    fi
    export WINEARCH=win64
    local bin="$1/wine64-bin"
    mkdir -p "$bin"
    printf '#!/bin/sh\nexport WINELOADER=/usr/lib/wine/wine64\nexec /usr/lib/wine/wine64 "$@"\n' \
        >"$bin/wine"
    chmod +x "$bin/wine"
    ln -sf wine "$bin/wine-stable"
    case ":$PATH:" in *":$bin:"*) ;; *) export PATH="$bin:$PATH" ;; esac
}
