# Cross build for 64-bit Windows with Debian's MinGW-w64. The -posix compiler: GoogleTest needs its
# std::thread and std::mutex. The runtime is linked statically, so the programs and tests run without DLLs
# beside them; ctest runs them under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
# Qt for MinGW (scripts/build-qt-mingw.sh) is a folder of its own: its prefix is searched as a root too, and
# Debian's Qt supplies the tools that run at build time (moc, uic, rcc).
if(TERVALO_QT_MINGW)
    list(APPEND CMAKE_FIND_ROOT_PATH ${TERVALO_QT_MINGW})
    list(APPEND CMAKE_PREFIX_PATH ${TERVALO_QT_MINGW})
    set(QT_HOST_PATH /usr CACHE PATH "Qt for the build machine")
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# GCC 12 misreads a string literal added to a std::string at -O2 as an overlapping copy (GCC bug 105651).
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
# Programs run at build time (the table generator) and the tests run under wine, through a script that keeps
# wine quiet and its prefix in the build directory.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${CMAKE_BINARY_DIR}/wine-prefix)
# Wine shows the host's file system as drive Z:; tests reach the source tree's data through it.
set(TERVALO_HOST_PATH_PREFIX Z:)
# A test program under wine that hangs (a static Qt program was seen to spin on after it quit) fails after this
# many seconds instead of holding up the run; the slowest passes in about four minutes on two busy cores.
set(TERVALO_WINE_TEST_TIMEOUT 600)
