#!/usr/bin/env bash
# Installs what building, testing and running Quillow needs (only what is missing; see
# setup-packages.sh), then builds the targets given as arguments, or everything.
# QUILLOW_BUILD_DIR chooses the build folder; QUILLOW_SETUP_BUILD_ONLY=1 installs no Wine.
set -euo pipefail

QUILLOW_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
QUILLOW_BUILD_DIR="${QUILLOW_BUILD_DIR:-$QUILLOW_ROOT/build}"
export QUILLOW_ROOT QUILLOW_BUILD_DIR

source "$QUILLOW_ROOT/scripts/setup-packages.sh"

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

quillow_setup_packages
quillow_build "$@"
