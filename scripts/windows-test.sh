#!/usr/bin/env bash
# The Windows build, cross-compiled with MinGW-w64 in one build directory (build-mingw): the libraries, their
# tests, tervalo-calc and the installer's core and Windows layer, and with Qt for MinGW (scripts/build-qt-mingw.sh:
# the archive beside the checkout, or the cache it fills) tervalo.exe, install.exe and the window tests too. The
# tests run under wine; the generated data files and tervalo-calc's runs are compared with the Linux build; with
# the windows, the distribution is packed as a zip file and a user's session is played with it
# (scripts/windows-session.sh).
# Usage: windows-test.sh [LINUX_BUILD]   (default build, from the dev preset, which draws the pictures and the icon)
set -euo pipefail
cd "$(dirname "$0")/.."
linux="$(cd "${1:-build}" && pwd)"
jobs=$(nproc)

# The windows are built wherever Qt for MinGW is at hand (TERVALO_WINDOWS_GUI=0 leaves them out).
gui=OFF
qt_option=()
if [ "${TERVALO_WINDOWS_GUI:-1}" = 0 ]; then
    echo "windows: tervalo.exe and install.exe (the Windows windows) were not built: TERVALO_WINDOWS_GUI=0"
elif qt="$(scripts/build-qt-mingw.sh --find)"; then
    gui=ON
    qt_option=(-DTERVALO_QT_MINGW="$qt")
else
    echo "windows: tervalo.exe and install.exe (the Windows windows) were not built: $qt"
fi

cmake -S . -B build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DTERVALO_GUI=$gui "${qt_option[@]}" \
    -DTERVALO_HOST_BUILD="$linux" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-mingw -j"$jobs"
# The engine's golden record is left to the Linux builds (tests/engine/CMakeLists.txt); the programs' results
# are compared below. A test that cannot run under wine (a locale or tool wine lacks) skips there as it says,
# rather than failing as a missing tool does in the Linux builds' CI runs.
# A test without a time limit of its own (TERVALO_WINE_TEST_TIMEOUT) fails after ten minutes instead of hanging.
env -u TERVALO_CI ctest --test-dir build-mingw -j"$jobs" --output-on-failure --timeout 600
scripts/windows-compare.sh "$linux" build-mingw
if [ $gui = ON ]; then
    cmake --build build-mingw --target tervalo_windows_zip
    # A user's session with the Windows windows on a virtual screen, its PDF compared with the Linux build's.
    scripts/windows-session.sh "$linux" build-mingw
fi
