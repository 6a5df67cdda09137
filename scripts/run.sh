#!/usr/bin/env bash
# Installs what is missing, builds Tervalo and starts it in its staged program directory.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset dev >/dev/null
cmake --build --preset dev -j"$(nproc)"
cd build/dist
exec ./tervalo "$@"
