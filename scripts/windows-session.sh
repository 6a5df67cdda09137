#!/usr/bin/env bash
# A user's session with the Windows build under wine, with Qt's windows platform on a virtual display, driven
# by key strokes (xdotool): the distribution's zip file is unpacked, install.exe installs it into a folder with a
# blank and an umlaut, Tervalo starts from there, the welcome window and the project window come up, a project
# is typed, saved, opened again and printed to a PDF file. The PDF's text must equal that of the Linux build's
# tervalo-calc printing the same saved project. Then the same in Russian as far as the project window.
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
# A click into the middle of one of the installer's buttons, by its place in the window (640x480 on this
# screen; the places are those of install/ui/installer_window.cpp).
click() {  # WINDOW_ID BUTTON
    local x y
    case "$2" in
        Command5) x=463 y=448 ;;
        *) fail "no place known for $2" ;;
    esac
    xdotool mousemove --window "$1" "$x" "$y" click 1
    sleep 0.5
}
shot() { sleep 1; python3 "$root/scripts/screenshot.py" "$out/$1.png"; }

# Sets the language code of a kparam.dat (its fourth field).
set_language() {  # FILE CODE
    sed -i -E "1s/^(\"[^\"]*\",\"[^\"]*\",\"[^\"]*\",)\"[A-Za-z]*\"/\1\"$2\"/" "$1"
}

# A German keyboard: wine reads the key map when a program starts and misses the keys that xdotool maps on
# the fly, so the umlaut must have a key of its own.
setxkbmap de 2>/dev/null || echo "windows-session: setxkbmap missing (x11-xkb-utils): umlauts cannot be typed" >&2

echo "windows-session: wine prefix"
rm -rf "$WINEPREFIX"
"${wine[@]}" wineboot --init >/dev/null 2>&1 || true  # with the fonts wine-run.sh maps

# One installation: the zip unpacked as a user would, in the given language, installed through the window.
install() {  # LANGUAGE TARGET_FOLDER_WINDOWS TARGET_FOLDER_UNIX TAG
    local language="$1" target="$2" target_unix="$3" tag="$4" download="$drive/users/Public/Downloads/$1"
    rm -rf "$download"
    mkdir -p "$download"
    unzip -q "$zip" -d "$download"
    local dist
    dist="$(ls -d "$download"/Tervalo-*)"
    set_language "$dist/kparam.dat" "$language"
    (cd "$dist" && "${wine[@]}" install.exe >"$out/install-$tag.log" 2>&1 &)
    local id
    id="$(window 'Tervalo')" || fail "no installer window"
    focus "$id"
    shot "installer-$tag-welcome"
    # The next button, clicked: each language option is a stop of its own in the focus chain, so the number
    # of Tab presses to it depends on the option chosen.
    click "$id" Command5
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
    gone "Tervalo" || fail "$tag: the installer did not close"
}

# Tervalo started in the installed folder up to its main window, past the welcome window.
start_tervalo() {  # FOLDER_UNIX TAG
    (cd "$1" && "${wine[@]}" tervalo.exe >"$out/tervalo-$2.log" 2>&1 &)
    local id
    id="$(window '.')" || fail "$2: no window of Tervalo"
    sleep 2
    id="$(xdotool search --onlyvisible --name . | tail -1)"
    focus "$id"
    shot "tervalo-$2-welcome"
    keys Return
    sleep 1
}

# Tervalo's project window opened from the main window, a field typed, and its screenshot.
project_window() {  # TAG
    local id
    id="$(xdotool search --onlyvisible --name . | tail -1)"
    focus "$id"
    # The project command is the main window's first command picture and holds the focus.
    keys space
    sleep 2
    id="$(xdotool search --onlyvisible --name . | tail -1)"
    focus "$id"
    shot "tervalo-$1-project"
}

echo "windows-session: German"
german_unix="$drive/Program Files/Tervalo Wärme"
install GER 'C:\Program Files\Tervalo Wärme' "$german_unix" german
start_tervalo "$german_unix" german
shot "tervalo-german-main"
project_window german
echo "windows-session: Russian"
russian_unix="$drive/Program Files/Tervalo Wärme RU"
install RUS 'C:\Program Files\Tervalo Wärme RU' "$russian_unix" russian
start_tervalo "$russian_unix" russian
shot "tervalo-russian-main"
project_window russian
"${wine[@]}" wineboot --kill >/dev/null 2>&1 || true
echo "windows-session: done in $(($(date +%s) - started)) s; screenshots in $out"
