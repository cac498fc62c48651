# Sourced by setup.sh (and by its test): installs the Debian packages that building, and unless
# QUILLOW_SETUP_BUILD_ONLY is set, testing and running Quillow need (only those missing), and
# settles QUILLOW_WIN_ARCH. QUILLOW_APT_RETRY_DELAY is the seconds between tries of apt-get update.

source "$(dirname "${BASH_SOURCE[0]}")/wine-arch.sh"

# nsis builds the Windows installer; python3 runs make_icon.py and package.sh and edits run.sh's
# settings file.
quillow_build_packages=(cmake ninja-build g++-mingw-w64-i686-posix googletest nsis python3)
# xvfb-run needs xauth; imagemagick takes run.sh's screenshot. The 32-bit build runs under
# wine32:i386 besides.
quillow_run_packages=(
    wine wine64 fonts-wine fonts-dejavu-core fonts-droid-fallback fonts-symbola
    xvfb xauth imagemagick
)
quillow_64bit_packages=(g++-mingw-w64-x86-64-posix)

quillow_as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null 2>&1; then
        sudo "$@"
    else
        echo "setup.sh: need root (or sudo) to run: $*" >&2
        return 1
    fi
}

quillow_has_i386() {
    dpkg --print-foreign-architectures | grep -x i386 >/dev/null
}

# An i386 architecture that an earlier set-up added is of no use where no 32-bit program runs,
# and every apt-get update would still fetch its package lists, which a mirror can have broken.
quillow_drop_unused_i386() {
    quillow_has_i386 || return 0
    dpkg-query -W -f='${Architecture}\n' | grep -x i386 >/dev/null && return 0
    echo "setup.sh: removing the i386 architecture: no installed package uses it and this" \
        "machine runs no 32-bit program"
    quillow_as_root dpkg --remove-architecture i386 || true
}

# apt-get update, tried three times. A mirror can fail for days, on lists this set-up may not
# even need, so a failure is not fatal by itself: the install works from the lists there are.
quillow_apt_update() {
    local try
    for try in 1 2 3; do
        quillow_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q && return 0
        [ "$try" -eq 3 ] || sleep "${QUILLOW_APT_RETRY_DELAY:-5}"
    done
    echo "setup.sh: apt-get update failed; installing from the package lists there are" >&2
}

# Installs those of the packages given that are missing, updating the lists first, once. Fails
# when any is still missing after, leaving those in quillow_not_installed.
quillow_install() {
    local missing=() package
    for package in "$@"; do
        quillow_installed "$package" || missing+=("$package")
    done
    [ ${#missing[@]} -gt 0 ] || return 0
    echo "setup.sh: installing ${missing[*]}"
    if [[ " ${missing[*]} " == *:i386\ * ]] && ! quillow_has_i386; then
        quillow_as_root dpkg --add-architecture i386
        quillow_apt_updated=
    fi
    if [ -z "${quillow_apt_updated:-}" ]; then
        quillow_apt_update
        quillow_apt_updated=1
    fi
    quillow_as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}" && return 0
    quillow_not_installed=()
    for package in "${missing[@]}"; do
        quillow_installed "$package" || quillow_not_installed+=("$package")
    done
    [ ${#quillow_not_installed[@]} -eq 0 ]
}

# The command that shows why apt-get cannot install $@.
quillow_apt_command() {
    local sudo=
    [ "$(id -u)" -eq 0 ] || sudo="sudo "
    echo "${sudo}apt-get install $*"
}

quillow_install_or_stop() {
    quillow_install "$@" && return 0
    echo "setup.sh: could not install ${quillow_not_installed[*]}; to see why, run:" \
        "$(quillow_apt_command "${quillow_not_installed[@]}")" >&2
    return 1
}

# Installs what is needed and sets QUILLOW_WIN_ARCH: as given, else the 32-bit build where
# 32-bit programs run and 32-bit Wine can be installed, else the 64-bit one.
quillow_setup_packages() {
    local runs_32bit=yes wanted
    quillow_runs_32bit "$QUILLOW_BUILD_DIR" || runs_32bit=no
    [ "$runs_32bit" = yes ] || quillow_drop_unused_i386
    wanted=("${quillow_build_packages[@]}")
    # Packaging builds the 32-bit program and runs nothing, so it needs no Wine at all.
    if [ -n "${QUILLOW_SETUP_BUILD_ONLY:-}" ]; then
        QUILLOW_WIN_ARCH="${QUILLOW_WIN_ARCH:-i686}"
        [ "$QUILLOW_WIN_ARCH" = i686 ] || wanted+=("${quillow_64bit_packages[@]}")
        quillow_install_or_stop "${wanted[@]}" || return 1
        export QUILLOW_WIN_ARCH
        return 0
    fi
    wanted+=("${quillow_run_packages[@]}")
    case "${QUILLOW_WIN_ARCH:-}" in
    i686)
        if [ "$runs_32bit" = no ]; then
            echo "setup.sh: QUILLOW_WIN_ARCH=i686 needs 32-bit Wine, but this machine runs no" \
                "32-bit program (IA-32 emulation is off)" >&2
            return 1
        fi
        quillow_install_or_stop "${wanted[@]}" wine32:i386 || return 1
        ;;
    x86_64)
        quillow_install_or_stop "${wanted[@]}" "${quillow_64bit_packages[@]}" || return 1
        ;;
    '')
        if [ "$runs_32bit" = no ]; then
            echo "setup.sh: this machine runs no 32-bit program (IA-32 emulation is off), so" \
                "Quillow is built for 64-bit Windows here and runs under 64-bit Wine." >&2
        elif quillow_install "${wanted[@]}" wine32:i386; then
            QUILLOW_WIN_ARCH=i686
        fi
        if [ -z "${QUILLOW_WIN_ARCH:-}" ]; then
            quillow_install_or_stop "${wanted[@]}" "${quillow_64bit_packages[@]}" || return 1
            QUILLOW_WIN_ARCH=x86_64
            [ "$runs_32bit" = no ] || echo "setup.sh: wine32:i386 could not be installed (to see" \
                "why, run: $(quillow_apt_command wine32:i386)), so Quillow is built for 64-bit" \
                "Windows here and runs under 64-bit Wine." >&2
        fi
        ;;
    *)
        echo "setup.sh: QUILLOW_WIN_ARCH is i686 or x86_64, not $QUILLOW_WIN_ARCH" >&2
        return 1
        ;;
    esac
    export QUILLOW_WIN_ARCH
}
