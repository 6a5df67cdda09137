#!/usr/bin/env bash
# A user's session with the Windows build under wine, with Qt's windows platform on a virtual display, driven
# by key strokes (xdotool): the distribution's zip file is unpacked, install.exe installs it into a folder with a
# blank and an umlaut, Tervalo starts from there, German is chosen in the welcome window, the project window
# comes up, a project is typed, saved, opened again and printed to a PDF file. The PDF's text must equal that of
# the Linux build's tervalo-calc printing the same saved project. Then the same in Russian as far as the project
# window.
# Screenshots of every window land in WINDOWS_BUILD/session/.
# Usage: windows-session.sh LINUX_BUILD WINDOWS_BUILD
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
linux="$(cd "$1" && pwd)"
windows="$(cd "$2" && pwd)"
if [ -z "${TERVALO_SESSION_DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" env TERVALO_SESSION_DISPLAY=1 "$0" "$@"
fi

out="$windows/session"
rm -rf "$out"
mkdir -p "$out"
export WINEPREFIX="$windows/wine-session"
wine=("$root/cmake/wine-run.sh" "$WINEPREFIX")
drive="$WINEPREFIX/drive_c"
zip="$(ls "$windows"/Tervalo-*-windows-x64.zip)"
started=$(date +%s)

fail() {
    echo "windows-session: $*" >&2
    python3 "$root/scripts/screenshot.py" "$out/failure.png" || true
    xdotool search --name . getwindowname %@ 2>/dev/null | sed 's/^/windows-session: window: /' >&2 || true
    exit 1
}
# The id of the newest visible window whose title matches, waited for up to 60 seconds.
window() {  # TITLE_REGEX
    local id
    for _ in $(seq 1 120); do
        id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -1)" || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.5
    done
    return 1
}
gone() {  # TITLE_REGEX
    for _ in $(seq 1 60); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.5
    done
    return 1
}
focus() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; sleep 0.3; }
keys() { xdotool key --delay 120 "$@"; sleep 0.5; }
typed() { xdotool type --delay 60 "$1"; sleep 0.3; }
# Whether COMMAND succeeds within TRIES half-second tries.
eventually() {  # TRIES COMMAND [ARGUMENT...]
    local tries="$1"
    shift
    for _ in $(seq 1 "$tries"); do
        "$@" && return 0
        sleep 0.5
    done
    return 1
}
shot() { sleep 1; python3 "$root/scripts/screenshot.py" "$out/$1.png"; }

# A German keyboard: wine reads the key map when a program starts and misses the keys that xdotool maps on
# the fly, so the umlaut must have a key of its own.
setxkbmap de 2>/dev/null || echo "windows-session: setxkbmap missing (x11-xkb-utils): umlauts cannot be typed" >&2

echo "windows-session: wine prefix"
rm -rf "$WINEPREFIX"
"${wine[@]}" wineboot --init >/dev/null 2>&1 || true  # with the fonts wine-run.sh maps

# One installation: the zip unpacked as a user would and installed through the window, its texts in the
# language of the installer's option (1 English, 2 Deutsch, 3 Italiano, 4 Français).
install() {  # OPTION TARGET_FOLDER_WINDOWS TARGET_FOLDER_UNIX TAG
    local option="$1" target="$2" target_unix="$3" tag="$4" download="$drive/users/Public/Downloads/$4"
    rm -rf "$download"
    mkdir -p "$download"
    (cd "$download" && cmake -E tar xf "$zip")  # as the build packed it, without an unzip program
    local dist
    dist="$(ls -d "$download"/Tervalo-*)"
    (cd "$dist" && exec "${wine[@]}" install.exe >"$out/install-$tag.log" 2>&1) &
    disown
    local id
    id="$(window 'Tervalo - Install')" || fail "no installer window"
    focus "$id"
    # The window opens with its forward command in focus; Shift+Tab leads back to the options, the arrow keys
    # and Space choose among them, and Enter continues from there as from the forward command.
    if [ "$option" != 1 ]; then
        keys shift+Tab Up Up Up
        for _ in $(seq 2 "$option"); do keys Down; done
        keys space
    fi
    shot "installer-$tag-welcome"
    keys Return
    shot "installer-$tag-folder"
    keys ctrl+a
    typed "$target"
    shot "installer-$tag-folder-typed"
    keys Return
    for _ in $(seq 1 120); do
        [ -f "$target_unix/tervalo.exe" ] && [ -f "$target_unix/kparam.dat" ] && break
        sleep 0.5
    done
    [ -f "$target_unix/tervalo.exe" ] || fail "$tag: nothing installed in $target_unix"
    shot "installer-$tag-done"
    # The final page: the end button closes the installer.
    xdotool key --delay 120 alt+F4 || true
    gone 'Tervalo - Install' || fail "$tag: the installer did not close"
}

# Whether the settings file in FOLDER names the language CODE (its fourth field).
stored_language() {  # FOLDER_UNIX CODE
    head -1 "$1/kparam.dat" | grep -q "^\"[^\"]*\",\"[^\"]*\",\"[^\"]*\",\"$2\""
}

# Tervalo started in the installed folder up to its main window, its language chosen in the welcome window as
# a first start offers it (the distribution comes in English): the project saved with it is translated.
# The options stand in two columns, Arabic and Bulgarian on top; from OK, Shift+Tab reaches one of them, eight
# times Up the top of its column, Right (or Left) the top of the column wanted, Down the language, and Space
# checks it (the arrows check only when they leave a checked option).
start_tervalo() {  # FOLDER_UNIX TAG CODE COLUMN_KEY DOWN_STEPS
    (cd "$1" && exec "${wine[@]}" tervalo.exe >"$out/tervalo-$2.log" 2>&1) &
    disown
    local id
    id="$(window '.')" || fail "$2: no window of Tervalo"
    sleep 2
    id="$(xdotool search --onlyvisible --name . | tail -1)"
    focus "$id"
    keys shift+Tab Up Up Up Up Up Up Up Up "$4"
    for _ in $(seq 1 "$5"); do keys Down; done
    keys space
    shot "tervalo-$2-welcome"
    # Enter confirms the window wherever the focus stands.
    keys Return
    eventually 40 stored_language "$1" "$3" || fail "$2: the welcome window did not store the language $3"
    sleep 1
}

# Tervalo's project window opened from the main window, and its screenshot; the living area holds the focus.
project_window() {  # TAG [KEY]
    local id
    id="$(xdotool search --onlyvisible --name . | tail -1)"
    focus "$id"
    # The project command is the main window's first command picture and holds the focus when the window
    # opens; later its Alt letter reaches it.
    keys "${2:-space}"
    sleep 2
    id="$(window "$project_title")" || fail "$1: no project window"
    focus "$id"
    shot "tervalo-$1-project"
    on_screen "$id" "$1: the project window"
}

# Whether the window lies whole on the 1024 x 768 screen.
on_screen() {  # WINDOW_ID WHAT
    local x y width height
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=' | tr 'A-Z' 'a-z')"
    echo "windows-session: $2 at $x,$y, ${width}x$height"
    [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + width)) -le 1024 ] && [ $((y + height)) -le 768 ] ||
        fail "$2 reaches beyond the screen"
}

# Whether the saved project's living area (the second line of TempPart.dat) is AREA.
saved_area() {  # FOLDER_UNIX AREA
    [ "$(sed -n 2p "$1/TempPart.dat" 2>/dev/null | tr -d '\r')" = "\"$2\"" ]
}

# A project typed in the project window, saved by its OK command, opened again and printed to a PDF file from
# the results view through the printer set-up, which offers a file where there is no printer.
project_session() {  # FOLDER_UNIX TAG PDF_WINDOWS PDF_UNIX
    project_window "$2"
    keys ctrl+a
    typed 135
    keys Return
    shot "tervalo-$2-typed"
    keys alt+o
    eventually 40 saved_area "$1" 135 || fail "$2: OK saved no project with the living area typed"
    gone "$project_title" || fail "$2: the project window stayed open after OK"
    project_window "$2-reopened" alt+b  # "Berechnung"
    keys alt+d  # "Drucken"
    local id
    # The results view's title ends as the report's, "CO2 Emission" (the project window's "Emission CO2").
    id="$(window 'CO2 Emission$')" || fail "$2: no results view"
    focus "$id"
    shot "tervalo-$2-results"
    on_screen "$id" "$2: the results view"
    keys alt+d  # the results view's "Drucken"
    # Without a printer chosen yet, the print settings come first; their OK goes on to the printer set-up.
    id="$(window 'Vorgaben Drucker')" || fail "$2: no print settings"
    focus "$id"
    shot "tervalo-$2-print-settings"
    on_screen "$id" "$2: the print settings"
    keys alt+o
    id="$(window 'Printer Setup')" || fail "$2: the printer set-up did not offer a file"
    focus "$id"
    shot "tervalo-$2-print-file"
    keys Home shift+End
    typed "$3"
    keys Return
    eventually 60 test -s "$4" || fail "$2: no PDF file printed"
    shot "tervalo-$2-printed"
}

# A PDF's text one word a line, with the ligatures of a font that has them (wine gives Arial's name DejaVu Sans,
# whose "fl" is one glyph; Linux Liberation Sans) written out.
words() {  # TEXT_FILE
    tr -s ' \n\f' '\n\n\n' <"$1" | sed 's/ﬀ/ff/g; s/ﬁ/fi/g; s/ﬂ/fl/g; s/ﬃ/ffi/g; s/ﬄ/ffl/g'
}

# The PDF's text against that of the Linux build's tervalo-calc printing the project saved in FOLDER (with
# the settings and prices saved beside it), in words, as the fonts of the two systems differ in width.
compare_pdf() {  # FOLDER_UNIX PDF_UNIX
    local scratch
    scratch="$(mktemp -d)"
    cp -r "$linux/dist/." "$scratch/"
    find "$1" -maxdepth 1 -type f ! -iname '*.exe' -exec cp {} "$scratch/" \;
    (cd "$scratch" && ./tervalo-calc --pdf linux.pdf >"$out/linux-print.log" 2>&1) || fail "tervalo-calc --pdf failed"
    pdftotext -enc UTF-8 "$2" "$out/windows.txt"
    pdftotext -enc UTF-8 "$scratch/linux.pdf" "$out/linux.txt"
    rm -rf "$scratch"
    if ! diff <(words "$out/windows.txt") <(words "$out/linux.txt") >"$out/pdf-text.diff"; then
        cat "$out/pdf-text.diff" >&2
        fail "the Windows PDF's text differs from the Linux build's"
    fi
    echo "windows-session: the PDF's text equals the Linux build's ($(wc -w <"$out/windows.txt") words)"
}

# The project window's title begins with the product's name and a colon (the main window's with a dash).
project_title='Tervalo :'
echo "windows-session: German"
german_unix="$drive/Program Files/Tervalo Wärme"
install 2 'C:\Program Files\Tervalo Wärme' "$german_unix" german
start_tervalo "$german_unix" german GER Right 1
shot "tervalo-german-main"
project_session "$german_unix" german 'C:\users\Public\Bericht.pdf' "$drive/users/Public/Bericht.pdf"
compare_pdf "$german_unix" "$drive/users/Public/Bericht.pdf"
# The German windows end with the wine session, which the Russian installation starts anew.
"${wine[@]}" wineboot --kill >/dev/null 2>&1 || true
echo "windows-session: Russian"
russian_unix="$drive/Program Files/Tervalo Wärme RU"
install 1 'C:\Program Files\Tervalo Wärme RU' "$russian_unix" russian
start_tervalo "$russian_unix" russian RUS Left 6
shot "tervalo-russian-main"
project_window russian
"${wine[@]}" wineboot --kill >/dev/null 2>&1 || true
echo "windows-session: done in $(($(date +%s) - started)) s; screenshots in $out"
