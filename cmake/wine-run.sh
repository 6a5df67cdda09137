#!/bin/sh
# Runs a cross-built Windows program under wine, quietly: wine-run.sh PREFIX PROGRAM [ARGUMENT...]. PREFIX is
# the wine prefix to use (made on first use) unless WINEPREFIX names one.
export WINEPREFIX="${WINEPREFIX:-$1}"
shift
export WINEDEBUG="${WINEDEBUG:--all}"
# No dialog offering to download Mono or Gecko when the prefix is made.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine=
for candidate in wine64 /usr/lib/wine/wine64 wine; do
    if command -v "$candidate" >/dev/null 2>&1; then
        wine="$candidate"
        break
    fi
done
if [ -z "$wine" ]; then
    echo "wine-run.sh: wine64 not found (Debian package wine64)" >&2
    exit 127
fi

# A new prefix has none of Windows' own fonts: "MS Shell Dlg", Qt's font for the windows, falls through to
# whatever family comes first, here DejaVu Math TeX Gyre, whose line box is four times the font's height, and
# a line edit, which centres that box in its frame, draws its text above it. Windows' names are given the
# build machine's DejaVu fonts once, before the first program runs (not the Liberation fonts: wine draws
# their capital I as nothing).
marker="$WINEPREFIX/.tervalo-fonts-dejavu"
mkdir -p "$WINEPREFIX"
if [ ! -f "$marker" ]; then
    (
        flock 9
        if [ ! -f "$marker" ]; then
            key='HKCU\Software\Wine\Fonts\Replacements'
            for pair in "Arial=DejaVu Sans" "Tahoma=DejaVu Sans" "Segoe UI=DejaVu Sans" \
                "Microsoft Sans Serif=DejaVu Sans" "Times New Roman=DejaVu Serif" "Courier New=DejaVu Sans Mono"; do
                "$wine" reg add "$key" /v "${pair%%=*}" /d "${pair#*=}" /f >/dev/null 2>&1
            done
            touch "$marker"
        fi
    ) 9>"$WINEPREFIX/.tervalo-fonts.lock"
fi
exec "$wine" "$@"
