# Shared by the two mingw-w64 toolchain files, which set QUILLOW_MINGW_PREFIX first.
# The posix-thread variants are needed: the win32-thread ones have no std::mutex, and
# GoogleTest does not build without it.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${QUILLOW_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLOW_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLOW_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${QUILLOW_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Lets ctest run the test programs, and gtest_discover_tests list them, under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
