#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the full build's tests, the Debian package
# (contents, lintian, validators, a scratch installation used by a normal user), the GUI-free tests
# under AddressSanitizer and UndefinedBehaviorSanitizer, a short run of each fuzzer, and the Windows build of
# everything below the windows, its tests run under wine and its results compared with the Linux build's.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
jobs=$(nproc)
# Everything the tests use is installed now: a test that finds a tool or locale missing fails instead of
# skipping.
export TERVALO_CI=1
# The compiler cache serves every checkout of this machine: paths inside the checkout are hashed relative to it,
# and the build directory's own path is left out, so a fresh clone reuses what another checkout compiled.
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=true

echo "== formatting"
scripts/format-check.sh

echo "== build and test"
cmake --preset dev >/dev/null
cmake --build --preset dev -j"$jobs"
ctest --preset dev -j"$jobs"

echo "== Debian package"
scripts/package-test.sh build

echo "== sanitizers"
cmake --preset sanitize >/dev/null
cmake --build --preset sanitize -j"$jobs"
ctest --preset sanitize -j"$jobs"

echo "== fuzzers"
scripts/fuzz.sh build-sanitize/fuzz "${FUZZ_SECONDS:-15}"

echo "== windows"
scripts/windows-test.sh build
echo "== all tests passed"
