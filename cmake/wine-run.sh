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

# Wine keeps the build machine's QT_ variables from Windows programs (they would steer a Windows Qt by the Linux
# desktop's settings) and passes WINEQT_X on as QT_X instead. The tests' own choices (the offscreen platform,
# its screens, the scale factor) are meant for the Windows program: without them it ran on the windows
# platform with no display, where a window never closes and a message box's answer never returns.
for name in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "export WINE$name=\"\$$name\""
done

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

# Qt's offscreen platform on Windows draws with the fonts of one folder (QT_QPA_FONTDIR), not the system's; with
# none it draws every character as a box as wide as the font is high. The window tests get the DejaVu Sans
# that the Linux build's offscreen runs resolve their default font to, and no other family that a name it
# lacks could fall back to (the folder's first family in alphabetical order).
fonts="$WINEPREFIX/offscreen-fonts"
if [ ! -d "$fonts" ]; then
    (
        flock 9
        if [ ! -d "$fonts" ]; then
            rm -rf "$fonts.new"
            mkdir -p "$fonts.new"
            for file in DejaVuSans.ttf DejaVuSans-Bold.ttf DejaVuSans-Oblique.ttf DejaVuSans-BoldOblique.ttf \
                DejaVuSansMono.ttf DejaVuSansMono-Bold.ttf; do
                [ -f "/usr/share/fonts/truetype/dejavu/$file" ] &&
                    ln -s "/usr/share/fonts/truetype/dejavu/$file" "$fonts.new/$file"
            done
            mv "$fonts.new" "$fonts"
        fi
    ) 9>"$WINEPREFIX/.tervalo-fonts.lock"
fi
export WINEQT_QPA_FONTDIR="${WINEQT_QPA_FONTDIR:-Z:$fonts}"
exec "$wine" "$@"
