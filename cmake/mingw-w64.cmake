# Cross-builds the Windows program on Debian with mingw-w64 (posix threads): a static mirel.exe,
# the scenario runner and the unit tests as console programs.
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MIREL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MIREL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MIREL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${MIREL_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${MIREL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# No DLLs to ship: the C and C++ runtimes and winpthreads are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# The Qt host and the benchmarks are Linux-only.
set(MIREL_WITH_QT OFF CACHE BOOL "")
set(MIREL_BENCH OFF CACHE BOOL "")
# GCC 12 reports false -Wrestrict overlaps inside libstdc++'s string concatenation when it
# optimises (GCC bug 105329); the Linux build's compiler does not.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
