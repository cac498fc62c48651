#!/usr/bin/env bash
# Installs what building, testing and running Quillow needs (only what is missing), then
# builds the targets given as arguments, or everything. QUILLOW_BUILD_DIR chooses the build
# folder.
set -euo pipefail

QUILLOW_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QUILLOW_BUILD_DIR="${QUILLOW_BUILD_DIR:-$QUILLOW_ROOT/build}"
export QUILLOW_ROOT QUILLOW_BUILD_DIR

# nsis builds the Windows installer; python3 runs make_icon.py and package.sh and edits
# run.sh's settings file; xvfb-run needs xauth; imagemagick takes run.sh's screenshot.
quillow_packages=(
    cmake ninja-build g++-mingw-w64-i686-posix googletest nsis python3
    wine wine32:i386 wine64 fonts-wine
    fonts-dejavu-core fonts-droid-fallback fonts-symbola
    xvfb xauth imagemagick
)

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

# Installs the packages given (all of quillow_packages when none are), those that are missing.
quillow_install_packages() {
    local missing=() package wanted=("$@")
    [ ${#wanted[@]} -gt 0 ] || wanted=("${quillow_packages[@]}")
    for package in "${wanted[@]}"; do
        if [ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null)" != "ii " ]; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    echo "setup.sh: installing ${missing[*]}"
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        quillow_as_root dpkg --add-architecture i386
    fi
    quillow_as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
    quillow_as_root env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Builds the targets given, or everything when none are.
quillow_build() {
    local cache="$QUILLOW_BUILD_DIR/CMakeCache.txt"
    local toolchain="$QUILLOW_ROOT/cmake/mingw-$QUILLOW_WIN_ARCH.cmake"
    # A cache made by another generator, or for the other architecture, cannot be reused.
    if [ -f "$cache" ] && { ! grep -qx 'CMAKE_GENERATOR:INTERNAL=Ninja' "$cache" ||
        ! grep -qxF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$toolchain" "$cache"; }; then
        rm -rf "$cache" "$QUILLOW_BUILD_DIR/CMakeFiles" "$QUILLOW_BUILD_DIR/build.ninja"
    fi
    # Once configured, the build re-runs CMake itself when a CMakeLists or a glob changes.
    if [ ! -f "$QUILLOW_BUILD_DIR/build.ninja" ]; then
        cmake -S "$QUILLOW_ROOT" -B "$QUILLOW_BUILD_DIR" -G Ninja \
            -DCMAKE_TOOLCHAIN_FILE="$toolchain"
    fi
    local targets=()
    [ $# -eq 0 ] || targets=(--target "$@")
    cmake --build "$QUILLOW_BUILD_DIR" "${targets[@]}"
}

quillow_install_packages
source "$QUILLOW_ROOT/scripts/wine-arch.sh"
quillow_choose_arch
if [ "$QUILLOW_WIN_ARCH" = x86_64 ]; then
    echo "setup.sh: this machine cannot run 32-bit programs, so Quillow is built for 64-bit" \
        "Windows here and runs under 64-bit Wine." >&2
    quillow_install_packages g++-mingw-w64-x86-64-posix
fi
quillow_build "$@"
