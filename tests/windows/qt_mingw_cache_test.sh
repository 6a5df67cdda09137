#!/usr/bin/env bash
# scripts/build-qt-mingw.sh --find on a small stand-in archive: unpacked once into the cache and reused after
# the archive is gone, a damaged archive leaving no cache behind, and one line saying why when there is neither.
# Usage: qt_mingw_cache_test.sh SOURCE_ROOT
set -uo pipefail
script="$1/scripts/build-qt-mingw.sh"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
check() {  # DESCRIPTION COMMAND...
    local what="$1"
    shift
    if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failures=$((failures + 1)); fi
}

# A stand-in with the file that marks a Qt installation.
mkdir -p "$work/pack/qt6-mingw-6.4.2/lib/cmake/Qt6" "$work/damaged/qt6-mingw-6.4.2/lib"
echo "# Qt" >"$work/pack/qt6-mingw-6.4.2/lib/cmake/Qt6/Qt6Config.cmake"
tar -C "$work/pack" -cJf "$work/good.tar.xz" qt6-mingw-6.4.2
tar -C "$work/damaged" -cJf "$work/damaged.tar.xz" qt6-mingw-6.4.2

cache="$work/cache/qt6-mingw-6.4.2"
find_qt() { TERVALO_QT_MINGW="$cache" TERVALO_QT_MINGW_ARCHIVE="$1" "$script" --find 2>/dev/null; }

output="$(find_qt "$work/damaged.tar.xz")"
check "a damaged archive fails" test $? -ne 0
check "and leaves no cache" test ! -e "$cache"
check "nor unpacking leftovers" test -z "$(ls -A "$work/cache" | grep -v '\.lock$')"

output="$(find_qt "$work/good.tar.xz")"
check "the archive is unpacked" test "$output" = "$cache"
check "into the cache" test -f "$cache/lib/cmake/Qt6/Qt6Config.cmake"
check "with its origin" grep -q "^archive $(sha256sum "$work/good.tar.xz" | cut -d' ' -f1)$" "$cache/.tervalo-origin"

touch "$cache/kept"
output="$(find_qt "$work/none.tar.xz")"
check "the cache is reused without the archive" test "$output" = "$cache"
check "and not unpacked again" test -f "$cache/kept"

rm -rf "$cache"
output="$(find_qt "$work/none.tar.xz")"
status=$?
check "neither archive nor cache fails" test $status -eq 1
check "with one line saying why" test "$(printf '%s\n' "$output" | wc -l)" -eq 1
check "naming the cache" grep -q "$cache" <<<"$output"

[ $failures -eq 0 ]
