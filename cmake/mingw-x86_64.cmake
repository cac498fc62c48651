# Cross-compiles for 64-bit Windows with mingw-w64, for machines that cannot run 32-bit Wine
# (see scripts/wine-arch.sh).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUILLOW_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
