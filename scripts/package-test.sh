#!/usr/bin/env bash
# Builds the Debian package from a finished build and checks it: its contents, lintian, the launcher and
# metainfo validators, and an installation into a scratch root whose programs a normal user starts from a
# foreign folder, so that they must work in a folder of the user's own.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
# The version project() in CMakeLists.txt gives; nothing else names it.
version=$(sed -n 's/^project(Tervalo VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")

cd "$build"
rm -f tervalo_*.deb
cpack -G DEB >/dev/null
package=$(ls tervalo_*.deb)
echo "-- $package"

contents=$(dpkg-deb --contents "$package")
for path in ./usr/bin/tervalo ./usr/bin/tervalo-calc ./usr/lib/tervalo/tervalo ./usr/lib/tervalo/tervalo-calc-draw \
    ./usr/lib/tervalo/kparam.dat \
    ./usr/lib/tervalo/Caption.HUN ./usr/lib/tervalo/TXV22EXN.rdm ./usr/share/applications/org.kelvara.Tervalo.desktop \
    ./usr/share/metainfo/org.kelvara.Tervalo.metainfo.xml ./usr/share/icons/hicolor/scalable/apps/org.kelvara.Tervalo.svg \
    ./usr/share/icons/hicolor/48x48/apps/org.kelvara.Tervalo.png ./usr/share/icons/hicolor/256x256/apps/org.kelvara.Tervalo.png \
    ./usr/share/man/man1/tervalo.1.gz ./usr/share/man/man1/tervalo-calc.1.gz ./usr/share/doc/tervalo/copyright \
    ./usr/share/tervalo/screenshots/project-window.png; do
    grep -q " $path\( \|$\)" <<<"$contents" || { echo "package lacks $path" >&2; exit 1; }
done
if grep -q "tervalo-install\|R22.LST\|ergEN1" <<<"$contents"; then
    echo "package holds the installer or files of a run" >&2
    exit 1
fi

# The programs carry the distribution's hardening: lintian names no missing feature.
lintian_report=$(lintian --fail-on error -I --suppress-tags national-encoding,initial-upload-closes-no-bugs \
    "$package") || { echo "$lintian_report" >&2; exit 1; }
! grep "hardening-" <<<"$lintian_report" || exit 1
unpacked=$(mktemp -d)
dpkg-deb -x "$package" "$unpacked"
for program in tervalo tervalo-calc; do
    elf="$unpacked/usr/lib/tervalo/$program"
    headers=$(readelf -lW -dW "$elf") symbols=$(readelf -sW --dyn-syms "$elf")
    grep -q GNU_RELRO <<<"$headers" && grep -q "BIND_NOW" <<<"$headers" && grep -q "__stack_chk_fail" <<<"$symbols" &&
        grep -q "_chk@" <<<"$symbols" || { echo "$program lacks the hardening flags" >&2; exit 1; }
done
rm -rf "$unpacked"
depends=$(dpkg-deb -f "$package" Depends)
[ "$(grep -o "libqt6svg6" <<<"$depends" | wc -l)" -eq 1 ] || { echo "Depends: $depends" >&2; exit 1; }
dpkg-deb -f "$package" Recommends | grep -q "qt6-translations-l10n" || { echo "no Recommends" >&2; exit 1; }
# The pictures lie in /usr/share/tervalo, shown in the program directory as links.
grep -q "^-.* ./usr/share/tervalo/backg01.bmp$" <<<"$contents" &&
    grep -q "^l.* ./usr/lib/tervalo/backg01.bmp -> ../../share/tervalo/backg01.bmp$" <<<"$contents" &&
    ! grep -q "^-.* ./usr/lib/tervalo/.*\.bmp$" <<<"$contents" || { echo "the pictures are not in /usr/share" >&2; exit 1; }
desktop-file-validate "$root/data/desktop/org.kelvara.Tervalo.desktop"
appstreamcli validate --no-net "$root/data/desktop/org.kelvara.Tervalo.metainfo.xml" >/dev/null
# The screenshot the metainfo names is the one the build drew: a picture of the project window with its texts.
grep -q "/screenshots/project-window.png</image>" "$root/data/desktop/org.kelvara.Tervalo.metainfo.xml"
file "$build/desktop/screenshots/project-window.png" | grep -q "PNG image data, [0-9]\{3,\} x [0-9]\{3,\}" ||
    { echo "the screenshot is no picture of a window" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/root/var/lib/dpkg/info" "$scratch/root/var/lib/dpkg/updates" "$scratch/home" "$scratch/elsewhere"
touch "$scratch/root/var/lib/dpkg/status"
# The libraries come from this system; apt must be able to resolve them as it would on a fresh one.
apt-get install --simulate "$build/$package" >/dev/null
dpkg --root="$scratch/root" --force-depends --force-not-root --force-script-chrootless -i "$package" \
    >"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log" >&2; exit 1; }
chmod 755 "$scratch" && chown -R nobody "$scratch/home" "$scratch/elsewhere"

# A normal user who cannot write the program directory, in a folder without Tervalo's files.
as_user() {
    (cd "$scratch/elsewhere" && setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env -i HOME="$scratch/home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen "$@")
}
bin="$scratch/root/usr/bin"
as_user "$bin/tervalo" --version | grep -qx "tervalo $version"
as_user "$bin/tervalo-calc" --version | grep -qx "tervalo-calc $version"
output=$(as_user "$bin/tervalo-calc" WohnFL=150 --save)
grep -q "^WohnFL=150$" <<<"$output"
grep -q "^Klimazone=..*" <<<"$output"
user_folder="$scratch/home/.local/share/Tervalo"
[ -L "$user_folder/Caption.GER" ] && [ -f "$user_folder/TempPart.dat" ] && [ ! -L "$user_folder/TempPart.dat" ] ||
    { echo "the user's folder is not as expected" >&2; ls -la "$user_folder" >&2; exit 1; }
[ -z "$(ls -A "$scratch/elsewhere")" ] || { echo "files were written into the current folder" >&2; exit 1; }
[ "$(stat -c %a "$user_folder")" = 700 ] || { echo "the user's folder is open to others" >&2; exit 1; }
for name in ergEN1.DAT Kelvhelp.ENG katalg.lst kparam.dat; do
    [ ! -e "$user_folder/$name" ] || [ ! -L "$user_folder/$name" ] || { echo "$name is a link" >&2; exit 1; }
done

# The window stays open until it is closed: still running after a few seconds means it started. Its title
# holds the texts of its language files: a window without them (an empty window) fails.
window_title() {  # runs Tervalo on a virtual screen for a few seconds and prints its window's title
    as_user env -u QT_QPA_PLATFORM xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        "$0" >/dev/null 2>&1 & pid=$!
        for _ in $(seq 20); do
            sleep 0.25
            id=$(xdotool search --pid $pid --onlyvisible --name . 2>/dev/null | head -1) && [ -n "$id" ] && break
        done
        [ -n "$id" ] && xdotool getwindowname "$id"
        kill $pid 2>/dev/null; wait $pid 2>/dev/null; true' "$bin/tervalo"
}
status=0
as_user timeout 5 "$bin/tervalo" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || { echo "tervalo ended with status $status" >&2; exit 1; }
title=$(window_title)
[[ "$title" == *" - "?* ]] || { echo "the window shows no texts (title \"$title\")" >&2; exit 1; }
echo "-- window: $title"
status=0
as_user "$bin/tervalo" --bogus >/dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || { echo "tervalo --bogus ended with status $status" >&2; exit 1; }

# An upgrade: the user edited a help page; the next version changes it, another help page and the catalogue
# list. The unchanged copies are renewed, the edited one is kept with the new version beside it, the project
# stays.
as_user sh -c 'printf "my note" >>"$HOME/.local/share/Tervalo/Kelvhelp.ENG"'
edited=$(cat "$user_folder/Kelvhelp.ENG")
next="$scratch/next"
dpkg-deb -R "$package" "$next"
sed -i "s/^Version: .*/Version: $version-2/" "$next/DEBIAN/control"
for name in Kelvhelp.ENG Kelvhelp.GER katalg.lst; do
    printf '"changed in %s-2"\r\n' "$version" >>"$next/usr/lib/tervalo/$name"
done
(cd "$next" && find usr -type f -exec md5sum {} + >DEBIAN/md5sums)
dpkg-deb --root-owner-group -b "$next" "$scratch/next.deb" >/dev/null
dpkg --root="$scratch/root" --force-depends --force-not-root --force-script-chrootless -i "$scratch/next.deb" \
    >"$scratch/dpkg.log" 2>&1 || { cat "$scratch/dpkg.log" >&2; exit 1; }
notes=$(as_user "$bin/tervalo-calc" 2>&1 >/dev/null)
new="$scratch/root/usr/lib/tervalo"
cmp -s "$user_folder/Kelvhelp.GER" "$new/Kelvhelp.GER" && cmp -s "$user_folder/katalg.lst" "$new/katalg.lst" ||
    { echo "the unchanged copies were not renewed" >&2; exit 1; }
[ "$(cat "$user_folder/Kelvhelp.ENG")" = "$edited" ] && cmp -s "$user_folder/Kelvhelp.ENG.new" "$new/Kelvhelp.ENG" ||
    { echo "the edited help page was not kept with the new one beside it" >&2; exit 1; }
grep -q "Kelvhelp.ENG.new" <<<"$notes" || { echo "the new help page was not named: $notes" >&2; exit 1; }
! as_user "$bin/tervalo-calc" 2>&1 >/dev/null | grep -q "Kelvhelp.ENG.new" ||
    { echo "the new help page was named twice" >&2; exit 1; }
grep -q "^WohnFL=150$" <<<"$(as_user "$bin/tervalo-calc")" || { echo "the project was not kept" >&2; exit 1; }
echo "-- upgrade ok"
echo "-- package ok"
