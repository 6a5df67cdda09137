#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Tervalo need, and the German locale the
# tests of regional number forms run under; skips what is there already.
set -euo pipefail

packages=(
    build-essential cmake ccache pkg-config python3
    qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-translations-l10n libgl-dev fonts-dejavu-core fonts-liberation
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev
    clang-14 libclang-rt-14-dev clang-format
    g++-mingw-w64-x86-64-posix googletest wine64
    xvfb xauth xdotool x11-xkb-utils poppler-utils strace locales
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

# The tests of regional number forms need a locale with a decimal comma.
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
    echo "Generating the locale de_DE.UTF-8"
    grep -qx 'de_DE.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || echo 'de_DE.UTF-8 UTF-8' >>/etc/locale.gen
    locale-gen >/dev/null
fi
