#!/usr/bin/env bash
# Builds the Debian package from a finished build and checks it: its contents, lintian, the launcher and
# metainfo validators, and an installation into a scratch root whose programs a normal user starts from a
# foreign folder, so that they must work in a folder of the user's own.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"

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
    ./usr/share/man/man1/tervalo.1.gz ./usr/share/man/man1/tervalo-calc.1.gz ./usr/share/doc/tervalo/copyright; do
    grep -q " $path\( \|$\)" <<<"$contents" || { echo "package lacks $path" >&2; exit 1; }
done
if grep -q "tervalo-install\|R22.LST\|ergEN1" <<<"$contents"; then
    echo "package holds the installer or files of a run" >&2
    exit 1
fi

lintian --fail-on error --suppress-tags national-encoding,initial-upload-closes-no-bugs "$package"
desktop-file-validate "$root/data/desktop/org.kelvara.Tervalo.desktop"
appstreamcli validate --no-net "$root/data/desktop/org.kelvara.Tervalo.metainfo.xml" >/dev/null

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
as_user "$bin/tervalo" --version | grep -q "^tervalo 2.12$"
as_user "$bin/tervalo-calc" --version | grep -q "^tervalo-calc 2.12$"
output=$(as_user "$bin/tervalo-calc" WohnFL=150 --save)
grep -q "^WohnFL=150$" <<<"$output"
grep -q "^Klimazone=..*" <<<"$output"
user_folder="$scratch/home/.local/share/Tervalo"
[ -L "$user_folder/Caption.GER" ] && [ -f "$user_folder/TempPart.dat" ] && [ ! -L "$user_folder/TempPart.dat" ] ||
    { echo "the user's folder is not as expected" >&2; ls -la "$user_folder" >&2; exit 1; }
[ -z "$(ls -A "$scratch/elsewhere")" ] || { echo "files were written into the current folder" >&2; exit 1; }
# The window stays open until it is closed: still running after a few seconds means it started.
status=0
as_user timeout 5 "$bin/tervalo" >/dev/null 2>&1 || status=$?
[ "$status" -eq 124 ] || { echo "tervalo ended with status $status" >&2; exit 1; }
echo "-- package ok"
