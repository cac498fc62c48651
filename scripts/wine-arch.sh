# Sourced by the other scripts: chooses the Windows architecture to build for and the Wine
# that runs it. Quillow ships as a 32-bit program and runs under 32-bit Wine. Some machines'
# kernels run no 32-bit Linux program at all (IA-32 emulation off), 32-bit Wine included;
# there the same sources are built for 64-bit Windows and run under 64-bit Wine, so building,
# running and testing still work. QUILLOW_WIN_ARCH (i686 or x86_64) overrides the choice.

# Whether this machine runs 32-bit Linux programs, 32-bit Wine among them. Only running one
# tells: on some machines the kernel's configuration says IA-32 emulation is on while every
# 32-bit program fails with "Exec format error". The one run is written to the folder $1 (a
# build folder, where the scripts start programs anyway): a static i386 ELF of one loadable
# segment whose code is the exit(0) system call (xor ebx,ebx; xor eax,eax; inc eax; int 0x80).
quillow_runs_32bit() {
    local probe status=0
    mkdir -p "$1"
    # A name of its own, as another script may be asking at the same moment.
    probe="$(mktemp "$1/runs-32bit.XXXXXX")" || return 1
    # The ELF header (identification; type, machine, version, entry, program header offset; the
    # rest), the program header (type, offset, addresses; sizes, flags, alignment), the code.
    printf '%b' '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00' \
        '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00' \
        '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00' \
        '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08' \
        '\x5b\x00\x00\x00\x5b\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
        '\x31\xdb\x31\xc0\x40\xcd\x80' >"$probe"
    chmod +x "$probe"
    "$probe" 2>/dev/null || status=$?
    rm -f "$probe"
    return "$status"
}

# Whether the Debian package $1 is installed.
quillow_installed() {
    [ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$1" 2>/dev/null)" = "ii " ]
}

# The 32-bit build where 32-bit programs run and 32-bit Wine is installed (setup.sh installs it
# wherever it can), else the 64-bit one: the choice setup.sh builds for. $1 is the build folder.
quillow_choose_arch() {
    if [ -z "${QUILLOW_WIN_ARCH:-}" ]; then
        if quillow_runs_32bit "$1" && quillow_installed wine32:i386; then
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
