# Cross-builds the Windows programs with Debian's MinGW-w64 (the posix thread
# model: the win32 one has no std::thread). Used by build-windows.sh:
#   cmake -S . -B build-windows --toolchain cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZOLT_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZOLT_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZOLT_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZOLT_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZOLT_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One file to ship: the C++ runtime and winpthreads go into the executable.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
