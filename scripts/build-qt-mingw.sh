#!/usr/bin/env bash
# Qt for MinGW-w64: a static Release qtbase 6.4.2 for 64-bit Windows (Core, Gui, Widgets, PrintSupport, Test, the
# windows and offscreen platform plug-ins), which Debian does not package. It lives in one cache folder,
# ${TERVALO_QT_MINGW:-$HOME/.cache/tervalo/qt6-mingw-6.4.2}, filled once and reused:
#  - from the archive qt6-mingw-6.4.2.tar.xz where one lies beside the checkout (../shared/, or
#    $TERVALO_QT_MINGW_ARCHIVE), unpacked;
#  - else built from Debian's qt6-base source with the project's MinGW toolchain and Debian's Qt as the build
#    machine's tools (about an hour on two free cores).
# Usage: build-qt-mingw.sh                 fill the cache (archive or source) and print its folder
#        build-qt-mingw.sh --find          print the folder if the cache or an archive gives it; else print why
#                                          not and exit 1 (never builds)
#        build-qt-mingw.sh --from-source   build from source even where an archive lies
#        build-qt-mingw.sh --pack FILE     fill the cache as without arguments, then pack it as FILE
#        build-qt-mingw.sh --configure-only  fetch the source and configure it in the work folder, then stop
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
version=6.4.2
name="qt6-mingw-$version"
prefix="${TERVALO_QT_MINGW:-$HOME/.cache/tervalo/$name}"
work="${TERVALO_QT_MINGW_WORK:-$HOME/.cache/tervalo/$name-build}"
mode="${1:-fill}"

log() { echo "build-qt-mingw: $*" >&2; }

# The cache holds a finished installation once Qt's CMake package is in it (made complete, then moved in).
cached() { [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ] && [ -f "$prefix/.tervalo-origin" ]; }

# The archive beside the checkout: ../shared of the checkout or of its parent, or the machine's shared folder;
# where TERVALO_QT_MINGW_ARCHIVE is set, that file only.
find_archive() {
    if [ -n "${TERVALO_QT_MINGW_ARCHIVE+set}" ]; then
        [ -f "$TERVALO_QT_MINGW_ARCHIVE" ] && echo "$TERVALO_QT_MINGW_ARCHIVE"
        return
    fi
    local candidate
    for candidate in "$(dirname "$root")/shared/$name.tar.xz" \
        "$(dirname "$(dirname "$root")")/shared/$name.tar.xz" "/work/shared/$name.tar.xz"; do
        if [ -f "$candidate" ]; then
            echo "$candidate"
            return 0
        fi
    done
    return 1
}

unpack() {  # ARCHIVE
    local scratch
    mkdir -p "$(dirname "$prefix")"
    scratch="$(mktemp -d "$(dirname "$prefix")/.unpack.XXXXXX")"
    log "unpacking $1 into $prefix"
    tar -xJf "$1" -C "$scratch"
    [ -f "$scratch/$name/lib/cmake/Qt6/Qt6Config.cmake" ] || { rm -rf "$scratch"; log "$1 holds no $name/"; return 1; }
    echo "archive $(sha256sum "$1" | cut -d' ' -f1)" >"$scratch/$name/.tervalo-origin"
    rm -rf "$prefix"
    mv "$scratch/$name" "$prefix"
    rmdir "$scratch"
}

# Debian's source of qt6-base, with the deb-src line it needs, unpacked with Debian's patches applied.
fetch_source() {
    if ! grep -rqs '^deb-src\|^Types:.*deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
        # In the form of Debian 12's own sources, with the same key: apt refuses one source with two keys.
        log "adding a deb-src source for bookworm main"
        printf '%s\n' "Types: deb-src" "URIs: http://deb.debian.org/debian" "Suites: bookworm" "Components: main" \
            "Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg" >/etc/apt/sources.list.d/tervalo-deb-src.sources
        apt-get update -qq || { rm -f /etc/apt/sources.list.d/tervalo-deb-src.sources; exit 1; }
    fi
    command -v dpkg-source >/dev/null || apt-get install -y -qq --no-install-recommends dpkg-dev
    mkdir -p "$work"
    if [ ! -d "$work/source" ]; then
        (cd "$work" && apt-get source --download-only "qt6-base=$version+dfsg-10" 2>/dev/null ||
            apt-get source --download-only qt6-base)
        rm -rf "$work/source.new"
        dpkg-source -x "$work"/qt6-base_"$version"*.dsc "$work/source.new" >/dev/null
        # Qt 6.4.2's Windows plug-in reads the dynamic-OpenGL setting, which exists only with OpenGL.
        sed -i 's/^#if QT_CONFIG(dynamicgl)/#if QT_CONFIG(opengl) \&\& QT_CONFIG(dynamicgl)/' \
            "$work/source.new/src/plugins/platforms/windows/qwindowswindow.cpp"
        [ "$(grep -c '^#if QT_CONFIG(opengl) && QT_CONFIG(dynamicgl)' \
            "$work/source.new/src/plugins/platforms/windows/qwindowswindow.cpp")" -eq 2 ] ||
            { log "the source guard did not apply"; exit 1; }
        mv "$work/source.new" "$work/source"
    fi
}

configure() {
    local install="$1" host_cmake
    # The build machine's Qt, whose tools (moc, rcc, uic, syncqt) the build runs: the toolchain's search
    # roots would hide it from find_package.
    host_cmake="$(dirname "$(dirname "$(find /usr/lib -path '*/cmake/Qt6HostInfo/Qt6HostInfoConfig.cmake' -print -quit)")")"
    [ -d "$host_cmake/Qt6HostInfo" ] || { log "no Qt 6 of the build machine (Debian package qt6-base-dev)"; exit 1; }
    rm -rf "$work/build"
    mkdir -p "$work/build"
    # Only what Tervalo needs; the image libraries, fonts and regular expressions bundled. No tablet events:
    # the dfsg source has no wintab.h.
    cmake -S "$work/source" -B "$work/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="$host_cmake" -DQt6HostInfo_DIR="$host_cmake/Qt6HostInfo" \
        -DCMAKE_INSTALL_PREFIX="$install" -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_SHARED_LIBS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
        -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_icu=OFF \
        -DFEATURE_xml=OFF -DFEATURE_concurrent=OFF -DFEATURE_vulkan=OFF -DFEATURE_tabletevent=OFF \
        -DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
        -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF \
        -DFEATURE_system_doubleconversion=OFF
}

build_from_source() {
    fetch_source
    local install="$prefix.new"
    rm -rf "$install"
    configure "$install"
    cmake --build "$work/build" --parallel "$(nproc)"
    cmake --install "$work/build" >/dev/null
    echo "source qt6-base $(basename "$work"/qt6-base_"$version"*.dsc .dsc)" >"$install/.tervalo-origin"
    rm -rf "$prefix"
    mv "$install" "$prefix"
}

fill() {  # [from-source]
    cached && [ "${1:-}" != from-source ] && return 0
    local archive
    if [ "${1:-}" != from-source ] && archive="$(find_archive)"; then
        unpack "$archive"
    else
        build_from_source
    fi
}

# One filler at a time: CI runs may share the cache.
mkdir -p "$(dirname "$prefix")"
exec 9>"$prefix.lock"
flock 9

case "$mode" in
    --find)
        if cached; then
            echo "$prefix"
        elif archive="$(find_archive)"; then
            unpack "$archive" && echo "$prefix"
        else
            echo "neither $name.tar.xz beside the checkout nor Qt in $prefix (scripts/build-qt-mingw.sh builds it)"
            exit 1
        fi
        ;;
    fill) fill && echo "$prefix" ;;
    --from-source) fill from-source && echo "$prefix" ;;
    --configure-only) fetch_source && configure "$prefix.new" && log "configured in $work/build" ;;
    --pack)
        [ -n "${2:-}" ] || { log "--pack needs the archive's file name"; exit 2; }
        fill
        out="$(cd "$(dirname "$2")" && pwd)/$(basename "$2")"
        scratch="$(mktemp -d)"
        ln -s "$prefix" "$scratch/$name"
        tar -C "$scratch" --exclude="$name/.tervalo-origin" -chJf "$out" "$name"
        rm -rf "$scratch"
        log "packed $out ($(du -h "$out" | cut -f1))"
        echo "$out"
        ;;
    *)
        sed -n '2,/^set -e/p' "$0" | sed '$d' >&2
        exit 2
        ;;
esac
