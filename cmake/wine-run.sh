#!/bin/sh
# Runs a cross-built Windows program under wine, quietly: wine-run.sh PREFIX PROGRAM [ARGUMENT...]. PREFIX is
# the wine prefix to use (made on first use) unless WINEPREFIX names one.
export WINEPREFIX="${WINEPREFIX:-$1}"
shift
export WINEDEBUG="${WINEDEBUG:--all}"
# No dialog offering to download Mono or Gecko when the prefix is made.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
for wine in wine64 /usr/lib/wine/wine64 wine; do
    if command -v "$wine" >/dev/null 2>&1; then exec "$wine" "$@"; fi
done
echo "wine-run.sh: wine64 not found (Debian package wine64)" >&2
exit 127
