# Cross-builds Vitachron for Windows x64 with mingw-w64 on Debian:
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#     -DVITACHRON_WINDOWS_PREFIX=<prefix printed by scripts/windows/build-deps.sh>
# (scripts/windows/build.sh does all of it). The programs link statically, so
# they need no DLL beyond Windows' own; test programs run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

# The posix-thread compilers: std::thread and std::mutex need them.
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

if(NOT VITACHRON_WINDOWS_PREFIX AND DEFINED ENV{VITACHRON_WINDOWS_PREFIX})
  set(VITACHRON_WINDOWS_PREFIX "$ENV{VITACHRON_WINDOWS_PREFIX}")
endif()
# try_compile projects read this file again without the cache.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES VITACHRON_WINDOWS_PREFIX)

# Libraries, headers and packages come from the dependency prefix and the
# mingw sysroot only, never from the build machine; programs (windres,
# pkg-config, wx-config) from the build machine.
set(CMAKE_FIND_ROOT_PATH ${VITACHRON_WINDOWS_PREFIX} /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The prefix's own wx-config and .pc files, never the build machine's (which
# describe wxGTK and the Linux libraries).
set(wxWidgets_CONFIG_EXECUTABLE ${VITACHRON_WINDOWS_PREFIX}/bin/wx-config)
set(ENV{PKG_CONFIG_LIBDIR} ${VITACHRON_WINDOWS_PREFIX}/lib/pkgconfig:/usr/x86_64-w64-mingw32/lib/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# The C and C++ runtimes and winpthread go into every executable, and so
# does zlib (FindZLIB would take the sysroot's import library, and the
# programs would need a zlib1.dll that Windows does not have).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(ZLIB_USE_STATIC_LIBS ON)

# Test discovery and ctest run the programs through Wine in a prefix of the
# project's own, never the user's ~/.wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/windows/wine-run.sh)
