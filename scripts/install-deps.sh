#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Tervalo need; skips apt when all are there.
set -euo pipefail

packages=(
    build-essential cmake ccache pkg-config python3
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev fonts-dejavu-core fonts-liberation
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
    clang-14 libclang-rt-14-dev
    g++-mingw-w64-x86-64-posix googletest wine64
    xvfb xauth xdotool poppler-utils strace
    desktop-file-utils appstream lintian
)

missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
